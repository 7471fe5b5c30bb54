#include "SilenceFinder.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "FFmpegHandles.h"
#include "SoundReader.h"
#include "ThreadName.h"

namespace tolvane {

namespace {

constexpr int kWindowsPerSecond = 100;

// The energy (sum of squares over every channel) and the sample count of each window of one
// part, from its first window on.
struct PartLevels final {
    std::int64_t firstWindow = 0;
    std::vector<double> energy;
    std::vector<std::int64_t> samples;
    bool failed = false;
    std::string failure;
};

// Reads the windows of the part that keeps the sound from `keepFrom` to `keepTo` seconds
// (`toEnd`: to the end); `start` is where window 0 begins.
PartLevels ReadPart(const LevelsSpan& span, double keepFrom, double keepTo, bool toEnd,
                    const std::atomic<bool>* stop, std::atomic<std::int64_t>* done) {
    PartLevels part;
    part.firstWindow =
        static_cast<std::int64_t>(std::floor((keepFrom - span.start) * kWindowsPerSecond + 1e-6));
    double next = 0.0;  // where a block without a time starts
    bool sought = false;
    std::int64_t counted = 0;  // windows reported to `done`
    const auto block = [&](const float* samples, int frames, int channels, int rate,
                           double at) -> SoundReadStep {
        const double t0 = at >= 0.0 ? at : next;
        next = t0 + static_cast<double>(frames) / rate;
        const int first =
            std::clamp(static_cast<int>(std::llround((keepFrom - t0) * rate)), 0, frames);
        const int end =
            toEnd ? frames
                  : std::clamp(static_cast<int>(std::llround((keepTo - t0) * rate)), 0, frames);
        // The sample index from the span's start of this block's first sample.
        const std::int64_t origin = std::llround((t0 - span.start) * rate);
        std::int64_t window = -1;
        std::int64_t boundary = std::numeric_limits<std::int64_t>::min();
        for (int j = first; j < end; ++j) {
            const std::int64_t g = origin + j;
            if (g < 0) {
                continue;
            }
            if (window < 0 || g >= boundary) {
                window = g * kWindowsPerSecond / rate;
                boundary = ((window + 1) * rate + kWindowsPerSecond - 1) / kWindowsPerSecond;
            }
            if (window < part.firstWindow) {
                continue;  // before the part (its reading starts a second early)
            }
            const auto index = static_cast<std::size_t>(window - part.firstWindow);
            if (index >= part.energy.size()) {
                part.energy.resize(index + 1, 0.0);
                part.samples.resize(index + 1, 0);
            }
            const float* frame = samples + static_cast<std::ptrdiff_t>(j) * channels;
            double energy = 0.0;
            for (int c = 0; c < channels; ++c) {
                energy += static_cast<double>(frame[c]) * frame[c];
            }
            part.energy[index] += energy;
            part.samples[index] += channels;
        }
        if (done != nullptr) {
            const auto now = static_cast<std::int64_t>(part.energy.size());
            done->fetch_add(now - counted, std::memory_order_relaxed);
            counted = now;
        }
        const bool past = !toEnd && t0 + static_cast<double>(frames) / rate >= keepTo;
        // One jump towards a far start, a second early: the decoder settles there.
        const bool jump = !sought && at >= 0.0 && keepFrom > at + 30.0 && !past;
        sought = sought || jump;
        return {past, jump ? keepFrom - 1.0 : -1.0};
    };
    const int ret = ReadSound(span.path, span.soundTrack, {}, block, stop);
    if (ret < 0) {
        part.failed = true;
        part.failure = AvErrorText(ret);
    }
    return part;
}

}  // namespace

LevelsRead ReadSoundLevels(const LevelsSpan& span, int threads, const std::atomic<bool>* stop,
                           std::atomic<std::int64_t>* done) {
    constexpr double kShortestPart = 30.0;
    const int parts =
        std::max(1, std::min(threads, static_cast<int>(span.spanLength / kShortestPart)));
    // Parts on whole windows, so that no window is shared.
    const double step = std::round(span.spanLength / parts * kWindowsPerSecond) / kWindowsPerSecond;
    std::vector<PartLevels> read(static_cast<std::size_t>(parts));
    {
        std::vector<std::jthread> readers;
        for (int i = 0; i < parts; ++i) {
            const double from = span.start + i * step;
            const bool last = i + 1 == parts;
            const double to = last ? span.start + span.length : from + step;
            readers.emplace_back([&, i, from, to, last] {
                NameThisThread("silence");
                read[static_cast<std::size_t>(i)] =
                    ReadPart(span, from, to, last ? span.toEnd : false, stop, done);
            });
        }
    }
    LevelsRead result;
    if (stop != nullptr && stop->load()) {
        result.failure = QT_TRANSLATE_NOOP("Messages", "stopped");
        return result;
    }
    std::vector<double> energy;
    std::vector<std::int64_t> samples;
    for (const PartLevels& part : read) {
        if (part.failed) {
            result.failure = part.failure;
            return result;
        }
        const auto end = static_cast<std::size_t>(part.firstWindow) + part.energy.size();
        if (energy.size() < end) {
            energy.resize(end, 0.0);
            samples.resize(end, 0);
        }
        for (std::size_t i = 0; i < part.energy.size(); ++i) {
            energy[static_cast<std::size_t>(part.firstWindow) + i] += part.energy[i];
            samples[static_cast<std::size_t>(part.firstWindow) + i] += part.samples[i];
        }
    }
    // The last windows hold sound only as far as the sound goes.
    while (!samples.empty() && samples.back() == 0) {
        samples.pop_back();
        energy.pop_back();
    }
    if (samples.empty()) {
        result.failure = QT_TRANSLATE_NOOP("Messages", "no sound to read");
        return result;
    }
    SoundLevels& levels = result.levels;
    levels.start = span.start;
    levels.windowSeconds = 1.0 / kWindowsPerSecond;
    levels.decibels.resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double meanSquare =
            samples[i] > 0 ? energy[i] / static_cast<double>(samples[i]) : 0.0;
        levels.decibels[i] = meanSquare > 0.0 ? static_cast<float>(10.0 * std::log10(meanSquare))
                                              : -std::numeric_limits<float>::infinity();
    }
    result.read = true;
    return result;
}

SilenceFinder::SilenceFinder(LevelsSpan span, int threads)
    : m_span(std::move(span)), m_reader([this, threads] {
          NameThisThread("levels");
          m_result = ReadSoundLevels(m_span, threads, &m_stop, &m_windows);
          m_done.store(true, std::memory_order_release);
      }) {}

SilenceFinder::~SilenceFinder() {
    m_stop.store(true);
    m_reader.join();
}

double SilenceFinder::Progress() const {
    if (Done()) {
        return 1.0;
    }
    const double total = m_span.spanLength * kWindowsPerSecond;
    return total > 0.0 ? std::clamp(static_cast<double>(m_windows.load()) / total, 0.0, 1.0) : 0.0;
}

}  // namespace tolvane

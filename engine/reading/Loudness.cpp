#include "Loudness.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <ebur128.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <thread>

#include "SoundReader.h"
#include "ThreadName.h"

namespace tolvane {

namespace {

struct StateDeleter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using StatePtr = std::unique_ptr<ebur128_state, StateDeleter>;

}  // namespace

std::string DecibelText(double value) {
    if (!std::isfinite(value)) {
        return value < 0 ? "\u2212\u221e" : "\u221e";
    }
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, std::abs(value), std::chars_format::fixed, 1);
    const std::string digits(text, result.ptr);
    return (value < 0 && digits != "0.0" ? "\u2212" : "") + digits;
}

namespace {

// What one reading measures: from `readFrom` seconds, the blocks that end after `keepFrom`,
// to `end` (or the end of the sound).
struct Span final {
    double readFrom = 0.0;
    double keepFrom = 0.0;
    double end = 0.0;
    bool toEnd = true;
};

struct SpanFacts final {
    LoudnessFacts facts;
    bool readNothing = false;  // the span held no sound (it lies past the end)
};

SpanFacts MeasureSpan(const std::string& path, int soundTrack, const Span& span,
                      const std::atomic<bool>* stop, bool integratedOnly,
                      SoundChange* change = nullptr) {
    SpanFacts result;
    LoudnessFacts& facts = result.facts;
    StatePtr state;
    int channels = 0;
    int rate = 0;
    const double start = span.readFrom;
    const double end = span.end;
    const bool toEnd = span.toEnd;
    bool failed = false;
    // Fed in steps of 100 ms: after each, the last 400 ms block's loudness is kept, once it
    // ends past the blocks another reading keeps.
    std::int64_t fed = 0;
    std::int64_t skip = 0;
    bool sought = false;
    bool anyFed = false;
    std::vector<float> changed;
    const auto feed = [&](const float* samples, std::size_t frames) {
        const std::int64_t hop = std::max(rate / 10, 1);
        while (frames > 0) {
            const auto take = static_cast<std::size_t>(
                std::min<std::int64_t>(static_cast<std::int64_t>(frames), hop - fed % hop));
            if (ebur128_add_frames_float(state.get(), samples, take) != EBUR128_SUCCESS) {
                return false;
            }
            samples += take * static_cast<std::size_t>(channels);
            frames -= take;
            fed += static_cast<std::int64_t>(take);
            anyFed = true;
            double momentary = 0.0;
            if (fed % hop == 0 && fed >= 4 * hop && fed > skip &&
                ebur128_loudness_momentary(state.get(), &momentary) == EBUR128_SUCCESS) {
                facts.blocks.push_back(momentary);
            }
        }
        return true;
    };
    const auto block = [&](const float* samples, int frames, int blockChannels, int blockRate,
                           double at) -> SoundReadStep {
        if (!state || blockChannels != channels || blockRate != rate) {
            if (state) {
                // A change of format midway: measured from here with new filters (rare).
                if (ebur128_change_parameters(state.get(), static_cast<unsigned>(blockChannels),
                                              static_cast<unsigned long>(blockRate)) !=
                    EBUR128_SUCCESS) {
                    failed = true;
                    return {true};
                }
            } else {
                state.reset(ebur128_init(
                    static_cast<unsigned>(blockChannels), static_cast<unsigned long>(blockRate),
                    integratedOnly ? EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK
                                   : EBUR128_MODE_I | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK));
                if (!state) {
                    failed = true;
                    return {true};
                }
            }
            channels = blockChannels;
            rate = blockRate;
            fed = 0;
            skip = std::llround((span.keepFrom - span.readFrom) * rate);
        }
        // Only the clip counts.
        int first = 0;
        int count = frames;
        if (at >= 0.0) {
            first = std::clamp(static_cast<int>(std::llround((start - at) * rate)), 0, frames);
            if (!toEnd) {
                count = std::clamp(static_cast<int>(std::llround((end - at) * rate)), 0, frames);
            }
        }
        const float* kept =
            samples + static_cast<std::size_t>(first) * static_cast<std::size_t>(channels);
        if (change != nullptr && count > first) {
            changed.clear();
            change->Change(kept, count - first, channels, rate, changed);
            kept = changed.data();
            first = 0;
            count = static_cast<int>(changed.size() / static_cast<std::size_t>(channels));
        }
        if (count > first && !feed(kept, static_cast<std::size_t>(count - first))) {
            failed = true;
            return {true};
        }
        const bool past = !toEnd && at >= 0.0 && at + static_cast<double>(frames) / rate >= end;
        // One jump towards a far start (a second early: the decoder settles); never a second,
        // when the start lies past the end of the sound.
        const bool jump = !sought && at >= 0.0 && start > at + 30.0 && !past;
        sought = sought || jump;
        return {past, jump ? start - 1.0 : -1.0};
    };
    const int ret = ReadSound(path, soundTrack, {}, block, stop);
    if (change != nullptr && ret >= 0 && !failed && state) {
        changed.clear();
        change->End(changed);
        if (!changed.empty() &&
            !feed(changed.data(), changed.size() / static_cast<std::size_t>(channels))) {
            failed = true;
        }
    }
    if (stop != nullptr && stop->load()) {
        facts.failure = QT_TRANSLATE_NOOP("Messages", "stopped");
        return result;
    }
    if (ret < 0 || failed || !state || !anyFed) {
        facts.failure = ret < 0 ? AvErrorText(ret) : "no sound to measure";
        result.readNothing = ret >= 0 && !failed;
        return result;
    }
    double value = 0.0;
    facts.integrated =
        ebur128_loudness_global(state.get(), &value) == EBUR128_SUCCESS ? value : -HUGE_VAL;
    facts.range = !integratedOnly && ebur128_loudness_range(state.get(), &value) == EBUR128_SUCCESS
                      ? value
                      : 0.0;
    double peak = 0.0;
    for (int c = 0; c < channels && !integratedOnly; ++c) {
        if (ebur128_true_peak(state.get(), static_cast<unsigned>(c), &value) == EBUR128_SUCCESS) {
            peak = std::max(peak, value);
        }
    }
    facts.truePeak = peak > 0.0 ? 20.0 * std::log10(peak) : -HUGE_VAL;
    for (int c = 0; c < channels; ++c) {
        if (ebur128_sample_peak(state.get(), static_cast<unsigned>(c), &value) == EBUR128_SUCCESS) {
            facts.samplePeak = std::max(facts.samplePeak, value);
        }
    }
    facts.measured = true;
    return result;
}

}  // namespace

LoudnessFacts MeasureLoudness(const std::string& path, int soundTrack, double start, double length,
                              bool toEnd, const std::atomic<bool>* stop, bool integratedOnly) {
    return MeasureSpan(path, soundTrack, {start, start, start + length, toEnd}, stop,
                       integratedOnly)
        .facts;
}

LoudnessFacts MeasureChangedLoudness(const std::string& path, int soundTrack, double start,
                                     double length, bool toEnd, const std::atomic<bool>* stop,
                                     SoundChange& change) {
    return MeasureSpan(path, soundTrack, {start, start, start + length, toEnd}, stop, true, &change)
        .facts;
}

LoudnessFacts MeasureLoudnessInParts(const std::string& path, int soundTrack, double start,
                                     double length, bool toEnd, double spanLength,
                                     const std::atomic<bool>* stop, int parts) {
    // Parts of at least half a minute, on the 100 ms grid of the blocks, each read from a
    // second before it: the filters settle there and the blocks that reach into it are kept by
    // the part before.
    constexpr double kShortestPart = 30.0;
    constexpr double kSettle = 1.0;
    parts = std::min(parts, static_cast<int>(spanLength / kShortestPart));
    if (parts < 2) {
        return MeasureLoudness(path, soundTrack, start, length, toEnd, stop, true);
    }
    const double step = std::round(spanLength / parts * 10.0) / 10.0;
    std::vector<SpanFacts> measured(static_cast<std::size_t>(parts));
    {
        std::vector<std::jthread> readers;
        for (int i = 0; i < parts; ++i) {
            const double from = start + i * step;
            const bool last = i + 1 == parts;
            const Span span{i == 0 ? from : from - kSettle, from,
                            last ? start + length : from + step, last ? toEnd : false};
            readers.emplace_back([&, i, span] {
                NameThisThread("loudness");
                measured[static_cast<std::size_t>(i)] =
                    MeasureSpan(path, soundTrack, span, stop, true);
            });
        }
    }
    LoudnessFacts all;
    all.truePeak = -HUGE_VAL;
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const SpanFacts& part = measured[i];
        if (!part.facts.measured) {
            // A part past the end of the sound (the file said it was longer) adds nothing.
            if (i > 0 && part.readNothing) {
                continue;
            }
            return part.facts;
        }
        all.blocks.insert(all.blocks.end(), part.facts.blocks.begin(), part.facts.blocks.end());
        all.samplePeak = std::max(all.samplePeak, part.facts.samplePeak);
    }
    all.measured = true;
    all.integrated = LoudnessWithGain(all, 0.0);
    return all;
}

struct LoudnessSum::State {
    StatePtr state;
    int channels = 0;
    int rate = 0;
    std::int64_t fed = 0;        // frames since the format was set
    std::vector<double> blocks;  // the momentary loudness every 100 ms (of the last 400 ms)
};

LoudnessSum::LoudnessSum() : m_state(std::make_unique<State>()) {}

LoudnessSum::~LoudnessSum() = default;

bool LoudnessSum::Add(const float* samples, int frames, int channels, int rate) {
    State& s = *m_state;
    if (!s.state) {
        s.state.reset(ebur128_init(static_cast<unsigned>(channels),
                                   static_cast<unsigned long>(rate),
                                   EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK));
    } else if (channels != s.channels || rate != s.rate) {
        // A change of format midway: measured from here with new filters (rare).
        if (ebur128_change_parameters(s.state.get(), static_cast<unsigned>(channels),
                                      static_cast<unsigned long>(rate)) != EBUR128_SUCCESS) {
            return false;
        }
    }
    if (!s.state) {
        return false;
    }
    if (channels != s.channels || rate != s.rate) {
        s.fed = 0;
    }
    s.channels = channels;
    s.rate = rate;
    // Fed in steps of 100 ms: after each, the last 400 ms block's loudness is kept (the blocks
    // give the loudness at another gain, as a reading's do).
    const std::int64_t hop = std::max(rate / 10, 1);
    while (frames > 0) {
        const auto take = static_cast<int>(std::min<std::int64_t>(frames, hop - s.fed % hop));
        if (ebur128_add_frames_float(s.state.get(), samples, static_cast<std::size_t>(take)) !=
            EBUR128_SUCCESS) {
            return false;
        }
        samples += static_cast<std::size_t>(take) * static_cast<std::size_t>(channels);
        frames -= take;
        s.fed += take;
        double momentary = 0.0;
        if (s.fed % hop == 0 && s.fed >= 4 * hop &&
            ebur128_loudness_momentary(s.state.get(), &momentary) == EBUR128_SUCCESS) {
            s.blocks.push_back(momentary);
        }
    }
    return true;
}

LoudnessFacts LoudnessSum::Facts() const {
    LoudnessFacts facts;
    const State& s = *m_state;
    if (!s.state) {
        facts.failure = QT_TRANSLATE_NOOP("Messages", "no sound to measure");
        return facts;
    }
    double value = 0.0;
    facts.integrated =
        ebur128_loudness_global(s.state.get(), &value) == EBUR128_SUCCESS ? value : -HUGE_VAL;
    facts.blocks = s.blocks;
    facts.truePeak = -HUGE_VAL;
    for (int c = 0; c < s.channels; ++c) {
        if (ebur128_sample_peak(s.state.get(), static_cast<unsigned>(c), &value) ==
            EBUR128_SUCCESS) {
            facts.samplePeak = std::max(facts.samplePeak, value);
        }
    }
    facts.measured = true;
    return facts;
}

double LoudnessWithGain(const LoudnessFacts& facts, double gainDb) {
    // BS.1770-4: blocks above -70 LUFS, then those above the mean of these less 10 LU.
    const auto mean = [&](double gate) {
        double energy = 0.0;
        int count = 0;
        for (const double block : facts.blocks) {
            if (std::isfinite(block) && block + gainDb > gate) {
                energy += std::pow(10.0, (block + gainDb + 0.691) / 10.0);
                ++count;
            }
        }
        return count > 0 ? -0.691 + 10.0 * std::log10(energy / count) : -HUGE_VAL;
    };
    const double ungated = mean(-70.0);
    return std::isfinite(ungated) ? mean(ungated - 10.0) : -HUGE_VAL;
}

double GainToReach(const LoudnessFacts& facts, double target) {
    double gain = 0.0;
    for (int i = 0; i < 20; ++i) {
        const double loudness = LoudnessWithGain(facts, gain);
        if (!std::isfinite(loudness)) {
            return i == 0 ? 0.0 : gain;
        }
        const double step = target - loudness;
        gain += step;
        if (std::abs(step) < 0.01) {
            break;
        }
    }
    return gain;
}

ReplayGainTexts ReplayGainOf(const LoudnessFacts& facts) {
    ReplayGainTexts texts;
    if (!facts.measured || !std::isfinite(facts.integrated)) {
        return texts;
    }
    char gain[32];
    const auto end = std::to_chars(gain, gain + sizeof gain, -18.0 - facts.integrated,
                                   std::chars_format::fixed, 2);
    texts.gain = std::string(gain, end.ptr) + " dB";
    char peak[32];
    const double linear =
        std::isfinite(facts.truePeak) ? std::pow(10.0, facts.truePeak / 20.0) : 0.0;
    const auto peakEnd =
        std::to_chars(peak, peak + sizeof peak, linear, std::chars_format::fixed, 6);
    texts.peak = std::string(peak, peakEnd.ptr);
    return texts;
}

LoudnessFacts Together(const std::vector<LoudnessFacts>& parts) {
    LoudnessFacts all;
    all.truePeak = -HUGE_VAL;
    for (const LoudnessFacts& part : parts) {
        if (part.measured) {
            all.measured = true;
            all.blocks.insert(all.blocks.end(), part.blocks.begin(), part.blocks.end());
            all.truePeak = std::max(all.truePeak, part.truePeak);
        }
    }
    all.integrated = LoudnessWithGain(all, 0.0);
    return all;
}

std::string LoudnessLine(const LoudnessFacts& facts) {
    if (!facts.measured) {
        return "not measured (" + facts.failure + ")";
    }
    if (!std::isfinite(facts.integrated)) {
        return "silent";
    }
    return DecibelText(facts.integrated) + " LUFS, range " + DecibelText(facts.range) +
           " LU, true peak " + DecibelText(facts.truePeak) + " dBTP";
}

}  // namespace tolvane

#include "SoundEnvelope.h"

#include <algorithm>
#include <cmath>

#include "MediaProbe.h"
#include "SoundReader.h"
#include "ThreadName.h"

namespace tolvane {

namespace {

// Up to this length every sample is read; a longer recording reads this much of each column.
constexpr double kReadWholeSeconds = 20 * 60.0;
constexpr double kSampledSecondsPerColumn = 1.0;

}  // namespace

SoundEnvelope::SoundEnvelope(const std::string& path, int columns)
    : m_columns(std::max(columns, 1)),
      m_peaks(static_cast<std::size_t>(m_columns), -1.0f),
      m_reader([this, path] { Read(path); }) {}

SoundEnvelope::~SoundEnvelope() {
    m_stop.store(true, std::memory_order_release);
    if (m_reader.joinable()) {
        m_reader.join();
    }
}

std::vector<float> SoundEnvelope::Peaks() const {
    const std::lock_guard lock(m_mutex);
    return m_peaks;
}

std::vector<ChapterMark> SoundEnvelope::Chapters() const {
    const std::lock_guard lock(m_mutex);
    return m_chapters;
}

void SoundEnvelope::NoteSamples(const float* samples, int frames, int channels, double start,
                                double perSample) {
    const double seconds = m_seconds.load(std::memory_order_relaxed);
    const std::lock_guard lock(m_mutex);
    for (int i = 0; i < frames; ++i) {
        const double at = start + i * perSample;
        const int column = std::clamp(static_cast<int>(at / seconds * m_columns), 0, m_columns - 1);
        float& peak = m_peaks[static_cast<std::size_t>(column)];
        for (int c = 0; c < channels; ++c) {
            const float x = samples[static_cast<std::size_t>(i * channels + c)];
            peak = std::max(peak, std::isfinite(x) ? std::min(std::abs(x), 1.0f) : 0.0f);
        }
    }
}

void SoundEnvelope::Read(const std::string& path) {
    NameThisThread("envelope");
    int column = 0;  // a long recording: the column being read
    bool sampled = false;
    double columnSeconds = 0.0;
    const auto opened = [&](double seconds, const AVFormatContext& input) {
        {
            const std::lock_guard lock(m_mutex);
            m_chapters = ChaptersOf(input);
        }
        m_seconds.store(seconds, std::memory_order_release);
        sampled = seconds > kReadWholeSeconds;
        columnSeconds = seconds / m_columns;
    };
    const auto block = [&](const float* samples, int frames, int channels, int rate,
                           double start) -> SoundReadStep {
        if (m_seconds.load(std::memory_order_relaxed) <= 0.0) {
            return {true};  // no length: no columns
        }
        NoteSamples(samples, frames, channels, std::max(start, 0.0), 1.0 / rate);
        if (sampled && start >= column * columnSeconds + kSampledSecondsPerColumn) {
            // The next column's first second.
            ++column;
            return column < m_columns ? SoundReadStep{false, column * columnSeconds}
                                      : SoundReadStep{true};
        }
        return {};
    };
    ReadSound(path, 0, opened, block, &m_stop);
    m_done.store(true, std::memory_order_release);
}

}  // namespace tolvane

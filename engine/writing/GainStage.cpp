#include "GainStage.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tolvane {

GainStage::GainStage(int channels, double gain, double ceiling, int lookAhead)
    : m_channels(std::max(channels, 1)),
      m_gain(static_cast<float>(gain)),
      m_ceiling(static_cast<float>(ceiling)),
      m_lookAhead(std::max(lookAhead, 1)),
      m_span(m_lookAhead + 1),
      m_delay(static_cast<std::size_t>(m_span) * static_cast<std::size_t>(m_channels)),
      m_real(static_cast<std::size_t>(m_span)),
      m_minimum(std::bit_ceil(static_cast<std::size_t>(m_span))),
      m_minimumMask(m_minimum.size() - 1),
      m_minimums(static_cast<std::size_t>(m_span), 1.0f),
      m_minimumSum(m_span) {
    // The look-ahead starts on silence that never comes out: the first real sample's window
    // is whole.
    std::vector<std::vector<float>> none;
    const std::vector<float> silence(static_cast<std::size_t>(m_channels), 0.0f);
    for (int i = 0; i < m_lookAhead; ++i) {
        Push(silence.data(), false, none);
    }
}

void GainStage::Push(const float* frame, bool real, std::vector<std::vector<float>>& out) {
    float peak = 0.0f;
    for (int c = 0; c < m_channels; ++c) {
        peak = std::max(peak, std::abs(frame[c]));
    }
    const float needed = peak > m_ceiling ? m_ceiling / peak : 1.0f;
    const std::int64_t t = m_in++;
    const std::size_t slot = m_slot;
    // The sample L back leaves now; this one takes the slot after it (rings of L + 1).
    const std::size_t leaving = slot + 1 == static_cast<std::size_t>(m_span) ? 0 : slot + 1;
    m_slot = leaving;
    // The smallest need over [t - L, t].
    const auto at = [this](std::size_t i) -> std::pair<std::int64_t, float>& {
        return m_minimum[(m_minimumFront + i) & m_minimumMask];
    };
    while (m_minimumSize > 0 && at(0).first < t - m_lookAhead) {
        m_minimumFront = (m_minimumFront + 1) & m_minimumMask;
        --m_minimumSize;
    }
    while (m_minimumSize > 0 && at(m_minimumSize - 1).second >= needed) {
        --m_minimumSize;
    }
    at(m_minimumSize) = {t, needed};
    ++m_minimumSize;
    std::copy(frame, frame + m_channels,
              m_delay.begin() + static_cast<std::ptrdiff_t>(slot) * m_channels);
    m_real[slot] = real ? 1 : 0;
    if (t < m_lookAhead) {
        return;
    }
    // The window minimum of the sample L back, and the mean of the last L + 1 of them: the gain
    // of that sample, never above what any sample in its reach allows.
    const float minimum = at(0).second;
    float& oldest = m_minimums[slot];
    m_minimumSum += static_cast<double>(minimum) - oldest;
    oldest = minimum;
    if (m_real[leaving] == 0) {
        return;
    }
    const auto gain = static_cast<float>(m_minimumSum / m_span);
    if (out.size() < static_cast<std::size_t>(m_channels)) {
        out.resize(static_cast<std::size_t>(m_channels));
    }
    const float* sample = m_delay.data() + leaving * static_cast<std::size_t>(m_channels);
    for (int c = 0; c < m_channels; ++c) {
        out[static_cast<std::size_t>(c)].push_back(sample[c] * gain);
    }
}

void GainStage::Process(const float* const* planes, int count,
                        std::vector<std::vector<float>>& out) {
    std::vector<float> frame(static_cast<std::size_t>(m_channels));
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < m_channels; ++c) {
            const float x = planes[c][i];
            frame[static_cast<std::size_t>(c)] = std::isfinite(x) ? x * m_gain : 0.0f;
        }
        Push(frame.data(), true, out);
    }
}

void GainStage::Flush(std::vector<std::vector<float>>& out) {
    const std::vector<float> silence(static_cast<std::size_t>(m_channels), 0.0f);
    for (int i = 0; i < m_lookAhead; ++i) {
        Push(silence.data(), false, out);
    }
}

}  // namespace tolvane

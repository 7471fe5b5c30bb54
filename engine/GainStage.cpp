#include "GainStage.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

GainStage::GainStage(int channels, double gain, double ceiling, int lookAhead)
    : m_channels(std::max(channels, 1)),
      m_gain(static_cast<float>(gain)),
      m_ceiling(static_cast<float>(ceiling)),
      m_lookAhead(std::max(lookAhead, 1)) {
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
    // The smallest need over [t - L, t].
    while (!m_minimum.empty() && m_minimum.back().second >= needed) {
        m_minimum.pop_back();
    }
    m_minimum.emplace_back(t, needed);
    while (m_minimum.front().first < t - m_lookAhead) {
        m_minimum.pop_front();
    }
    m_delay.insert(m_delay.end(), frame, frame + m_channels);
    m_real.push_back(real);
    if (t < m_lookAhead) {
        return;
    }
    // The window minimum of the sample L back, and the mean of the last L + 1 of them: the gain
    // of that sample, never above what any sample in its reach allows.
    const float minimum = m_minimum.front().second;
    m_minimums.push_back(minimum);
    m_minimumSum += minimum;
    if (static_cast<int>(m_minimums.size()) > m_lookAhead + 1) {
        m_minimumSum -= m_minimums.front();
        m_minimums.pop_front();
    }
    const bool isReal = m_real.front();
    m_real.pop_front();
    const bool whole = static_cast<int>(m_minimums.size()) == m_lookAhead + 1;
    const auto gain = static_cast<float>(whole ? m_minimumSum / (m_lookAhead + 1) : 1.0);
    if (isReal) {
        if (out.size() < static_cast<std::size_t>(m_channels)) {
            out.resize(static_cast<std::size_t>(m_channels));
        }
        for (int c = 0; c < m_channels; ++c) {
            out[static_cast<std::size_t>(c)].push_back(m_delay[static_cast<std::size_t>(c)] * gain);
        }
        m_limited = m_limited || gain < 0.9999f;
        ++m_out;
    }
    m_delay.erase(m_delay.begin(), m_delay.begin() + m_channels);
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

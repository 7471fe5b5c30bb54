#pragma once

// Sound brought to a loudness with one linear gain, the dynamics as recorded; where the gain
// would push a peak over the ceiling, a look-ahead limiter lowers those peaks only. It works on
// planar floats and delays them by its look-ahead; Flush gives back what it holds, so that
// nothing is lost or moved: the n-th sample out is the n-th sample in.

#include <cstdint>
#include <deque>
#include <vector>

namespace tolvane {

class GainStage final {
public:
    // `gain` as a factor; `ceiling` the highest sample level let through (a factor of full
    // scale); `lookAhead` in samples.
    GainStage(int channels, double gain, double ceiling, int lookAhead);

    // Takes `count` samples of each channel's plane and appends to `out` (a plane per channel)
    // what leaves the stage: as many as came in, less the look-ahead at the start.
    void Process(const float* const* planes, int count, std::vector<std::vector<float>>& out);
    // Appends what the stage still holds (the look-ahead, at the end of the sound).
    void Flush(std::vector<std::vector<float>>& out);

    // Whether any sample was lowered below the plain gain.
    bool Limited() const { return m_limited; }

private:
    void Push(const float* frame, bool real, std::vector<std::vector<float>>& out);

    int m_channels;
    float m_gain;
    float m_ceiling;
    int m_lookAhead;
    // The last lookAhead + 1 samples after the gain, interleaved, oldest first.
    std::deque<float> m_delay;
    // Whether each sample in the delay is the sound's (not the silence around it).
    std::deque<bool> m_real;
    // The smallest allowed gain over each window of lookAhead + 1 (index and value, rising).
    std::deque<std::pair<std::int64_t, float>> m_minimum;
    // The last lookAhead + 1 window minimums, summed: their mean is the gain applied.
    std::deque<float> m_minimums;
    double m_minimumSum = 0.0;
    std::int64_t m_in = 0;   // samples taken
    std::int64_t m_out = 0;  // samples given out
    bool m_limited = false;
};

}  // namespace tolvane

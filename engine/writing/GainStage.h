#pragma once

// Sound brought to a loudness with one linear gain, the dynamics as recorded; where the gain
// would push a peak over the ceiling, a look-ahead limiter lowers those peaks only. It works on
// planar floats and delays them by its look-ahead; Flush gives back what it holds, so that
// nothing is lost or moved: the n-th sample out is the n-th sample in.

#include <cstdint>
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

private:
    void Push(const float* frame, bool real, std::vector<std::vector<float>>& out);

    int m_channels;
    float m_gain;
    float m_ceiling;
    int m_lookAhead;
    int m_span;  // lookAhead + 1: the length of every window
    // Rings of m_span entries: the samples after the gain (interleaved) and whether each is the
    // sound's own (not the silence around it), indexed by sample number modulo m_span.
    std::vector<float> m_delay;
    std::vector<char> m_real;
    // The smallest allowed gain (ceiling / peak, at most 1) over the last m_span samples: a
    // ring of (sample number, allowed gain), rising from front to back.
    std::vector<std::pair<std::int64_t, float>> m_minimum;  // a power of two long
    std::size_t m_minimumMask = 0;
    std::size_t m_minimumFront = 0;
    std::size_t m_minimumSize = 0;
    std::size_t m_slot = 0;  // this sample's slot in the rings of m_span
    // The last m_span window minimums, summed: their mean is the gain of the sample leaving.
    std::vector<float> m_minimums;
    double m_minimumSum = 0.0;
    std::int64_t m_in = 0;  // samples taken
};

}  // namespace tolvane

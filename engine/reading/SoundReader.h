#pragma once

// Reads one sound track of a file as interleaved floats, the sound alone: the other streams are
// skipped by the demuxer, never decoded. For the measures that look at a whole file's sound
// (its loudness, its envelope) without converting it.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "FFmpegHandles.h"

namespace tolvane {

// Turns decoded frames of any sample format into interleaved floats, its converter made anew
// when the frames' format changes.
class FloatSamples final {
public:
    FloatSamples() = default;
    FloatSamples(const FloatSamples&) = delete;
    FloatSamples& operator=(const FloatSamples&) = delete;
    ~FloatSamples();
    // Converts `frame`; returns the frames now in Data(), or a negative AVERROR.
    int Convert(const AVFrame& frame);
    const float* Data() const { return m_samples.data(); }

private:
    SwrPtr m_converter;
    AVChannelLayout m_layout{};  // what the converter was made for
    int m_rate = 0;
    int m_format = -1;
    std::vector<float> m_samples;
};

// What the reader does after a block: go on, jump to a place (seconds from the file's start),
// or end.
struct SoundReadStep final {
    bool stop = false;
    double seekTo = -1.0;  // negative: read on
};

// One block of decoded sound: `frames` frames of `channels` interleaved floats at `rate`,
// starting at `start` seconds from the file's start.
using SoundBlock = std::function<SoundReadStep(const float* samples, int frames, int channels,
                                               int rate, double start)>;

// The file's facts once it is open: its length (0 when unknown) and the opened input.
using SoundOpened = std::function<void(double seconds, const AVFormatContext& input)>;

// Reads sound track `soundTrack` (from 1; 0 the last) of `path` block by block until the end,
// `block` says stop, or `stop` is set. Returns 0 at the end of the sound, or a negative AVERROR
// (the file is no media, has no such sound track, or its decoder does not open).
int ReadSound(const std::string& path, int soundTrack, const SoundOpened& opened,
              const SoundBlock& block, const std::atomic<bool>* stop = nullptr);

}  // namespace tolvane

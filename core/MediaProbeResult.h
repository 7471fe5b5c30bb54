#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SoundTracks.h"
#include "SplitParts.h"

// Length and stream properties of one probed file (the last stream of each kind).
struct MediaProbeResult final {
    std::int64_t durationMicros = 0;   // as the container reports it (may be the no-value marker)
    std::int64_t durationSeconds = 0;  // durationMicros / 1,000,000, truncated toward zero
    std::int32_t srcVideoCodecId = 0;
    std::int32_t srcVideoBitRate = 0;
    std::int32_t srcWidth = 0;
    std::int32_t srcHeight = 0;
    std::int32_t srcFrameRateNum = 0;
    std::int32_t srcFrameRateDen = 0;
    double srcFrameRate = 0.0;  // integer quotient num / den, as a double
    std::int32_t srcAudioCodecId = 0;
    std::int32_t srcAudioBitRate = 0;
    std::int32_t srcSampleRate = 0;
    std::int32_t srcChannels = 0;
    std::vector<SoundTrackFacts> soundTracks;  // every sound track, in file order
    std::vector<ChapterMark> chapters;         // the file's chapters, in order
    std::string title;                         // the file's title tag
};

#pragma once

// What a container's headers may get wrong or leave out, measured from the packets at the
// start of a file: the frame rate the video really has and the bit rate of a stream whose
// header gives none.

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstdint>

struct StreamMeasures final {
    AVRational frameRate{0, 1};     // {0, 1} when not measured
    std::int64_t videoBitRate = 0;  // 0 when not measured
    std::int64_t audioBitRate = 0;
};

// Whether the header's two frame rates of `stream` say the same (within 1 %), so that the
// rate can be taken as it stands.
bool FrameRatesAgree(const AVStream& stream);

// Reads packets from the start of `input` (whose position it moves) and measures, for the
// streams asked (an index of -1 asks nothing): the video's frame rate over its first seconds,
// and the bit rates from packet sizes over at most the first minute.
StreamMeasures MeasureStreams(AVFormatContext* input, int frameRateStream, int videoBitsStream,
                              int audioBitsStream);

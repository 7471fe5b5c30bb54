#include "StreamMeasures.h"

#include <algorithm>
#include <cmath>

#include "FFmpegHandles.h"

namespace {

// How far the measures read: the frame rate over the first seconds, the bit rates over the
// first minute, and never more than these many packets or bytes.
constexpr double kFrameRateSeconds = 5.0;
constexpr double kBitRateSeconds = 60.0;
constexpr int kMaxPackets = 20000;
constexpr std::int64_t kMaxBytes = 256 * 1024 * 1024;
constexpr int kFrameRateMaxFrames = 600;

double RateValue(AVRational rate) {
    return rate.den > 0 && rate.num > 0 ? av_q2d(rate) : 0.0;
}

// The span and size of one stream's packets seen so far.
struct StreamTally {
    int index = -1;
    std::int64_t first = AV_NOPTS_VALUE;  // lowest start time, in the stream's time base
    std::int64_t last = AV_NOPTS_VALUE;   // highest end (or start) time
    std::int64_t lastStart = AV_NOPTS_VALUE;
    std::int64_t bytes = 0;
    int packets = 0;

    void Add(const AVPacket& packet) {
        const std::int64_t start = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
        if (start == AV_NOPTS_VALUE) {
            return;
        }
        const std::int64_t end = start + std::max<std::int64_t>(packet.duration, 0);
        first = first == AV_NOPTS_VALUE ? start : std::min(first, start);
        last = last == AV_NOPTS_VALUE ? end : std::max(last, end);
        lastStart = lastStart == AV_NOPTS_VALUE ? start : std::max(lastStart, start);
        bytes += packet.size;
        ++packets;
    }
    double Seconds(const AVStream& stream, std::int64_t upTo) const {
        return first == AV_NOPTS_VALUE
                   ? 0.0
                   : static_cast<double>(upTo - first) * av_q2d(stream.time_base);
    }
};

}  // namespace

bool FrameRatesAgree(const AVStream& stream) {
    const double real = RateValue(stream.r_frame_rate);
    const double average = RateValue(stream.avg_frame_rate);
    return real > 0.0 && average > 0.0 && std::abs(real - average) <= 0.01 * average;
}

StreamMeasures MeasureStreams(AVFormatContext* input, int frameRateStream, int videoBitsStream,
                              int audioBitsStream) {
    StreamMeasures measures;
    if (frameRateStream < 0 && videoBitsStream < 0 && audioBitsStream < 0) {
        return measures;
    }
    StreamTally frames{frameRateStream};
    StreamTally videoBits{videoBitsStream};
    StreamTally audioBits{audioBitsStream};
    const auto stream = [input](int index) -> const AVStream& { return *input->streams[index]; };
    const auto framesDone = [&] {
        return frames.index < 0 || frames.packets >= kFrameRateMaxFrames ||
               frames.Seconds(stream(frames.index), frames.lastStart) >= kFrameRateSeconds;
    };
    const auto bitsDone = [&](const StreamTally& tally) {
        return tally.index < 0 || tally.Seconds(stream(tally.index), tally.last) >= kBitRateSeconds;
    };

    tolvane::PacketPtr packet(av_packet_alloc());
    std::int64_t bytes = 0;
    for (int read = 0; packet && read < kMaxPackets && bytes < kMaxBytes; ++read) {
        if (framesDone() && bitsDone(videoBits) && bitsDone(audioBits)) {
            break;
        }
        if (av_read_frame(input, packet.get()) < 0) {
            break;  // the end, or what cannot be read: what was seen is measured
        }
        bytes += packet->size;
        for (StreamTally* tally : {&frames, &videoBits, &audioBits}) {
            if (packet->stream_index == tally->index && !(tally == &frames && framesDone())) {
                tally->Add(*packet);
            }
        }
        av_packet_unref(packet.get());
    }

    // Frames over the time between the first and the last: n frames span n - 1 intervals.
    if (frames.index >= 0 && frames.packets >= 2) {
        const double seconds = frames.Seconds(stream(frames.index), frames.lastStart);
        if (seconds > 0.0) {
            measures.frameRate = av_d2q((frames.packets - 1) / seconds, 1000000);
        }
    }
    for (auto [tally, rate] : {std::pair{&videoBits, &measures.videoBitRate},
                               std::pair{&audioBits, &measures.audioBitRate}}) {
        if (tally->index >= 0) {
            const double seconds = tally->Seconds(stream(tally->index), tally->last);
            if (seconds > 0.0) {
                *rate = std::llround(static_cast<double>(tally->bytes) * 8.0 / seconds);
            }
        }
    }
    return measures;
}

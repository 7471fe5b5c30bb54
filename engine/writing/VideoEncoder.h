#pragma once

// The video half of a task, for jobs that include video: the encoder, its picture and scaler,
// and the time base table.

#include <cstdint>
#include <string>

#include "FFmpegHandles.h"
#include "OutputMedia.h"

struct EncodeSettings;

namespace tolvane {

// The encoder time base for a frame rate of the job's table; 0 (or an unknown rate, or the
// "rm" rule) gives the reciprocal of the source's base frame rate.
AVRational VideoTimeBase(double frameRate, AVRational sourceRate, bool useSourceRate);

// A source rate whose integer quotient exceeds 1000 is taken as rate/1001 (30000/1 → 30000/1001).
AVRational CorrectedFrameRate(AVRational rate);

class VideoEncoder final {
public:
    // Finds and opens the encoder for the job's video settings. `sourceRate` is the source's
    // corrected base frame rate; `useSourceRate` forces it as the time base ("rm" output).
    int Open(const EncodeSettings& job, const AVCodecContext& decoder, AVRational sourceRate,
             const AVOutputFormat& format, bool useSourceRate, const std::string& path);

    AVCodecContext* Context() const { return m_encoder.get(); }
    AVRational TimeBase() const { return m_encoder->time_base; }
    // Frames per second as the encoder's time base states it, as an integer.
    int IntegerRate() const;
    // Scales `frame` into the encoder's picture and encodes it at `pts` (encoder time base).
    int Encode(const AVFrame& frame, std::int64_t pts, OutputMedia& output);
    int Flush(OutputMedia& output);

private:
    LogSubject m_log;  // outlives m_encoder, whose lines it names
    CodecContextPtr m_encoder;
    SwsPtr m_scaler;
    FramePtr m_picture;
    std::string m_path;
};

}  // namespace tolvane

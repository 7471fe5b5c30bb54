#pragma once

// The audio half of a task: encoder, resampler and sample queue. Decoded frames are converted
// to the encoder's format, rate and channel layout, queued, and handed to the encoder in frames
// of exactly its frame size (any size for the PCM family).

#include <cstdint>
#include <string>

#include <memory>
#include <vector>

#include "FFmpegHandles.h"
#include "GainStage.h"
#include "OutputMedia.h"
#include "SoundShaper.h"

#include "EncodeSettings.h"

namespace tolvane {

// Whether the job's audio codec identifier is one the workers encode.
bool IsSupportedAudioCodec(std::int32_t codecId);
// The encoder a run uses for the codec; null when it is not one the workers encode or this
// FFmpeg has none.
const AVCodec* FindAudioEncoder(std::int32_t codecId);
// Whether it is, and this FFmpeg has an encoder for it.
bool HasAudioEncoder(std::int32_t codecId);

// The sample format a run gives `codec` for a source decoding to `source`: the source's own
// when the encoder takes it, else the encoder's first.
AVSampleFormat ChooseSampleFormat(const AVCodec& codec, AVSampleFormat source);

// The one set-up of an audio encoder, for the run and for the check before it: `codec` with
// `settings`, taking `sampleFormat`, for a container of `format`, opened into `encoder`.
// Returns 0 or the negative AVERROR of avcodec_open2.
int OpenAudioEncoderContext(const AVCodec& codec, const AudioSettings& settings,
                            AVSampleFormat sampleFormat, const AVOutputFormat& format,
                            CodecContextPtr& encoder);

class AudioEncoder final {
public:
    AudioEncoder() = default;
    AudioEncoder(const AudioEncoder&) = delete;
    AudioEncoder& operator=(const AudioEncoder&) = delete;
    ~AudioEncoder() {
        av_channel_layout_uninit(&m_resamplerLayout);
        av_channel_layout_uninit(&m_stageLayout);
    }

    // Finds and opens the encoder for `settings`. The source's sample format is used when the
    // encoder takes it, else the encoder's own. Returns 0, or a negative AVERROR (logged with
    // `path`).
    int Open(const AudioSettings& settings, const AVCodecContext& decoder,
             const AVOutputFormat& format, const std::string& path);

    AVCodecContext* Context() const { return m_encoder.get(); }
    bool IsOpen() const { return m_encoder != nullptr; }

    // A further source for an open encoder (the next merge entry): its sound carries on where
    // the previous source's ended, through the same resampler when the format is the same.
    // Returns 0, or a negative AVERROR (logged with `path`).
    int BeginSource(const AVCodecContext& decoder, const std::string& path);

    // The samples of each frame the encoder gets (the last may be fewer).
    int FrameSize() const { return m_inputFrameSize; }
    // From now on the encoder gets frames of exactly `samples` samples but the last: the grid
    // the segments of a long sound are joined on. For an encoder that takes any size (PCM),
    // before any sound; others keep their own size.
    void SetFrameGrid(int samples);

    // At most this many samples reach the encoder (the clip length); negative: no limit.
    void LimitSamples(std::int64_t samples) { m_sampleLimit = samples; }
    bool LimitReached() const { return m_sampleLimit >= 0 && m_samplesQueued >= m_sampleLimit; }
    std::int64_t SamplesQueued() const { return m_samplesQueued; }
    // Output position of this encoder in seconds: samples handed to it so far.
    double QueuedSeconds() const;

    // Converts one decoded frame, without its first `skip` samples, into the queue and encodes
    // every full frame; floating-point samples are first made finite and limited to full scale
    // in the frame itself. Returns 0 or the negative conversion, encode or write error.
    int Push(AVFrame& frame, int skip, OutputMedia& output);

    // From the next frame on, the sound is multiplied by `gain`, and samples above `ceiling`
    // (factors of full scale) are limited with a look-ahead; until EndGain.
    // `limit` false: no sample can reach the ceiling, and the gain goes on without the stage.
    void SetGain(double gain, double ceiling, bool limit = true);
    // Gives out what the gain stage holds (the end of an entry's sound) and ends the gain.
    // Returns 0 or the negative conversion, encode or write error.
    int EndGain(OutputMedia& output);

    // From the first sound on, what is written passes through the stage that changes its tempo,
    // night mode and fades (at the written rate and channels); before any sound.
    void SetShape(const ListenShape& shape);
    bool Shaping() const { return m_shaper != nullptr; }
    // The gain of a loudness measured on what the shaping stage makes (see SoundShaper).
    void SetShapeGain(double gain, double ceiling, bool limit);
    // The end of one file's sound in a merge: what the resampler and the shaping stage hold of
    // it comes out (the next file carries on from its exact end, or crossfades with it).
    int EndPiece(OutputMedia& output);
    // Samples of the output's time line: as queued, or as the shaping stage makes them.
    std::int64_t OutputSamples() const { return m_shaper ? m_shaper->Length() : m_samplesQueued; }
    // Where each file's sound starts in the output, in seconds (shaping only).
    std::vector<double> PieceStarts() const;

    // End of the entry: drains the resampler and the queue (a short last frame, or one padded
    // with silence where the encoder takes only full frames) and flushes the encoder.
    int Flush(OutputMedia& output);

private:
    int PrepareResampler(int format, int rate, const AVChannelLayout& reported);
    // The mix of a converter from `in` to the written channels: the centre's level in a
    // fold-down, or the one channel picked. Before swr_init.
    int SetMix(SwrContext* converter, const AVChannelLayout& in) const;
    int DrainResampler();
    int QueueLeadIn();
    // Converts `samples` samples of `planes` (in `format`, `rate`, `layout`) and queues them.
    int QueueSound(const std::uint8_t* const* planes, int samples, int format, int rate,
                   const AVChannelLayout& layout);
    // A frame's samples from `skip` on through the gain stage into the queue.
    int PushThroughGain(AVFrame& frame, int skip);
    int QueueGained();
    int Queue(const std::uint8_t* const* planes, int samples);
    int ConvertAndQueue(const std::uint8_t* const* planes, int samples);
    int EncodeQueued(OutputMedia& output, bool last);
    // Samples in the encoder's format through the shaping stage into the queue.
    int Shape(const std::uint8_t* const* planes, int samples);
    int QueueShaped();

    // The gain stage: planar floats of the decoded layout and rate.
    bool m_gainOn = false;
    double m_gain = 1.0;
    double m_ceiling = 1.0;
    bool m_limit = true;
    std::unique_ptr<GainStage> m_stage;
    SwrPtr m_toFloat;  // decoded samples to planar floats for the stage
    int m_toFloatFormat = -1;
    int m_stageRate = 0;
    AVChannelLayout m_stageLayout{};
    std::vector<std::vector<float>> m_gained;
    std::vector<float> m_floats;

    // The shaping stage, planar floats at the encoder's rate and channels, and the converters
    // from and to the encoder's sample format (none when that is planar floats).
    std::unique_ptr<SoundShaper> m_shaper;
    SwrPtr m_toShape;
    SwrPtr m_fromShape;
    Planes m_shaped;
    std::vector<float> m_shapeIn;
    FramePtr m_shapeOut;

    LogSubject m_log;  // outlives m_encoder, whose lines it names
    CodecContextPtr m_encoder;
    SwrPtr m_resampler;
    AudioFifoPtr m_queue;
    FramePtr m_encoderFrame;
    FramePtr m_converted;
    int m_convertedCapacity = 0;
    // What the resampler was made for; a frame that differs makes a new one.
    int m_resamplerFormat = -1;
    int m_resamplerRate = 0;
    AVChannelLayout m_resamplerLayout{};
    bool m_passThrough = false;
    double m_centerMix = 0.0;  // a factor; 0: the resampler's own (-3 dB)
    int m_pick = -1;           // the source channel written alone (from 0); -1: all

    int m_inputFrameSize = 0;
    bool m_wholeFrames = false;  // frames of m_inputFrameSize also where any size would do
    bool m_takesShortFrame = false;
    std::int64_t m_nextPts = 0;
    std::int64_t m_samplesQueued = 0;
    std::int64_t m_sampleLimit = -1;
    std::string m_path;
};

}  // namespace tolvane

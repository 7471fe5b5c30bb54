#include "AudioEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
}

namespace tolvane {

namespace {

// Base of the PCM frame-size rule: the size of one encoded audio buffer.
constexpr int kEncodedAudioBytes = 524288;

constexpr std::array kSupportedAudioCodecs = {
    AV_CODEC_ID_AAC,    AV_CODEC_ID_AMR_NB,    AV_CODEC_ID_AC3,       AV_CODEC_ID_MP3,
    AV_CODEC_ID_MP2,    AV_CODEC_ID_WMAV1,     AV_CODEC_ID_WMAV2,     AV_CODEC_ID_VORBIS,
    AV_CODEC_ID_FLAC,   AV_CODEC_ID_PCM_S16LE, AV_CODEC_ID_PCM_S16BE, AV_CODEC_ID_PCM_S8,
    AV_CODEC_ID_PCM_U8, AV_CODEC_ID_PCM_MULAW, AV_CODEC_ID_PCM_ALAW,  AV_CODEC_ID_APE,
    AV_CODEC_ID_OPUS,
};

// Into `converter` (when it has none yet), a converter of the encoder's rate and channels from
// sample format `from` to `to`. Returns 0 or a negative AVERROR.
int FormatConverter(AVCodecContext& encoder, AVSampleFormat from, AVSampleFormat to,
                    SwrPtr& converter) {
    if (converter) {
        return 0;
    }
    SwrContext* raw = nullptr;
    int ret = swr_alloc_set_opts2(&raw, &encoder.ch_layout, to, encoder.sample_rate,
                                  &encoder.ch_layout, from, encoder.sample_rate, 0, nullptr);
    if (ret >= 0) {
        ret = swr_init(raw);
    }
    if (ret < 0) {
        swr_free(&raw);
        return ret;
    }
    converter.reset(raw);
    return 0;
}

bool Is16BitPcm(AVCodecID id) {
    return id == AV_CODEC_ID_PCM_S16LE || id == AV_CODEC_ID_PCM_S16BE ||
           id == AV_CODEC_ID_PCM_U16LE || id == AV_CODEC_ID_PCM_U16BE;
}

// Keeps floating-point samples finite, and with `limit` within full scale. A damaged stream can
// decode to NaN, infinity or enormous values; the resampler turns a NaN into a full-scale click
// when it makes integers of it, and a float encoder would get it as it is. An encoder that takes
// floats (Vorbis, WMA) gets loud samples as the source has them; integers clip anyway.
template <typename Sample>
void CleanSamples(Sample* samples, std::size_t count, bool limit) {
    for (std::size_t i = 0; i < count; ++i) {
        const Sample x = samples[i];
        if (!std::isfinite(x)) {
            samples[i] = Sample(0);
        } else if (limit) {
            samples[i] = std::clamp(x, Sample(-1), Sample(1));
        }
    }
}

// Cleans a decoded frame's samples in place when they are floating-point; 0 or an error.
int CleanFloatSamples(AVFrame& frame, bool limit) {
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const AVSampleFormat packed = av_get_packed_sample_fmt(format);
    if (packed != AV_SAMPLE_FMT_FLT && packed != AV_SAMPLE_FMT_DBL) {
        return 0;
    }
    // The decoder may still share the buffer.
    const int ret = av_frame_make_writable(&frame);
    if (ret < 0) {
        return ret;
    }
    const int channels = frame.ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    const int planes = planar ? channels : 1;
    const auto perPlane = static_cast<std::size_t>(frame.nb_samples) *
                          static_cast<std::size_t>(planar ? 1 : channels);
    for (int p = 0; p < planes; ++p) {
        if (packed == AV_SAMPLE_FMT_FLT) {
            CleanSamples(reinterpret_cast<float*>(frame.extended_data[p]), perPlane, limit);
        } else {
            CleanSamples(reinterpret_cast<double*>(frame.extended_data[p]), perPlane, limit);
        }
    }
    return 0;
}

bool TakesFloats(const AVCodecContext& encoder) {
    const AVSampleFormat packed = av_get_packed_sample_fmt(encoder.sample_fmt);
    return packed == AV_SAMPLE_FMT_FLT || packed == AV_SAMPLE_FMT_DBL;
}

}  // namespace

bool IsSupportedAudioCodec(std::int32_t codecId) {
    return std::find(kSupportedAudioCodecs.begin(), kSupportedAudioCodecs.end(),
                     static_cast<AVCodecID>(codecId)) != kSupportedAudioCodecs.end();
}

const AVCodec* FindAudioEncoder(std::int32_t codecId) {
    if (!IsSupportedAudioCodec(codecId)) {
        return nullptr;
    }
    if (codecId == AV_CODEC_ID_OPUS) {
        // libopus: FFmpeg's own Opus encoder is experimental.
        return avcodec_find_encoder_by_name("libopus");
    }
    return avcodec_find_encoder(static_cast<AVCodecID>(codecId));
}

bool HasAudioEncoder(std::int32_t codecId) {
    return FindAudioEncoder(codecId) != nullptr;
}

AVSampleFormat ChooseSampleFormat(const AVCodec& codec, AVSampleFormat source) {
    if (codec.sample_fmts == nullptr) {
        return source;
    }
    for (const AVSampleFormat* f = codec.sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == source) {
            return source;
        }
    }
    return codec.sample_fmts[0];
}

int OpenAudioEncoderContext(const AVCodec& codec, const AudioSettings& settings,
                            AVSampleFormat sampleFormat, const AVOutputFormat& format,
                            CodecContextPtr& encoder) {
    encoder.reset(avcodec_alloc_context3(&codec));
    if (!encoder) {
        return AVERROR(ENOMEM);
    }
    AVCodecContext* enc = encoder.get();
    enc->bit_rate = settings.bitRate;
    enc->sample_rate = settings.sampleRate;
    av_channel_layout_default(&enc->ch_layout, settings.channels);
    enc->sample_fmt = sampleFormat;
    enc->time_base = AVRational{1, settings.sampleRate};
    if (format.flags & AVFMT_GLOBALHEADER) {
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (codec.id == AV_CODEC_ID_OPUS && !settings.opusApplication.empty()) {
        const int set =
            av_opt_set(enc->priv_data, "application", settings.opusApplication.c_str(), 0);
        if (set < 0) {
            encoder.reset();
            return set;
        }
    }
    const int ret = avcodec_open2(enc, &codec, nullptr);
    if (ret < 0) {
        encoder.reset();
    }
    return ret;
}

int AudioEncoder::Open(const AudioSettings& settings, const AVCodecContext& decoder,
                       const AVOutputFormat& format, const std::string& path) {
    m_path = path;
    // -3 dB: the resampler's own fold-down (its 1/sqrt(2)), as ever.
    m_centerMix = settings.centerMixDb == AudioSettings{}.centerMixDb
                      ? 0.0
                      : std::pow(10.0, settings.centerMixDb / 20.0);
    m_pick = settings.pickChannel - 1;
    const auto id = static_cast<AVCodecID>(settings.codecId);
    const AVCodec* codec = FindAudioEncoder(settings.codecId);
    if (codec == nullptr) {
        LogFailure(path, "no encoder for the audio codec", AVERROR_ENCODER_NOT_FOUND);
        return AVERROR_ENCODER_NOT_FOUND;
    }
    if (settings.channels <= 0 || settings.sampleRate <= 0) {
        LogFailure(path, "invalid audio channel count or sample rate", AVERROR(EINVAL));
        return AVERROR(EINVAL);
    }
    int ret = OpenAudioEncoderContext(
        *codec, settings, ChooseSampleFormat(*codec, decoder.sample_fmt), format, m_encoder);
    if (ret < 0) {
        LogFailure(path, "cannot open the audio encoder", ret);
        return ret;
    }
    AVCodecContext* enc = m_encoder.get();
    m_log.path = path;
    SetLogSubject(enc, &m_log);

    const int channels = enc->ch_layout.nb_channels;
    m_takesShortFrame = (codec->capabilities &
                         (AV_CODEC_CAP_VARIABLE_FRAME_SIZE | AV_CODEC_CAP_SMALL_LAST_FRAME)) != 0;
    if (enc->frame_size > 1) {
        m_inputFrameSize = enc->frame_size;
    } else {
        m_inputFrameSize = kEncodedAudioBytes / channels;
        if (Is16BitPcm(id)) {
            m_inputFrameSize /= 2;
        }
    }
    m_queue.reset(av_audio_fifo_alloc(enc->sample_fmt, channels, 2 * m_inputFrameSize));
    m_encoderFrame.reset(av_frame_alloc());
    m_converted.reset(av_frame_alloc());
    if (!m_queue || !m_encoderFrame || !m_converted) {
        return AVERROR(ENOMEM);
    }
    ret = QueueLeadIn();
    if (ret < 0) {
        LogFailure(path, "cannot queue the encoder's lead-in", ret);
        return ret;
    }
    AVFrame* frame = m_encoderFrame.get();
    frame->nb_samples = m_inputFrameSize;
    frame->format = enc->sample_fmt;
    frame->sample_rate = enc->sample_rate;
    av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
    ret = av_frame_get_buffer(frame, 0);
    if (ret < 0) {
        LogFailure(path, "cannot allocate the encoder frame", ret);
        return ret;
    }
    return BeginSource(decoder, path);
}

int AudioEncoder::BeginSource(const AVCodecContext& decoder, const std::string& path) {
    m_path = path;
    if (decoder.sample_fmt == AV_SAMPLE_FMT_NONE || decoder.sample_rate <= 0) {
        return 0;  // announced only by the first decoded frame
    }
    // The resampler for what the decoder announces, made now so that a failure leaves no file
    // behind; a decoded frame that differs makes a new one.
    const int ret = PrepareResampler(decoder.sample_fmt, decoder.sample_rate, decoder.ch_layout);
    if (ret < 0) {
        LogFailure(path, "cannot convert the source's sound", ret);
    }
    return ret;
}

void AudioEncoder::SetFrameGrid(int samples) {
    if (m_encoder && m_encoder->frame_size <= 1 && samples > 0 && m_samplesQueued == 0) {
        m_inputFrameSize = samples;
        m_wholeFrames = true;
    }
}

double AudioEncoder::QueuedSeconds() const {
    return m_encoder ? static_cast<double>(m_samplesQueued) / m_encoder->sample_rate : 0.0;
}

int AudioEncoder::PrepareResampler(int format, int rate, const AVChannelLayout& reported) {
    AVChannelLayout layout{};
    UsualLayout(reported, layout);
    const bool same = m_resamplerFormat == format && m_resamplerRate == rate &&
                      av_channel_layout_compare(&layout, &m_resamplerLayout) == 0;
    if (same) {
        av_channel_layout_uninit(&layout);
        return 0;
    }
    // What the old resampler still holds belongs before the new sound.
    int ret = DrainResampler();
    if (ret < 0) {
        av_channel_layout_uninit(&layout);
        return ret;
    }
    av_channel_layout_uninit(&m_resamplerLayout);
    m_resamplerLayout = layout;
    m_resamplerFormat = format;
    m_resamplerRate = rate;
    m_resampler.reset();

    AVCodecContext* enc = m_encoder.get();
    m_passThrough = format == enc->sample_fmt && rate == enc->sample_rate &&
                    av_channel_layout_compare(&layout, &enc->ch_layout) == 0;
    if (m_passThrough) {
        return 0;
    }
    // More source channels than the encoder has are mixed down by the resampler's matrix.
    SwrContext* raw = nullptr;
    ret = swr_alloc_set_opts2(&raw, &enc->ch_layout, enc->sample_fmt, enc->sample_rate, &layout,
                              static_cast<AVSampleFormat>(format), rate, 0, nullptr);
    m_resampler.reset(raw);
    if (ret >= 0) {
        ret = SetMix(raw, layout);
    }
    if (ret >= 0) {
        av_opt_set_int(raw, "filter_size", 16, 0);
        av_opt_set_int(raw, "phase_shift", 10, 0);
        av_opt_set_int(raw, "linear_interp", 0, 0);
        av_opt_set_double(raw, "cutoff", 0.8, 0);
        ret = swr_init(raw);
    }
    if (ret < 0) {
        LogFailure(m_path, "cannot create the resampler", ret);
        m_resampler.reset();
        m_resamplerFormat = -1;
    }
    return ret;
}

int AudioEncoder::SetMix(SwrContext* converter, const AVChannelLayout& in) const {
    if (m_centerMix > 0.0) {
        if (const int ret = av_opt_set_double(converter, "center_mix_level", m_centerMix, 0);
            ret < 0) {
            return ret;
        }
    }
    if (m_pick < 0) {
        return 0;
    }
    // The picked channel into every written one (one, as the run writes it).
    const int ins = std::max(in.nb_channels, 1);
    const int outs = m_encoder->ch_layout.nb_channels;
    std::vector<double> matrix(static_cast<std::size_t>(ins) * static_cast<std::size_t>(outs), 0.0);
    const int pick = std::min(m_pick, ins - 1);
    for (int o = 0; o < outs; ++o) {
        matrix[static_cast<std::size_t>(o) * static_cast<std::size_t>(ins) +
               static_cast<std::size_t>(pick)] = 1.0;
    }
    return swr_set_matrix(converter, matrix.data(), ins);
}

int AudioEncoder::QueueLeadIn() {
    // A WMA decoder drops the first frame it decodes, and FFmpeg's WMA encoder does not make up
    // for it: the sound would start one frame late (46 ms at 44100 Hz, a click at its start
    // gone). A frame of silence first makes the decoded sound start with the source's first
    // sample. It is no part of the sound: neither the clip's limit nor the position counts it.
    const AVCodecID id = m_encoder->codec_id;
    if (id != AV_CODEC_ID_WMAV1 && id != AV_CODEC_ID_WMAV2) {
        return 0;
    }
    const int channels = m_encoder->ch_layout.nb_channels;
    std::uint8_t** silence = nullptr;
    int ret = av_samples_alloc_array_and_samples(&silence, nullptr, channels, m_inputFrameSize,
                                                 m_encoder->sample_fmt, 0);
    if (ret < 0) {
        return ret;
    }
    av_samples_set_silence(silence, 0, m_inputFrameSize, channels, m_encoder->sample_fmt);
    ret = av_audio_fifo_write(m_queue.get(), reinterpret_cast<void**>(silence), m_inputFrameSize);
    av_freep(&silence[0]);
    av_freep(&silence);
    return ret < 0 ? ret : 0;
}

int AudioEncoder::Queue(const std::uint8_t* const* planes, int samples) {
    if (m_sampleLimit >= 0) {
        samples =
            static_cast<int>(std::min<std::int64_t>(samples, m_sampleLimit - m_samplesQueued));
    }
    if (samples <= 0) {
        return 0;
    }
    if (m_shaper) {
        const int ret = Shape(planes, samples);
        if (ret >= 0) {
            m_samplesQueued += samples;
        }
        return ret;
    }
    const int written = av_audio_fifo_write(
        m_queue.get(), reinterpret_cast<void**>(const_cast<std::uint8_t**>(planes)), samples);
    if (written < 0) {
        return written;
    }
    m_samplesQueued += written;
    return 0;
}

int AudioEncoder::ConvertAndQueue(const std::uint8_t* const* planes, int samples) {
    const int capacity = swr_get_out_samples(m_resampler.get(), samples);
    if (capacity < 0) {
        return capacity;
    }
    if (capacity > m_convertedCapacity) {
        AVFrame* out = m_converted.get();
        av_frame_unref(out);
        out->format = m_encoder->sample_fmt;
        out->nb_samples = capacity;
        av_channel_layout_copy(&out->ch_layout, &m_encoder->ch_layout);
        const int ret = av_frame_get_buffer(out, 0);
        if (ret < 0) {
            m_convertedCapacity = 0;
            return ret;
        }
        m_convertedCapacity = capacity;
    }
    const int converted = swr_convert(m_resampler.get(), m_converted->extended_data, capacity,
                                      const_cast<const std::uint8_t**>(planes), samples);
    if (converted < 0) {
        return converted;
    }
    return Queue(m_converted->extended_data, converted);
}

int AudioEncoder::QueueSound(const std::uint8_t* const* planes, int samples, int format, int rate,
                             const AVChannelLayout& layout) {
    int ret = PrepareResampler(format, rate, layout);
    if (ret < 0) {
        return ret;
    }
    ret = m_passThrough ? Queue(planes, samples) : ConvertAndQueue(planes, samples);
    if (ret < 0) {
        LogFailure(m_path, "cannot convert decoded samples", ret);
    }
    return ret;
}

int AudioEncoder::Push(AVFrame& frame, int skip, OutputMedia& output) {
    if (frame.nb_samples <= skip) {
        return 0;
    }
    int ret = CleanFloatSamples(frame, !TakesFloats(*m_encoder) && !m_gainOn);
    if (ret < 0) {
        LogFailure(m_path, "cannot clean decoded samples", ret);
        return ret;
    }
    if (m_gainOn) {
        ret = PushThroughGain(frame, skip);
        return ret < 0 ? ret : EncodeQueued(output, false);
    }
    // Planes of the frame without its first `skip` samples.
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const int channels = frame.ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    const int step = av_get_bytes_per_sample(format) * (planar ? 1 : channels);
    const int planeCount = planar ? channels : 1;
    std::vector<const std::uint8_t*> planes(static_cast<std::size_t>(planeCount));
    for (int p = 0; p < planeCount; ++p) {
        planes[static_cast<std::size_t>(p)] =
            frame.extended_data[p] + static_cast<std::ptrdiff_t>(skip) * step;
    }
    ret = QueueSound(planes.data(), frame.nb_samples - skip, frame.format, frame.sample_rate,
                     frame.ch_layout);
    return ret < 0 ? ret : EncodeQueued(output, false);
}

void AudioEncoder::SetGain(double gain, double ceiling, bool limit) {
    m_gainOn = true;
    m_gain = gain;
    m_ceiling = ceiling;
    m_limit = limit;
    m_stage.reset();
}

int AudioEncoder::PushThroughGain(AVFrame& frame, int skip) {
    // The gain and its ceiling act on the channels that are written: a mono source made stereo
    // is 3 dB lower in each channel, a downmix adds channels together, and a ceiling on the
    // source's channels would leave the one written far from it (or over it).
    AVChannelLayout& written = m_encoder->ch_layout;
    const int channels = written.nb_channels;
    if (m_stage && (frame.sample_rate != m_stageRate ||
                    av_channel_layout_compare(&frame.ch_layout, &m_stageLayout) != 0)) {
        // Another layout midway: what the stage holds goes first.
        m_stage->Flush(m_gained);
        if (const int ret = QueueGained(); ret < 0) {
            return ret;
        }
        m_stage.reset();
        m_toFloat.reset();  // made for the old layout
    }
    if (!m_stage) {
        // A look-ahead of 5 ms.
        m_stage = std::make_unique<GainStage>(channels, m_gain, m_ceiling,
                                              std::max(1, frame.sample_rate / 200));
        m_stageRate = frame.sample_rate;
        av_channel_layout_uninit(&m_stageLayout);
        av_channel_layout_copy(&m_stageLayout, &frame.ch_layout);
    }
    if (!m_toFloat || m_toFloatFormat != frame.format) {
        SwrContext* raw = nullptr;
        // Floats in the written channels (mixed as the resampler would), at the source's rate:
        // as many samples come out as go in.
        int ret = swr_alloc_set_opts2(&raw, &written, AV_SAMPLE_FMT_FLTP, frame.sample_rate,
                                      &frame.ch_layout, static_cast<AVSampleFormat>(frame.format),
                                      frame.sample_rate, 0, nullptr);
        if (ret >= 0) {
            AVChannelLayout in{};
            UsualLayout(frame.ch_layout, in);
            ret = SetMix(raw, in);
            av_channel_layout_uninit(&in);
        }
        if (ret >= 0) {
            ret = swr_init(raw);
        }
        if (ret < 0) {
            swr_free(&raw);
            LogFailure(m_path, "cannot convert decoded samples", ret);
            return ret;
        }
        m_toFloat.reset(raw);
        m_toFloatFormat = frame.format;
    }
    const int samples = frame.nb_samples;
    m_floats.resize(static_cast<std::size_t>(samples) * static_cast<std::size_t>(channels));
    std::vector<std::uint8_t*> out(static_cast<std::size_t>(channels));
    for (int c = 0; c < channels; ++c) {
        out[static_cast<std::size_t>(c)] = reinterpret_cast<std::uint8_t*>(
            m_floats.data() + static_cast<std::size_t>(c) * samples);
    }
    const int got = swr_convert(m_toFloat.get(), out.data(), samples,
                                const_cast<const std::uint8_t**>(frame.extended_data), samples);
    if (got < 0) {
        LogFailure(m_path, "cannot convert decoded samples", got);
        return got;
    }
    std::vector<const float*> planes(static_cast<std::size_t>(channels));
    for (int c = 0; c < channels; ++c) {
        planes[static_cast<std::size_t>(c)] =
            m_floats.data() + static_cast<std::size_t>(c) * samples + skip;
    }
    const int kept = std::max(0, got - skip);
    if (!m_limit) {
        // No sample can reach the ceiling: the gain alone, without the look-ahead.
        const auto gain = static_cast<float>(m_gain);
        std::vector<const std::uint8_t*> gained(static_cast<std::size_t>(channels));
        for (int c = 0; c < channels; ++c) {
            float* plane = m_floats.data() + static_cast<std::size_t>(c) * samples + skip;
            for (int i = 0; i < kept; ++i) {
                plane[i] = std::isfinite(plane[i]) ? plane[i] * gain : 0.0f;
            }
            gained[static_cast<std::size_t>(c)] = reinterpret_cast<const std::uint8_t*>(plane);
        }
        return QueueSound(gained.data(), kept, AV_SAMPLE_FMT_FLTP, frame.sample_rate, written);
    }
    m_stage->Process(planes.data(), kept, m_gained);
    return QueueGained();
}

int AudioEncoder::QueueGained() {
    if (m_gained.empty() || m_gained[0].empty()) {
        return 0;
    }
    std::vector<const std::uint8_t*> planes;
    for (const std::vector<float>& plane : m_gained) {
        planes.push_back(reinterpret_cast<const std::uint8_t*>(plane.data()));
    }
    const int ret = QueueSound(planes.data(), static_cast<int>(m_gained[0].size()),
                               AV_SAMPLE_FMT_FLTP, m_stageRate, m_encoder->ch_layout);
    for (std::vector<float>& plane : m_gained) {
        plane.clear();
    }
    return ret;
}

int AudioEncoder::EndGain(OutputMedia& output) {
    if (!m_gainOn) {
        return 0;
    }
    m_gainOn = false;
    if (!m_stage) {
        return 0;
    }
    m_stage->Flush(m_gained);
    const int ret = QueueGained();
    m_stage.reset();
    return ret < 0 ? ret : EncodeQueued(output, false);
}

void AudioEncoder::SetShape(const ListenShape& shape) {
    if (m_encoder && shape.Any() && m_samplesQueued == 0) {
        m_shaper = std::make_unique<SoundShaper>(shape, m_encoder->ch_layout.nb_channels,
                                                 m_encoder->sample_rate);
    }
}

void AudioEncoder::SetShapeGain(double gain, double ceiling, bool limit) {
    if (m_shaper) {
        m_shaper->SetGain(gain, ceiling, limit);
    }
}

std::vector<double> AudioEncoder::PieceStarts() const {
    std::vector<double> starts;
    if (m_shaper && m_encoder) {
        for (const std::int64_t at : m_shaper->PieceStarts()) {
            starts.push_back(static_cast<double>(at) / m_encoder->sample_rate);
        }
    }
    return starts;
}

int AudioEncoder::Shape(const std::uint8_t* const* planes, int samples) {
    AVCodecContext& enc = *m_encoder;
    const int channels = enc.ch_layout.nb_channels;
    std::vector<const float*> floats(static_cast<std::size_t>(channels));
    if (enc.sample_fmt == AV_SAMPLE_FMT_FLTP) {
        for (int c = 0; c < channels; ++c) {
            floats[static_cast<std::size_t>(c)] = reinterpret_cast<const float*>(planes[c]);
        }
    } else {
        if (const int ret = FormatConverter(enc, enc.sample_fmt, AV_SAMPLE_FMT_FLTP, m_toShape);
            ret < 0) {
            return ret;
        }
        m_shapeIn.resize(static_cast<std::size_t>(samples) * static_cast<std::size_t>(channels));
        std::vector<std::uint8_t*> out(static_cast<std::size_t>(channels));
        for (int c = 0; c < channels; ++c) {
            float* plane = m_shapeIn.data() + static_cast<std::size_t>(c) * samples;
            out[static_cast<std::size_t>(c)] = reinterpret_cast<std::uint8_t*>(plane);
            floats[static_cast<std::size_t>(c)] = plane;
        }
        const int got = swr_convert(m_toShape.get(), out.data(), samples,
                                    const_cast<const std::uint8_t**>(planes), samples);
        if (got < 0) {
            return got;
        }
    }
    const int ret = m_shaper->Process(floats.data(), samples, m_shaped);
    if (ret < 0) {
        LogFailure(m_path, "cannot change the tempo", ret);
        return ret;
    }
    return QueueShaped();
}

int AudioEncoder::QueueShaped() {
    if (m_shaped.empty() || m_shaped[0].empty()) {
        return 0;
    }
    AVCodecContext& enc = *m_encoder;
    const int samples = static_cast<int>(m_shaped[0].size());
    std::vector<const std::uint8_t*> planes;
    for (const std::vector<float>& plane : m_shaped) {
        planes.push_back(reinterpret_cast<const std::uint8_t*>(plane.data()));
    }
    int ret = 0;
    if (enc.sample_fmt == AV_SAMPLE_FMT_FLTP) {
        ret = av_audio_fifo_write(
            m_queue.get(), reinterpret_cast<void**>(const_cast<std::uint8_t**>(planes.data())),
            samples);
    } else {
        ret = FormatConverter(enc, AV_SAMPLE_FMT_FLTP, enc.sample_fmt, m_fromShape);
        if (!m_shapeOut) {
            m_shapeOut.reset(av_frame_alloc());
        }
        AVFrame* out = m_shapeOut.get();
        if (ret >= 0 && out == nullptr) {
            ret = AVERROR(ENOMEM);
        }
        if (ret >= 0 && out->nb_samples < samples) {
            av_frame_unref(out);
            out->format = enc.sample_fmt;
            out->nb_samples = samples;
            av_channel_layout_copy(&out->ch_layout, &enc.ch_layout);
            ret = av_frame_get_buffer(out, 0);
        }
        if (ret >= 0) {
            ret =
                swr_convert(m_fromShape.get(), out->extended_data, samples, planes.data(), samples);
        }
        if (ret >= 0) {
            ret = av_audio_fifo_write(m_queue.get(), reinterpret_cast<void**>(out->extended_data),
                                      ret);
        }
    }
    for (std::vector<float>& plane : m_shaped) {
        plane.clear();
    }
    if (ret < 0) {
        LogFailure(m_path, "cannot convert shaped samples", ret);
    }
    return ret < 0 ? ret : 0;
}

int AudioEncoder::EndPiece(OutputMedia& output) {
    if (!m_shaper) {
        return 0;
    }
    // The resampler's last samples belong to this file; the next makes a resampler anew.
    int ret = DrainResampler();
    m_resampler.reset();
    m_resamplerFormat = -1;
    av_channel_layout_uninit(&m_resamplerLayout);
    if (ret >= 0) {
        ret = m_shaper->EndPiece(m_shaped);
    }
    if (ret >= 0) {
        ret = QueueShaped();
    }
    return ret < 0 ? ret : EncodeQueued(output, false);
}

int AudioEncoder::EncodeQueued(OutputMedia& output, bool last) {
    AVCodecContext* enc = m_encoder.get();
    const bool fixedSize = enc->frame_size > 1;
    for (;;) {
        const int available = av_audio_fifo_size(m_queue.get());
        if (available == 0 ||
            (!last && (fixedSize || m_wholeFrames) && available < m_inputFrameSize)) {
            return 0;
        }
        AVFrame* frame = m_encoderFrame.get();
        // The full size first: a frame the encoder still holds is copied at this size.
        frame->nb_samples = m_inputFrameSize;
        int ret = av_frame_make_writable(frame);
        if (ret < 0) {
            return ret;
        }
        const int take = std::min(available, m_inputFrameSize);
        ret = av_audio_fifo_read(m_queue.get(), reinterpret_cast<void**>(frame->data), take);
        if (ret < 0) {
            return ret;
        }
        if (take < m_inputFrameSize) {
            if (!fixedSize || m_takesShortFrame) {
                frame->nb_samples = take;
            } else {
                // The encoder takes only whole frames: the rest of the last one is silence.
                av_samples_set_silence(frame->data, take, m_inputFrameSize - take,
                                       enc->ch_layout.nb_channels, enc->sample_fmt);
            }
        }
        frame->pts = m_nextPts;
        m_nextPts += frame->nb_samples;
        ret = output.EncodeAndWrite(enc, frame, output.audio);
        if (ret < 0) {
            LogFailure(m_path, "cannot encode or write audio", ret);
            return ret;
        }
    }
}

int AudioEncoder::DrainResampler() {
    if (!m_resampler || LimitReached()) {
        return 0;
    }
    // Samples the resampler still holds.
    return ConvertAndQueue(nullptr, 0);
}

int AudioEncoder::Flush(OutputMedia& output) {
    if (!m_encoder) {
        return 0;
    }
    int ret = EndGain(output);
    if (ret >= 0) {
        ret = DrainResampler();
    }
    if (ret >= 0 && m_shaper) {
        ret = m_shaper->Finish(m_shaped);
        if (ret >= 0) {
            ret = QueueShaped();
        }
        if (ret < 0) {
            LogFailure(m_path, "cannot change the tempo", ret);
        }
    }
    const int queued = ret < 0 ? ret : EncodeQueued(output, true);
    const int flushed = output.EncodeAndWrite(m_encoder.get(), nullptr, output.audio);
    if (flushed < 0) {
        LogFailure(m_path, "cannot flush the audio encoder", flushed);
    }
    return queued < 0 ? queued : flushed;
}

}  // namespace tolvane

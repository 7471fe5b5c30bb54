#include "SoundReader.h"

#include <vector>

extern "C" {
#include <libswresample/swresample.h>
}

namespace tolvane {

FloatSamples::~FloatSamples() {
    av_channel_layout_uninit(&m_layout);
}

int FloatSamples::Convert(const AVFrame& frame) {
    if (!m_converter || m_rate != frame.sample_rate || m_format != frame.format ||
        av_channel_layout_compare(&m_layout, &frame.ch_layout) != 0) {
        av_channel_layout_uninit(&m_layout);
        m_converter.reset();
        m_format = -1;
        if (av_channel_layout_copy(&m_layout, &frame.ch_layout) < 0) {
            return AVERROR(ENOMEM);
        }
        SwrContext* raw = nullptr;
        if (swr_alloc_set_opts2(&raw, &m_layout, AV_SAMPLE_FMT_FLT, frame.sample_rate, &m_layout,
                                static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0,
                                nullptr) < 0 ||
            swr_init(raw) < 0) {
            swr_free(&raw);
            return AVERROR(EINVAL);
        }
        m_converter.reset(raw);
        m_rate = frame.sample_rate;
        m_format = frame.format;
    }
    m_samples.resize(static_cast<std::size_t>(frame.nb_samples + 64) *
                     static_cast<std::size_t>(frame.ch_layout.nb_channels));
    auto* out = reinterpret_cast<std::uint8_t*>(m_samples.data());
    return swr_convert(m_converter.get(), &out, frame.nb_samples + 64,
                       const_cast<const std::uint8_t**>(frame.extended_data), frame.nb_samples);
}

int ReadSound(const std::string& path, int soundTrack, const SoundOpened& opened,
              const SoundBlock& block, const std::atomic<bool>* stop) {
    SourceMedia source;
    if (int ret = OpenSourceFile(path, source, nullptr, true); ret < 0) {
        return AVERROR_INVALIDDATA;
    }
    if (!PickStreams(source, soundTrack) || source.audioIndex < 0) {
        return AVERROR_STREAM_NOT_FOUND;
    }
    AVFormatContext* input = source.input.get();
    if (opened) {
        opened(input->duration > 0 ? static_cast<double>(input->duration) / AV_TIME_BASE : 0.0,
               *input);
    }
    if (int ret = OpenStreamDecoder(path, input, source.audioIndex, source.audioDecoder, 1);
        ret < 0) {
        return AVERROR_DECODER_NOT_FOUND;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard =
            static_cast<int>(i) == source.audioIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    AVCodecContext* decoder = source.audioDecoder.get();
    const AVStream* stream = input->streams[source.audioIndex];
    const double origin = input->start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(input->start_time) / AV_TIME_BASE
                              : 0.0;
    FloatSamples floats;
    PacketPtr packet(av_packet_alloc());
    FramePtr frame(av_frame_alloc());
    if (!packet || !frame) {
        return AVERROR(ENOMEM);
    }
    int ret = 0;
    bool ending = false;
    while (!ending && (stop == nullptr || !stop->load(std::memory_order_acquire))) {
        ret = av_read_frame(input, packet.get());
        if (ret < 0) {
            ret = ret == AVERROR_EOF ? 0 : ret;
            break;
        }
        const bool ours = packet->stream_index == source.audioIndex;
        const int sent = ours ? avcodec_send_packet(decoder, packet.get()) : -1;
        av_packet_unref(packet.get());
        if (sent < 0) {
            continue;  // another stream's, or a packet that does not decode
        }
        double seekTo = -1.0;
        while (!ending && avcodec_receive_frame(decoder, frame.get()) >= 0) {
            const int channels = frame->ch_layout.nb_channels;
            const int got = floats.Convert(*frame);
            if (got < 0) {
                return got;
            }
            const std::int64_t pts = frame->best_effort_timestamp;
            const double start =
                pts != AV_NOPTS_VALUE ? pts * av_q2d(stream->time_base) - origin : -1.0;
            if (got > 0 && frame->sample_rate > 0) {
                const SoundReadStep step =
                    block(floats.Data(), got, channels, frame->sample_rate, start);
                ending = step.stop;
                seekTo = step.seekTo;
            }
            av_frame_unref(frame.get());
        }
        if (seekTo >= 0.0 && !ending) {
            const auto target =
                static_cast<std::int64_t>((seekTo + origin) / av_q2d(stream->time_base));
            av_seek_frame(input, source.audioIndex, target, AVSEEK_FLAG_BACKWARD);
            avcodec_flush_buffers(decoder);
        }
    }
    return ret;
}

}  // namespace tolvane

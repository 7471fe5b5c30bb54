#include "SoundEnvelope.h"

#include <algorithm>
#include <cmath>

#include "FFmpegHandles.h"
#include "OutputTags.h"

extern "C" {
#include <libswresample/swresample.h>
}

namespace tolvane {

namespace {

// Up to this length every sample is read; a longer recording reads this much of each column.
constexpr double kReadWholeSeconds = 20 * 60.0;
constexpr double kSampledSecondsPerColumn = 1.0;

}  // namespace

SoundEnvelope::SoundEnvelope(const std::string& path, int columns)
    : m_columns(std::max(columns, 1)),
      m_peaks(static_cast<std::size_t>(m_columns), -1.0f),
      m_reader([this, path] { Read(path); }) {}

SoundEnvelope::~SoundEnvelope() {
    m_stop.store(true, std::memory_order_release);
    if (m_reader.joinable()) {
        m_reader.join();
    }
}

std::vector<float> SoundEnvelope::Peaks() const {
    const std::lock_guard lock(m_mutex);
    return m_peaks;
}

std::vector<ChapterMark> SoundEnvelope::Chapters() const {
    const std::lock_guard lock(m_mutex);
    return m_chapters;
}

void SoundEnvelope::NoteSamples(const float* samples, int count, double start, double perSample) {
    const double seconds = m_seconds.load(std::memory_order_relaxed);
    const std::lock_guard lock(m_mutex);
    for (int i = 0; i < count; ++i) {
        const double at = start + i * perSample;
        const int column = std::clamp(static_cast<int>(at / seconds * m_columns), 0, m_columns - 1);
        float& peak = m_peaks[static_cast<std::size_t>(column)];
        const float level = std::isfinite(samples[i]) ? std::min(std::abs(samples[i]), 1.0f) : 0.0f;
        peak = std::max(peak, level);
    }
}

void SoundEnvelope::Read(const std::string& path) {
    SourceMedia source;
    if (OpenSourceFile(path, source, nullptr, true) < 0) {
        m_done.store(true, std::memory_order_release);
        return;
    }
    PickLastStreams(source);
    AVFormatContext* input = source.input.get();
    const double seconds =
        input->duration > 0 ? static_cast<double>(input->duration) / AV_TIME_BASE : 0.0;
    {
        const std::lock_guard lock(m_mutex);
        m_chapters = ChaptersOf(*input);
    }
    m_seconds.store(seconds, std::memory_order_release);
    if (source.audioIndex < 0 || seconds <= 0.0 ||
        OpenStreamDecoder(path, input, source.audioIndex, source.audioDecoder, 1) < 0) {
        m_done.store(true, std::memory_order_release);
        return;
    }
    // Only the sound is read: the rest of the file is skipped by the demuxer.
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard =
            static_cast<int>(i) == source.audioIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    AVCodecContext* decoder = source.audioDecoder.get();
    const AVStream* stream = input->streams[source.audioIndex];
    const double origin = input->start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(input->start_time) / AV_TIME_BASE
                              : 0.0;
    const bool sampled = seconds > kReadWholeSeconds;
    const double columnSeconds = seconds / m_columns;

    // Every frame as mono floats, whatever the decoder gives.
    SwrContext* raw = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    if (swr_alloc_set_opts2(&raw, &mono, AV_SAMPLE_FMT_FLT, decoder->sample_rate,
                            &decoder->ch_layout, decoder->sample_fmt, decoder->sample_rate, 0,
                            nullptr) < 0 ||
        swr_init(raw) < 0) {
        swr_free(&raw);
        m_done.store(true, std::memory_order_release);
        return;
    }
    const SwrPtr mixer(raw);
    PacketPtr packet(av_packet_alloc());
    FramePtr frame(av_frame_alloc());
    std::vector<float> samples;
    int column = 0;  // sampled: the column being read
    while (!m_stop.load(std::memory_order_acquire) && packet && frame) {
        if (sampled && column >= m_columns) {
            break;
        }
        const int read = av_read_frame(input, packet.get());
        if (read < 0) {
            break;
        }
        if (packet->stream_index != source.audioIndex ||
            avcodec_send_packet(decoder, packet.get()) < 0) {
            av_packet_unref(packet.get());
            continue;
        }
        av_packet_unref(packet.get());
        bool columnRead = false;
        while (avcodec_receive_frame(decoder, frame.get()) >= 0) {
            const std::int64_t pts = frame->best_effort_timestamp;
            const double start =
                pts != AV_NOPTS_VALUE ? pts * av_q2d(stream->time_base) - origin : 0.0;
            samples.resize(static_cast<std::size_t>(frame->nb_samples) + 256);
            auto* out = reinterpret_cast<std::uint8_t*>(samples.data());
            const int got = swr_convert(mixer.get(), &out, static_cast<int>(samples.size()),
                                        const_cast<const std::uint8_t**>(frame->extended_data),
                                        frame->nb_samples);
            if (got > 0 && frame->sample_rate > 0) {
                NoteSamples(samples.data(), got, start, 1.0 / frame->sample_rate);
            }
            if (sampled && start >= (column + 0.0) * columnSeconds + kSampledSecondsPerColumn) {
                columnRead = true;
            }
            av_frame_unref(frame.get());
        }
        if (columnRead) {
            // The next column's first second.
            ++column;
            const auto target = static_cast<std::int64_t>((column * columnSeconds + origin) /
                                                          av_q2d(stream->time_base));
            av_seek_frame(input, source.audioIndex, target, AVSEEK_FLAG_BACKWARD);
            avcodec_flush_buffers(decoder);
        }
    }
    m_done.store(true, std::memory_order_release);
}

}  // namespace tolvane

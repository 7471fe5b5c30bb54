#include "MixLoudness.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "FFmpegHandles.h"
#include "Messages.h"

namespace tolvane {

namespace {

// What is read of the mix: the source, a decoder for each mixed track, the mixer, the measure.
class MixMeasure final {
public:
    MixMeasure(const TrackMix& mix, const std::vector<TrackMixer::Track>& levels, double start,
               double length, bool toEnd, SoundChange* change)
        : m_mix(mix),
          m_levels(levels),
          m_start(start),
          m_end(start + length),
          m_toEnd(toEnd),
          m_change(change) {}

    LoudnessFacts Run(const std::string& path, const std::atomic<bool>* stop);

private:
    bool OpenTracks(const std::string& path);
    void Decode(std::size_t track, const AVPacket* packet);
    void TakeMixed();
    void Feed(const float* interleaved, int frames);
    bool PastTheEnd() const;

    const TrackMix& m_mix;
    const std::vector<TrackMixer::Track>& m_levels;
    double m_start;
    double m_end;
    bool m_toEnd;
    SoundChange* m_change;
    SourceMedia m_source;
    std::vector<int> m_streams;
    std::vector<CodecContextPtr> m_decoders;
    std::unique_ptr<TrackMixer> m_mixer;
    FramePtr m_frame{av_frame_alloc()};
    FramePtr m_mixed{av_frame_alloc()};
    LoudnessSum m_sum;
    std::vector<float> m_interleaved;
    std::vector<float> m_changed;
    int m_channels = 0;  // of the mix
    int m_rate = 0;
    std::int64_t m_reached = 0;  // the position (at the mix's rate) of the next sample mixed
    bool m_failed = false;
};

bool MixMeasure::OpenTracks(const std::string& path) {
    if (OpenSourceFile(path, m_source, nullptr, true) < 0) {
        return false;
    }
    for (const int number : m_mix.tracks) {
        const int stream = SoundTrackStream(m_source.input.get(), number);
        CodecContextPtr decoder;
        if (stream < 0 || OpenStreamDecoder(path, m_source.input.get(), stream, decoder, 1) < 0) {
            return false;
        }
        m_streams.push_back(stream);
        m_decoders.push_back(std::move(decoder));
    }
    return !m_streams.empty() && m_frame && m_mixed;
}

void MixMeasure::Decode(std::size_t track, const AVPacket* packet) {
    AVCodecContext* decoder = m_decoders[track].get();
    if (avcodec_send_packet(decoder, packet) < 0 && packet != nullptr) {
        return;  // a damaged packet: the conversion skips it too
    }
    while (!m_failed && avcodec_receive_frame(decoder, m_frame.get()) >= 0) {
        if (!m_mixer) {
            // As the conversion mixes: at the first track's rate and in its channels.
            m_mixer =
                TrackMixer::ForFirstTrack(m_levels, *m_decoders.front(), *m_frame, m_mix.duckDb);
        }
        const AVFormatContext& input = *m_source.input;
        const std::int64_t pts = m_frame->best_effort_timestamp;
        const double origin = input.start_time != AV_NOPTS_VALUE
                                  ? static_cast<double>(input.start_time) / AV_TIME_BASE
                                  : 0.0;
        const double seconds =
            pts == AV_NOPTS_VALUE
                ? 0.0
                : static_cast<double>(pts) * av_q2d(input.streams[m_streams[track]]->time_base) -
                      origin;
        const std::int64_t position = std::llround(std::max(seconds, 0.0) * m_mixer->Rate());
        m_failed = m_mixer->Add(track, *m_frame, position) < 0;
        av_frame_unref(m_frame.get());
        TakeMixed();
    }
}

void MixMeasure::TakeMixed() {
    std::int64_t position = 0;
    while (!m_failed && m_mixer && m_mixer->Take(*m_mixed, position)) {
        const AVFrame& mixed = *m_mixed;
        const int rate = mixed.sample_rate;
        const int channels = mixed.ch_layout.nb_channels;
        // Only the clip counts.
        const auto from = static_cast<int>(
            std::clamp<std::int64_t>(std::llround(m_start * rate) - position, 0, mixed.nb_samples));
        int to = mixed.nb_samples;
        if (!m_toEnd) {
            to = static_cast<int>(std::clamp<std::int64_t>(std::llround(m_end * rate) - position, 0,
                                                           mixed.nb_samples));
        }
        m_reached = position + mixed.nb_samples;
        m_channels = channels;
        m_rate = rate;
        if (to <= from) {
            continue;
        }
        m_interleaved.resize(static_cast<std::size_t>(to - from) *
                             static_cast<std::size_t>(channels));
        for (int c = 0; c < channels; ++c) {
            const auto* plane = reinterpret_cast<const float*>(mixed.extended_data[c]);
            for (int i = from; i < to; ++i) {
                m_interleaved[static_cast<std::size_t>(i - from) *
                                  static_cast<std::size_t>(channels) +
                              static_cast<std::size_t>(c)] = plane[i];
            }
        }
        if (m_change != nullptr) {
            m_changed.clear();
            m_change->Change(m_interleaved.data(), to - from, channels, rate, m_changed);
            Feed(m_changed.data(), static_cast<int>(m_changed.size() / channels));
        } else {
            Feed(m_interleaved.data(), to - from);
        }
    }
}

void MixMeasure::Feed(const float* interleaved, int frames) {
    if (frames > 0 && !m_sum.Add(interleaved, frames, m_channels, m_rate)) {
        m_failed = true;
    }
}

bool MixMeasure::PastTheEnd() const {
    return !m_toEnd && m_mixer && m_reached >= std::llround(m_end * m_mixer->Rate());
}

LoudnessFacts MixMeasure::Run(const std::string& path, const std::atomic<bool>* stop) {
    LoudnessFacts failed;
    if (!OpenTracks(path)) {
        failed.failure = QT_TRANSLATE_NOOP("Messages", "cannot read the mixed sound tracks");
        return failed;
    }
    AVFormatContext* input = m_source.input.get();
    // A far start: one jump, a second early (the decoders settle); the timestamps place the rest.
    if (m_start > 30.0) {
        avformat_seek_file(input, -1, INT64_MIN,
                           static_cast<std::int64_t>((m_start - 1.0) * AV_TIME_BASE), INT64_MAX, 0);
    }
    PacketPtr packet(av_packet_alloc());
    while (!m_failed && !PastTheEnd() && av_read_frame(input, packet.get()) >= 0) {
        if (stop != nullptr && stop->load()) {
            failed.failure = QT_TRANSLATE_NOOP("Messages", "stopped");
            return failed;
        }
        const auto at = std::find(m_streams.begin(), m_streams.end(), packet->stream_index);
        if (at != m_streams.end()) {
            Decode(static_cast<std::size_t>(at - m_streams.begin()), packet.get());
        }
        av_packet_unref(packet.get());
    }
    // The end: what the decoders and the mixer still hold.
    for (std::size_t t = 0; t < m_decoders.size() && !m_failed; ++t) {
        Decode(t, nullptr);
        if (m_mixer) {
            m_mixer->End(t);
        }
    }
    TakeMixed();
    if (m_change != nullptr && !m_failed && m_channels > 0) {
        m_changed.clear();
        m_change->End(m_changed);
        Feed(m_changed.data(), static_cast<int>(m_changed.size() / m_channels));
    }
    if (m_failed) {
        failed.failure = QT_TRANSLATE_NOOP("Messages", "cannot mix the sound tracks");
        return failed;
    }
    return m_sum.Facts();
}

}  // namespace

MixLevels LevelsOfMix(const std::string& path, const TrackMix& mix, double start, double length,
                      bool toEnd, const std::atomic<bool>* stop) {
    MixLevels result;
    std::vector<double> loudness(mix.tracks.size(), 0.0);
    const int voice = mix.voice;
    if (voice > 0) {
        for (std::size_t i = 0; i < mix.tracks.size(); ++i) {
            const LoudnessFacts facts =
                MeasureLoudness(path, mix.tracks[i], start, length, toEnd, stop, true);
            if (!facts.measured) {
                result.failure = facts.failure;
                return result;
            }
            loudness[i] = facts.integrated;
        }
    }
    const auto at = std::find(mix.tracks.begin(), mix.tracks.end(), voice);
    const double voiceLoudness =
        at != mix.tracks.end() ? loudness[static_cast<std::size_t>(at - mix.tracks.begin())] : 0.0;
    for (std::size_t i = 0; i < mix.tracks.size(); ++i) {
        double db = mix.gainsDb.size() > i ? mix.gainsDb[i] : 0.0;
        const bool isVoice = mix.tracks[i] == voice;
        if (voice > 0 && !isVoice && std::isfinite(loudness[i]) && std::isfinite(voiceLoudness)) {
            db += voiceLoudness - mix.voiceLu - loudness[i];
        }
        result.levels.push_back({std::pow(10.0, db / 20.0), isVoice});
    }
    return result;
}

LoudnessFacts MeasureMixLoudness(const std::string& path, const TrackMix& mix,
                                 const std::vector<TrackMixer::Track>& levels, double start,
                                 double length, bool toEnd, const std::atomic<bool>* stop,
                                 SoundChange* change) {
    MixMeasure measure(mix, levels, start, length, toEnd, change);
    return measure.Run(path, stop);
}

}  // namespace tolvane

#include "SoundShaper.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cmath>
#include <numbers>

#include "FFmpegHandles.h"

namespace tolvane {

namespace {

struct GraphDeleter {
    void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
using GraphPtr = std::unique_ptr<AVFilterGraph, GraphDeleter>;

// Seconds as a count of samples at `rate`.
std::int64_t SamplesOf(double seconds, int rate) {
    return std::max<std::int64_t>(0, std::llround(seconds * rate));
}

void AppendPlanes(const Planes& from, std::size_t offset, std::size_t count, Planes& to) {
    to.resize(from.size());
    for (std::size_t c = 0; c < from.size(); ++c) {
        const auto begin = from[c].begin() + static_cast<std::ptrdiff_t>(offset);
        to[c].insert(to[c].end(), begin, begin + static_cast<std::ptrdiff_t>(count));
    }
}

}  // namespace

// FFmpeg's atempo (WSOLA) over one piece: planar floats in, planar floats out. Chosen over
// Rubber Band: on a steady chord it leaves -66 dB of sound between the partials against -48 dB,
// and it is some eighteen times faster.
class TempoStage final {
public:
    TempoStage(double tempo, int channels, int rate) : m_channels(channels), m_rate(rate) {
        m_open = Open(tempo);
    }

    int Opened() const { return m_open; }

    // `count` samples of each plane; none (null planes) ends the piece.
    int Push(const float* const* planes, int count) {
        if (planes == nullptr) {
            return av_buffersrc_add_frame(m_source, nullptr);
        }
        AVFrame* frame = m_in.get();
        av_frame_unref(frame);
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = m_rate;
        frame->nb_samples = count;
        av_channel_layout_default(&frame->ch_layout, m_channels);
        int ret = av_frame_get_buffer(frame, 0);
        if (ret < 0) {
            return ret;
        }
        for (int c = 0; c < m_channels; ++c) {
            std::copy(planes[c], planes[c] + count,
                      reinterpret_cast<float*>(frame->extended_data[c]));
        }
        frame->pts = m_pts;
        m_pts += count;
        ret = av_buffersrc_add_frame(m_source, frame);
        return ret;
    }

    // Appends every sample the filter has ready to `out`.
    int Pull(Planes& out) {
        out.resize(static_cast<std::size_t>(m_channels));
        AVFrame* frame = m_out.get();
        for (;;) {
            const int ret = av_buffersink_get_frame(m_sink, frame);
            if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
                return 0;
            }
            if (ret < 0) {
                return ret;
            }
            for (int c = 0; c < m_channels; ++c) {
                const auto* plane = reinterpret_cast<const float*>(frame->extended_data[c]);
                out[static_cast<std::size_t>(c)].insert(out[static_cast<std::size_t>(c)].end(),
                                                        plane, plane + frame->nb_samples);
            }
            av_frame_unref(frame);
        }
    }

private:
    int Open(double tempo) {
        m_in.reset(av_frame_alloc());
        m_out.reset(av_frame_alloc());
        m_graph.reset(avfilter_graph_alloc());
        if (!m_in || !m_out || !m_graph) {
            return AVERROR(ENOMEM);
        }
        m_graph->nb_threads = 1;
        // Numbers set as numbers: a text would be read in the locale of the process.
        AVChannelLayout layout{};
        av_channel_layout_default(&layout, m_channels);
        char layoutText[64] = {};
        av_channel_layout_describe(&layout, layoutText, sizeof layoutText);
        av_channel_layout_uninit(&layout);
        m_source =
            avfilter_graph_alloc_filter(m_graph.get(), avfilter_get_by_name("abuffer"), "in");
        AVFilterContext* stretch =
            avfilter_graph_alloc_filter(m_graph.get(), avfilter_get_by_name("atempo"), "tempo");
        m_sink =
            avfilter_graph_alloc_filter(m_graph.get(), avfilter_get_by_name("abuffersink"), "out");
        if (m_source == nullptr || stretch == nullptr || m_sink == nullptr) {
            return AVERROR_FILTER_NOT_FOUND;
        }
        int ret = av_opt_set(m_source, "channel_layout", layoutText, AV_OPT_SEARCH_CHILDREN);
        if (ret >= 0) {
            ret = av_opt_set_sample_fmt(m_source, "sample_fmt", AV_SAMPLE_FMT_FLTP,
                                        AV_OPT_SEARCH_CHILDREN);
        }
        if (ret >= 0) {
            ret = av_opt_set_int(m_source, "sample_rate", m_rate, AV_OPT_SEARCH_CHILDREN);
        }
        if (ret >= 0) {
            ret =
                av_opt_set_q(m_source, "time_base", AVRational{1, m_rate}, AV_OPT_SEARCH_CHILDREN);
        }
        if (ret >= 0) {
            ret = avfilter_init_str(m_source, nullptr);
        }
        if (ret >= 0) {
            ret = av_opt_set_double(stretch, "tempo", tempo, AV_OPT_SEARCH_CHILDREN);
        }
        if (ret >= 0) {
            ret = avfilter_init_str(stretch, nullptr);
        }
        if (ret >= 0) {
            const AVSampleFormat formats[] = {AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_NONE};
            ret = av_opt_set_int_list(m_sink, "sample_fmts", formats, AV_SAMPLE_FMT_NONE,
                                      AV_OPT_SEARCH_CHILDREN);
        }
        if (ret >= 0) {
            ret = avfilter_init_str(m_sink, nullptr);
        }
        if (ret >= 0) {
            ret = avfilter_link(m_source, 0, stretch, 0);
        }
        if (ret >= 0) {
            ret = avfilter_link(stretch, 0, m_sink, 0);
        }
        if (ret >= 0) {
            ret = avfilter_graph_config(m_graph.get(), nullptr);
        }
        return ret;
    }

    int m_channels;
    int m_rate;
    int m_open = 0;
    GraphPtr m_graph;
    AVFilterContext* m_source = nullptr;  // owned by m_graph
    AVFilterContext* m_sink = nullptr;
    FramePtr m_in;
    FramePtr m_out;
    std::int64_t m_pts = 0;
};

// Night mode's compression: one gain for all channels that follows the sound's level slowly,
// pulling loud passages down and lifting quiet ones (a third of each decibel away from the
// middle level is kept), never lifting what is near silence. The limiter after it takes the
// peaks its attack lets through.
class NightStage final {
public:
    explicit NightStage(int rate) {
        const double blocksPerSecond = static_cast<double>(rate) / kBlock;
        const auto coefficient = [blocksPerSecond](double seconds) {
            return 1.0 - std::exp(-1.0 / (seconds * blocksPerSecond));
        };
        m_levelRise = coefficient(0.010);
        m_levelFall = coefficient(0.400);
        m_gainFall = coefficient(0.005);
        m_gainRise = coefficient(0.250);
    }

    void Process(Planes& planes, std::size_t offset, std::size_t count) {
        const std::size_t channels = planes.size();
        for (std::size_t at = 0; at < count; at += kBlock) {
            const std::size_t n = std::min<std::size_t>(kBlock, count - at);
            double power = 0.0;
            for (std::size_t c = 0; c < channels; ++c) {
                const float* x = planes[c].data() + offset + at;
                for (std::size_t i = 0; i < n; ++i) {
                    power += static_cast<double>(x[i]) * x[i];
                }
            }
            power /= static_cast<double>(n * std::max<std::size_t>(channels, 1));
            m_level += (power - m_level) * (power > m_level ? m_levelRise : m_levelFall);
            const double levelDb = 10.0 * std::log10(m_level + 1e-12);
            double wantDb = (kMiddleDb - levelDb) * (1.0 - 1.0 / kRatio);
            if (wantDb > 0.0) {
                // Near silence is left where it is: hiss is not lifted.
                wantDb *= std::clamp((levelDb - kQuietDb) / 20.0, 0.0, 1.0);
            }
            wantDb = std::clamp(wantDb, -kMostCutDb, kMostLiftDb);
            m_gainDb += (wantDb - m_gainDb) * (wantDb < m_gainDb ? m_gainFall : m_gainRise);
            const double to = std::pow(10.0, m_gainDb / 20.0);
            // Across the block from the last gain to this one: no step.
            const double from = m_gain;
            for (std::size_t c = 0; c < channels; ++c) {
                float* x = planes[c].data() + offset + at;
                for (std::size_t i = 0; i < n; ++i) {
                    const double g = from + (to - from) * static_cast<double>(i + 1) / n;
                    x[i] = static_cast<float>(x[i] * g);
                }
            }
            m_gain = to;
        }
    }

private:
    static constexpr std::size_t kBlock = 32;
    static constexpr double kMiddleDb = -20.0;  // mean square of full scale
    static constexpr double kRatio = 3.0;
    static constexpr double kQuietDb = -70.0;  // no lift at all under it, full lift 20 dB over
    static constexpr double kMostCutDb = 30.0;
    static constexpr double kMostLiftDb = 15.0;
    double m_levelRise;
    double m_levelFall;
    double m_gainFall;
    double m_gainRise;
    double m_level = 0.0;
    double m_gainDb = 0.0;
    double m_gain = 1.0;
};

SoundShaper::SoundShaper(const ListenShape& shape, int channels, int rate)
    : m_shape(shape),
      m_channels(std::max(channels, 1)),
      m_rate(std::max(rate, 1)),
      m_fadeIn(SamplesOf(shape.fadeIn, rate)),
      m_fadeOut(SamplesOf(shape.fadeOut, rate)),
      m_crossfade(SamplesOf(shape.crossfade, rate)),
      m_hold(std::max(m_fadeOut, m_crossfade)),
      m_held(static_cast<std::size_t>(m_channels)) {
    if (shape.night) {
        m_night = std::make_unique<NightStage>(m_rate);
        m_ceiling = std::pow(10.0, kNightCeilingDb / 20.0);
        m_limit = true;
    }
}

SoundShaper::~SoundShaper() = default;

void SoundShaper::SetGain(double gain, double ceiling, bool limit) {
    m_gain = gain;
    // Night mode's own ceiling stays when it is the lower.
    m_ceiling = m_night ? std::min(ceiling, m_ceiling) : ceiling;
    m_limit = limit || m_night != nullptr;
}

int SoundShaper::Process(const float* const* planes, int count, Planes& out) {
    if (count <= 0) {
        return 0;
    }
    if (m_shape.Tempo()) {
        if (!m_tempo) {
            m_tempo = std::make_unique<TempoStage>(m_shape.tempo, m_channels, m_rate);
        }
        if (m_tempo->Opened() < 0) {
            return m_tempo->Opened();
        }
        if (const int ret = m_tempo->Push(planes, count); ret < 0) {
            return ret;
        }
        m_pieceIn += count;
        return TakeFromTempo(out, false);
    }
    m_block.resize(static_cast<std::size_t>(m_channels));
    for (int c = 0; c < m_channels; ++c) {
        m_block[static_cast<std::size_t>(c)].assign(planes[c], planes[c] + count);
    }
    Shape(m_block, count, out);
    return 0;
}

int SoundShaper::TakeFromTempo(Planes& out, bool ending) {
    for (std::vector<float>& plane : m_block) {
        plane.clear();
    }
    if (const int ret = m_tempo->Pull(m_block); ret < 0) {
        return ret;
    }
    // The piece is llround(in / tempo) samples long: what the filter makes past that is
    // dropped, and what it falls short by at the end is made up with its last samples faded.
    const std::int64_t target = std::llround(static_cast<double>(m_pieceIn) / m_shape.tempo);
    auto count = static_cast<std::int64_t>(m_block[0].size());
    count = std::min(count, std::max<std::int64_t>(0, target - m_pieceOut));
    if (ending && m_pieceOut + count < target) {
        const std::int64_t missing = target - m_pieceOut - count;
        for (std::vector<float>& plane : m_block) {
            plane.resize(static_cast<std::size_t>(count));
            const float last = plane.empty() ? 0.0f : plane.back();
            for (std::int64_t i = 0; i < missing; ++i) {
                plane.push_back(last * static_cast<float>(missing - i - 1) /
                                static_cast<float>(missing));
            }
        }
        count += missing;
    }
    m_pieceOut += count;
    Shape(m_block, static_cast<int>(count), out);
    return 0;
}

void SoundShaper::Shape(Planes& block, int count, Planes& out) {
    if (count <= 0) {
        return;
    }
    if (m_night) {
        m_night->Process(block, 0, static_cast<std::size_t>(count));
    }
    if (m_limit) {
        if (!m_limiter) {
            // A look-ahead of 5 ms.
            m_limiter = std::make_unique<GainStage>(m_channels, m_gain, m_ceiling,
                                                    std::max(1, m_rate / 200));
        }
        std::vector<const float*> planes;
        for (const std::vector<float>& plane : block) {
            planes.push_back(plane.data());
        }
        m_limiter->Process(planes.data(), count, m_gained);
        if (!m_gained.empty()) {
            ToEnds(m_gained, 0, static_cast<int>(m_gained[0].size()), out);
            for (std::vector<float>& plane : m_gained) {
                plane.clear();
            }
        }
        return;
    }
    if (m_gain != 1.0) {
        const auto gain = static_cast<float>(m_gain);
        for (std::vector<float>& plane : block) {
            for (int i = 0; i < count; ++i) {
                plane[static_cast<std::size_t>(i)] *= gain;
            }
        }
    }
    ToEnds(block, 0, count, out);
}

void SoundShaper::ToEnds(const Planes& block, int offset, int count, Planes& out) {
    if (count <= 0) {
        return;
    }
    if (m_pieceStarts.empty()) {
        m_pieceStarts.push_back(0);
    }
    if (m_joinPending) {
        m_joinPending = false;
        const auto held = static_cast<std::int64_t>(m_held[0].size() - m_heldFront);
        const std::int64_t overlap = std::min(m_crossfade, held);
        m_mixAt = m_length - overlap;
        m_mixLength = overlap;
        m_mixDone = 0;
        m_pieceStarts.push_back(m_length - overlap + overlap / 2);
    }
    // Over a crossfade: the held end of the last file fades out (a quarter of a cosine) as
    // this one fades in (a quarter of a sine): the power stays, and neither jumps.
    const double quarter = std::numbers::pi / 2.0;
    while (m_mixDone < m_mixLength && count > 0) {
        const double t = (static_cast<double>(m_mixDone) + 0.5) / static_cast<double>(m_mixLength);
        const auto out_ = static_cast<float>(std::cos(quarter * t));
        const auto in = static_cast<float>(std::sin(quarter * t));
        const std::size_t at =
            m_heldFront + static_cast<std::size_t>(m_mixAt + m_mixDone - m_emitted);
        for (std::size_t c = 0; c < m_held.size(); ++c) {
            float& sample = m_held[c][at];
            sample = sample * out_ + block[c][static_cast<std::size_t>(offset)] * in;
        }
        ++m_mixDone;
        ++offset;
        --count;
    }
    if (count > 0) {
        AppendPlanes(block, static_cast<std::size_t>(offset), static_cast<std::size_t>(count),
                     m_held);
        m_length += count;
    }
    Emit(out, false);
}

void SoundShaper::EndMix() {
    // The next file was shorter than the crossfade: the rest of the last one fades out alone.
    const double quarter = std::numbers::pi / 2.0;
    for (; m_mixDone < m_mixLength; ++m_mixDone) {
        const double t = (static_cast<double>(m_mixDone) + 0.5) / static_cast<double>(m_mixLength);
        const auto gain = static_cast<float>(std::cos(quarter * t));
        const std::size_t at =
            m_heldFront + static_cast<std::size_t>(m_mixAt + m_mixDone - m_emitted);
        for (std::vector<float>& plane : m_held) {
            plane[at] *= gain;
        }
    }
    m_mixLength = 0;
    m_mixDone = 0;
}

void SoundShaper::Emit(Planes& out, bool all) {
    const auto held = static_cast<std::int64_t>(m_held[0].size() - m_heldFront);
    // Nothing of a crossfade under way leaves before it is whole.
    std::int64_t count = all ? held : held - m_hold;
    if (m_mixDone < m_mixLength) {
        count = std::min(count, m_mixAt - m_emitted);
    }
    if (count <= 0) {
        return;
    }
    const std::size_t start = out.empty() ? 0 : out[0].size();
    AppendPlanes(m_held, m_heldFront, static_cast<std::size_t>(count), out);
    // The fade in: half a cosine from silence, no step and no kink at its start.
    for (std::int64_t i = 0; i < count && m_emitted + i < m_fadeIn; ++i) {
        const double phase =
            std::numbers::pi * static_cast<double>(m_emitted + i) / static_cast<double>(m_fadeIn);
        const auto gain = static_cast<float>(0.5 - 0.5 * std::cos(phase));
        for (std::vector<float>& plane : out) {
            plane[start + static_cast<std::size_t>(i)] *= gain;
        }
    }
    m_heldFront += static_cast<std::size_t>(count);
    m_emitted += count;
    if (m_heldFront > 65536 && m_heldFront * 2 > m_held[0].size()) {
        for (std::vector<float>& plane : m_held) {
            plane.erase(plane.begin(), plane.begin() + static_cast<std::ptrdiff_t>(m_heldFront));
        }
        m_heldFront = 0;
    }
}

int SoundShaper::EndPiece(Planes& out) {
    if (m_tempo) {
        int ret = m_tempo->Opened() < 0 ? m_tempo->Opened() : m_tempo->Push(nullptr, 0);
        if (ret >= 0) {
            ret = TakeFromTempo(out, true);
        }
        m_tempo.reset();  // the next piece has a filter of its own
        m_pieceIn = 0;
        m_pieceOut = 0;
        if (ret < 0) {
            return ret;
        }
    }
    if (m_limiter) {
        m_limiter->Flush(m_gained);
        m_limiter.reset();
        if (!m_gained.empty()) {
            ToEnds(m_gained, 0, static_cast<int>(m_gained[0].size()), out);
            for (std::vector<float>& plane : m_gained) {
                plane.clear();
            }
        }
    }
    EndMix();
    m_joinPending = m_length > 0;
    return 0;
}

int SoundShaper::Finish(Planes& out) {
    const int ret = EndPiece(out);
    m_joinPending = false;
    // The fade out: half a cosine down to silence over the last samples.
    const auto held = static_cast<std::int64_t>(m_held[0].size() - m_heldFront);
    const std::int64_t fade = std::min(m_fadeOut, held);
    for (std::int64_t k = 0; k < fade; ++k) {
        const double phase =
            std::numbers::pi * static_cast<double>(k + 1) / static_cast<double>(fade);
        const auto gain = static_cast<float>(0.5 + 0.5 * std::cos(phase));
        const std::size_t at = m_held[0].size() - static_cast<std::size_t>(fade - k);
        for (std::vector<float>& plane : m_held) {
            plane[at] *= gain;
        }
    }
    Emit(out, true);
    return ret;
}

ShapedMeasure::ShapedMeasure(const ListenShape& shape) : m_shape(shape) {
    // Fades change the loudness of a few seconds only, and a crossfade belongs to a merge.
    m_shape.fadeIn = 0.0;
    m_shape.fadeOut = 0.0;
    m_shape.crossfade = 0.0;
}

ShapedMeasure::~ShapedMeasure() = default;

void ShapedMeasure::Change(const float* samples, int frames, int channels, int rate,
                           std::vector<float>& out) {
    if (!m_shaper || channels != m_channels) {
        m_shaper = std::make_unique<SoundShaper>(m_shape, channels, rate);
        m_channels = channels;
    }
    m_in.assign(static_cast<std::size_t>(channels), {});
    for (int c = 0; c < channels; ++c) {
        std::vector<float>& plane = m_in[static_cast<std::size_t>(c)];
        plane.resize(static_cast<std::size_t>(frames));
        for (int i = 0; i < frames; ++i) {
            plane[static_cast<std::size_t>(i)] =
                samples[static_cast<std::size_t>(i) * static_cast<std::size_t>(channels) +
                        static_cast<std::size_t>(c)];
        }
    }
    std::vector<const float*> planes;
    for (const std::vector<float>& plane : m_in) {
        planes.push_back(plane.data());
    }
    // A filter that fails measures as silence after it: the run's own stage reports it.
    if (m_shaper->Process(planes.data(), frames, m_out) < 0) {
        m_out.clear();
    }
    Interleave(out);
}

void ShapedMeasure::End(std::vector<float>& out) {
    if (m_shaper) {
        m_shaper->Finish(m_out);
        Interleave(out);
    }
}

void ShapedMeasure::Interleave(std::vector<float>& out) {
    if (m_out.empty() || m_out[0].empty()) {
        return;
    }
    const std::size_t frames = m_out[0].size();
    const std::size_t channels = m_out.size();
    const std::size_t base = out.size();
    out.resize(base + frames * channels);
    for (std::size_t c = 0; c < channels; ++c) {
        for (std::size_t i = 0; i < frames; ++i) {
            out[base + i * channels + c] = m_out[c][i];
        }
    }
    for (std::vector<float>& plane : m_out) {
        plane.clear();
    }
}

}  // namespace tolvane

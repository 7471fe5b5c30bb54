#include "TrackMixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvane {

namespace {

// A track may lag the one ahead by this much before its missing sound counts as silence (a
// track without packets for a long stretch must not hold the whole mix in memory).
constexpr double kLongestWait = 10.0;
// The most samples one Take gives.
constexpr int kBlock = 4096;

}  // namespace

// One track's decoded sound, converted to the mix's format, from `start` on.
struct TrackMixer::Buffer {
    SwrPtr converter;
    int format = -1;
    int rate = 0;
    AVChannelLayout layout{};
    std::vector<std::vector<float>> planes;
    std::int64_t start = 0;  // the position of planes[.][0]
    std::int64_t next = 0;   // the position after the last sample
    bool started = false;
    bool ended = false;

    ~Buffer() { av_channel_layout_uninit(&layout); }
    std::int64_t Held() const {
        return planes.empty() ? 0 : static_cast<std::int64_t>(planes[0].size());
    }
};

TrackMixer::TrackMixer(std::vector<Track> tracks, int rate, const AVChannelLayout& layout,
                       double duckDb)
    : m_tracks(std::move(tracks)),
      m_rate(std::max(rate, 1)),
      m_channels(std::max(layout.nb_channels, 1)),
      m_duck(std::pow(10.0, -std::abs(duckDb) / 20.0)),
      // Full scale with a look-ahead of 5 ms.
      m_limiter(m_channels, 1.0, 1.0, std::max(1, m_rate / 200)) {
    av_channel_layout_copy(&m_layout, &layout);
    for (std::size_t i = 0; i < m_tracks.size(); ++i) {
        m_buffers.push_back(std::make_unique<Buffer>());
        m_buffers.back()->planes.assign(static_cast<std::size_t>(m_channels), {});
    }
}

TrackMixer::~TrackMixer() {
    av_channel_layout_uninit(&m_layout);
}

int TrackMixer::Add(std::size_t t, const AVFrame& frame, std::int64_t position) {
    Buffer& b = *m_buffers[t];
    if (b.ended || frame.nb_samples <= 0) {
        return 0;
    }
    if (!b.converter || b.format != frame.format || b.rate != frame.sample_rate ||
        av_channel_layout_compare(&b.layout, &frame.ch_layout) != 0) {
        // Into the mix's rate and channels as planar floats (mixed down as a fold-down would).
        SwrContext* raw = nullptr;
        AVChannelLayout in{};
        UsualLayout(frame.ch_layout, in);
        int ret = swr_alloc_set_opts2(&raw, &m_layout, AV_SAMPLE_FMT_FLTP, m_rate, &in,
                                      static_cast<AVSampleFormat>(frame.format), frame.sample_rate,
                                      0, nullptr);
        av_channel_layout_uninit(&in);
        if (ret >= 0) {
            ret = swr_init(raw);
        }
        if (ret < 0) {
            swr_free(&raw);
            return ret;
        }
        b.converter.reset(raw);
        b.format = frame.format;
        b.rate = frame.sample_rate;
        av_channel_layout_uninit(&b.layout);
        av_channel_layout_copy(&b.layout, &frame.ch_layout);
    }
    if (!b.started) {
        b.started = true;
        b.start = position;
        b.next = position;
        if (!m_started) {
            m_started = true;
            m_emitted = position;
            m_given = position;
        }
    }
    const int got =
        Convert(b, const_cast<const std::uint8_t**>(frame.extended_data), frame.nb_samples);
    return got < 0 ? got : 0;
}

int TrackMixer::Convert(Buffer& b, const std::uint8_t** planes, int count) const {
    // At the end of the buffer, as many samples as the converter gives (null planes: what it
    // still holds).
    const int capacity = swr_get_out_samples(b.converter.get(), count);
    if (capacity < 0) {
        return capacity;
    }
    const std::int64_t held = b.Held();
    std::vector<std::uint8_t*> out(static_cast<std::size_t>(m_channels));
    for (int c = 0; c < m_channels; ++c) {
        std::vector<float>& plane = b.planes[static_cast<std::size_t>(c)];
        plane.resize(static_cast<std::size_t>(held + capacity));
        out[static_cast<std::size_t>(c)] =
            reinterpret_cast<std::uint8_t*>(plane.data() + static_cast<std::size_t>(held));
    }
    const int got = capacity > 0 || planes != nullptr
                        ? swr_convert(b.converter.get(), out.data(), capacity, planes, count)
                        : 0;
    const int kept = std::max(got, 0);
    for (std::vector<float>& plane : b.planes) {
        plane.resize(static_cast<std::size_t>(held + kept));
    }
    b.next += kept;
    return got;
}

void TrackMixer::End(std::size_t t) {
    Buffer& b = *m_buffers[t];
    if (b.ended) {
        return;
    }
    if (b.converter) {
        Convert(b, nullptr, 0);  // what the converter still holds
    }
    b.ended = true;
}

std::int64_t TrackMixer::Ready() const {
    std::int64_t ahead = m_emitted;
    bool allEnded = true;
    for (const auto& b : m_buffers) {
        ahead = std::max(ahead, b->next);
        allEnded = allEnded && b->ended;
    }
    if (allEnded) {
        return ahead;
    }
    const auto wait = static_cast<std::int64_t>(kLongestWait * m_rate);
    std::int64_t ready = std::numeric_limits<std::int64_t>::max();
    for (const auto& b : m_buffers) {
        if (!b->ended) {
            ready = std::min(ready, std::max(b->started ? b->next : m_emitted, ahead - wait));
        }
    }
    return ready;
}

void TrackMixer::Duck(std::int64_t from, int count) {
    m_duckGains.assign(static_cast<std::size_t>(count), 1.0f);
    if (m_duck >= 1.0) {
        return;
    }
    const auto voice = static_cast<std::size_t>(
        std::find_if(m_tracks.begin(), m_tracks.end(), [](const Track& t) { return t.voice; }) -
        m_tracks.begin());
    if (voice >= m_buffers.size()) {
        return;
    }
    const Buffer& b = *m_buffers[voice];
    // In steps of 10 ms: speaking where the voice is over -40 dBFS; the others go down within
    // 30 ms, stay down 250 ms after it stops, and come back over 400 ms.
    const int step = std::max(1, m_rate / 100);
    const double down = 1.0 - std::exp(-static_cast<double>(step) / (0.030 * m_rate));
    const double up = 1.0 - std::exp(-static_cast<double>(step) / (0.400 * m_rate));
    constexpr double kSpeaking = 1e-4;  // -40 dBFS, as a mean square
    constexpr double kHold = 0.25;
    for (int at = 0; at < count; at += step) {
        const int n = std::min(step, count - at);
        double power = 0.0;
        int heard = 0;
        for (int i = 0; i < n; ++i) {
            const std::int64_t p = from + at + i - b.start;
            if (p >= 0 && p < b.Held()) {
                for (const std::vector<float>& plane : b.planes) {
                    const double x = plane[static_cast<std::size_t>(p)] * m_tracks[voice].gain;
                    power += x * x;
                }
                ++heard;
            }
        }
        const bool speaking =
            heard > 0 && power / (static_cast<double>(heard) * m_channels) > kSpeaking;
        m_heldFor = speaking ? 0.0 : m_heldFor + static_cast<double>(n) / m_rate;
        const double target = m_heldFor < kHold ? m_duck : 1.0;
        const double from_ = m_duckGain;
        m_duckGain += (target - m_duckGain) * (target < m_duckGain ? down : up);
        for (int i = 0; i < n; ++i) {
            m_duckGains[static_cast<std::size_t>(at + i)] =
                static_cast<float>(from_ + (m_duckGain - from_) * (i + 1) / n);
        }
    }
}

std::unique_ptr<TrackMixer> TrackMixer::ForFirstTrack(std::vector<Track> tracks,
                                                      const AVCodecContext& first,
                                                      const AVFrame& frame, double duckDb) {
    const int rate = first.sample_rate > 0 ? first.sample_rate : frame.sample_rate;
    AVChannelLayout layout{};
    UsualLayout(first.ch_layout.nb_channels > 0 ? first.ch_layout : frame.ch_layout, layout);
    auto mixer = std::make_unique<TrackMixer>(std::move(tracks), rate, layout, duckDb);
    av_channel_layout_uninit(&layout);
    return mixer;
}

bool TrackMixer::Take(AVFrame& out, std::int64_t& position) {
    const std::int64_t ready = Ready();
    bool allEnded = true;
    for (const auto& b : m_buffers) {
        allEnded = allEnded && b->ended;
    }
    const auto count = static_cast<int>(std::min<std::int64_t>(ready - m_emitted, kBlock));
    std::vector<std::vector<float>> sum(static_cast<std::size_t>(m_channels));
    if (m_started && count > 0) {
        Duck(m_emitted, count);
        for (std::vector<float>& plane : sum) {
            plane.assign(static_cast<std::size_t>(count), 0.0f);
        }
        for (std::size_t t = 0; t < m_buffers.size(); ++t) {
            Buffer& b = *m_buffers[t];
            const auto gain = static_cast<float>(m_tracks[t].gain);
            const bool ducked = !m_tracks[t].voice && m_duck < 1.0;
            const std::int64_t first = std::max(m_emitted, b.start);
            const std::int64_t last = std::min(m_emitted + count, b.start + b.Held());
            for (std::int64_t p = first; p < last; ++p) {
                const auto i = static_cast<std::size_t>(p - m_emitted);
                const float g = ducked ? gain * m_duckGains[i] : gain;
                for (int c = 0; c < m_channels; ++c) {
                    sum[static_cast<std::size_t>(c)][i] +=
                        b.planes[static_cast<std::size_t>(c)]
                                [static_cast<std::size_t>(p - b.start)] *
                        g;
                }
            }
            // What is mixed goes.
            const std::int64_t used =
                std::clamp<std::int64_t>(m_emitted + count - b.start, 0, b.Held());
            for (std::vector<float>& plane : b.planes) {
                plane.erase(plane.begin(), plane.begin() + used);
            }
            b.start += used;
        }
        for (const std::vector<float>& plane : sum) {
            for (const float x : plane) {
                m_clipped = m_clipped || std::abs(x) > 1.0f;
            }
        }
        std::vector<const float*> planes;
        for (const std::vector<float>& plane : sum) {
            planes.push_back(plane.data());
        }
        m_limiter.Process(planes.data(), count, m_limited);
        m_emitted += count;
    }
    if (allEnded && ready - m_emitted <= 0) {
        m_limiter.Flush(m_limited);
    }
    if (m_limited.empty() || m_limited[0].empty()) {
        return false;
    }
    const int n = static_cast<int>(m_limited[0].size());
    av_frame_unref(&out);
    out.format = AV_SAMPLE_FMT_FLTP;
    out.sample_rate = m_rate;
    out.nb_samples = n;
    av_channel_layout_copy(&out.ch_layout, &m_layout);
    if (av_frame_get_buffer(&out, 0) < 0) {
        return false;
    }
    for (int c = 0; c < m_channels; ++c) {
        std::copy(m_limited[static_cast<std::size_t>(c)].begin(),
                  m_limited[static_cast<std::size_t>(c)].end(),
                  reinterpret_cast<float*>(out.extended_data[c]));
        m_limited[static_cast<std::size_t>(c)].clear();
    }
    position = m_given;
    m_given += n;
    return true;
}

}  // namespace tolvane

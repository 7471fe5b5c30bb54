#pragma once

// Several sound tracks of one file mixed into one, sample-aligned by their timestamps: a track
// that starts later keeps its offset, one that ends early is silence after its end. The sum
// never clips: where it would pass full scale a look-ahead limiter brings it down. Optionally
// the tracks other than the voice are lowered while the voice speaks (ducking, with an attack,
// a hold and a release that do not pump).

#include <cstdint>
#include <memory>
#include <vector>

#include "FFmpegHandles.h"
#include "GainStage.h"

namespace tolvane {

class TrackMixer final {
public:
    struct Track {
        double gain = 1.0;  // a factor
        bool voice = false;
    };
    // Mixed at `rate` into `layout` (the first track's), the others' ducked by `duckDb` (0:
    // never).
    TrackMixer(std::vector<Track> tracks, int rate, const AVChannelLayout& layout, double duckDb);
    // A mixer at the rate and in the channels of the first track's decoder `first` (as `frame`'s,
    // a frame of any track, where that decoder does not say them before decoding).
    static std::unique_ptr<TrackMixer> ForFirstTrack(std::vector<Track> tracks,
                                                     const AVCodecContext& first,
                                                     const AVFrame& frame, double duckDb);
    TrackMixer(const TrackMixer&) = delete;
    TrackMixer& operator=(const TrackMixer&) = delete;
    ~TrackMixer();

    // A decoded frame of track `t`, its first sample at `position` (samples at the mix's rate
    // from the file's start) for the track's first frame; later frames follow on. Returns 0
    // or a negative AVERROR (the conversion).
    int Add(std::size_t t, const AVFrame& frame, std::int64_t position);
    // No more of track `t` (its converter's last samples go in).
    void End(std::size_t t);
    // The mixed sound that every track still going has reached, at most a frame's worth, as
    // planar floats in `out`; its first sample's position in `position`. False when none is.
    bool Take(AVFrame& out, std::int64_t& position);
    int Rate() const { return m_rate; }
    // Whether the sum passed full scale anywhere (and was brought down there).
    bool Clipped() const { return m_clipped; }

private:
    struct Buffer;
    std::int64_t Ready() const;
    int Convert(Buffer& buffer, const std::uint8_t** planes, int count) const;
    void Duck(std::int64_t from, int count);

    std::vector<Track> m_tracks;
    std::vector<std::unique_ptr<Buffer>> m_buffers;
    int m_rate;
    AVChannelLayout m_layout{};
    int m_channels;
    double m_duck;  // a factor
    bool m_started = false;
    std::int64_t m_emitted = 0;  // the position of the next sample mixed
    std::int64_t m_given = 0;    // ...and of the next given out (the limiter holds some)
    GainStage m_limiter;
    std::vector<std::vector<float>> m_limited;
    std::vector<float> m_duckGains;  // per sample of the block being mixed
    double m_duckGain = 1.0;
    double m_heldFor = 0.0;  // seconds since the voice last spoke
    bool m_clipped = false;
};

}  // namespace tolvane

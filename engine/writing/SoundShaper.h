#pragma once

// What makes an output ready to listen to, on planar floats of the written rate and channels:
// the tempo changed with the pitch kept (FFmpeg's atempo), night mode's compression, one gain
// with a look-ahead limiter (night mode's ceiling, or a loudness measured on what the stage
// makes), then fades at the output's ends and crossfades where a merge joins its files.
//
// A file's sound ("a piece") comes out exactly as long as its input divided by the tempo, to
// the sample; the next piece carries on from there (or overlaps it by the crossfade).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GainStage.h"
#include "ListenShape.h"
#include "Loudness.h"

namespace tolvane {

using Planes = std::vector<std::vector<float>>;

class TempoStage;
class NightStage;

class SoundShaper final {
public:
    SoundShaper(const ListenShape& shape, int channels, int rate);
    SoundShaper(const SoundShaper&) = delete;
    SoundShaper& operator=(const SoundShaper&) = delete;
    ~SoundShaper();

    // Before any sound: the gain that brings what the stage makes to a loudness, and the
    // highest sample let through (factors of full scale); `limit` false when no sample can
    // reach it.
    void SetGain(double gain, double ceiling, bool limit);

    // Takes `count` samples of each channel's plane and appends to `out` (a plane per channel)
    // what leaves the stage. Returns 0 or a negative AVERROR (the tempo's filter).
    int Process(const float* const* planes, int count, Planes& out);
    // The end of one file's sound: what the tempo and the limiter hold comes out, to the
    // piece's exact length; with a crossfade its last seconds wait for the next file's start.
    int EndPiece(Planes& out);
    // The end of the output: the fade out, and everything still held.
    int Finish(Planes& out);

    // Samples of the output so far, those still held included.
    std::int64_t Length() const { return m_length; }
    // Where each file's sound starts in the output (samples): 0, then the middle of each
    // crossfade (or the join itself).
    const std::vector<std::int64_t>& PieceStarts() const { return m_pieceStarts; }

private:
    int TakeFromTempo(Planes& out, bool ending);
    void Shape(Planes& block, int count, Planes& out);
    void ToEnds(const Planes& block, int offset, int count, Planes& out);
    void Emit(Planes& out, bool all);
    void EndMix();

    ListenShape m_shape;
    int m_channels;
    int m_rate;
    std::unique_ptr<TempoStage> m_tempo;
    std::unique_ptr<NightStage> m_night;
    std::unique_ptr<GainStage> m_limiter;
    double m_gain = 1.0;
    double m_ceiling = 1.0;
    bool m_limit = false;

    // The piece's samples in and out of the tempo: its output is llround(in / tempo) long.
    std::int64_t m_pieceIn = 0;
    std::int64_t m_pieceOut = 0;
    Planes m_block;   // what the stages after the tempo work on, in place
    Planes m_gained;  // what leaves the limiter

    // The ends: the last m_hold samples wait (for the fade out, or the next file's crossfade).
    std::int64_t m_fadeIn = 0;
    std::int64_t m_fadeOut = 0;
    std::int64_t m_crossfade = 0;
    std::int64_t m_hold = 0;
    Planes m_held;  // from m_heldFront on
    std::size_t m_heldFront = 0;
    std::int64_t m_emitted = 0;  // samples given out
    std::int64_t m_length = 0;   // samples of the output, held or given out
    // A crossfade under way: the held samples from output position m_mixAt on are faded out as
    // the next file's first samples are faded in over them.
    std::int64_t m_mixAt = 0;
    std::int64_t m_mixLength = 0;
    std::int64_t m_mixDone = 0;
    bool m_joinPending = false;  // a file ended: the next one's first sample starts a piece
    std::vector<std::int64_t> m_pieceStarts;
};

// The loudness of what `shape` makes of a sound (its fades aside), as the stage run on the
// sound before it is measured: interleaved floats in, interleaved floats out.
class ShapedMeasure final : public SoundChange {
public:
    explicit ShapedMeasure(const ListenShape& shape);
    ~ShapedMeasure() override;
    void Change(const float* samples, int frames, int channels, int rate,
                std::vector<float>& out) override;
    void End(std::vector<float>& out) override;

private:
    void Interleave(std::vector<float>& out);

    ListenShape m_shape;
    std::unique_ptr<SoundShaper> m_shaper;
    int m_channels = 0;
    Planes m_in;
    Planes m_out;
};

}  // namespace tolvane

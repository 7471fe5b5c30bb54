#pragma once

// The loudness of a mix of sound tracks as it will be written: the tracks read together, mixed
// by the same mixer at the same levels (and ducking) as the conversion mixes them, and measured
// (EBU R128, integrated loudness and sample peak) over the clip.

#include <atomic>
#include <string>
#include <vector>

#include "Loudness.h"
#include "TrackMix.h"
#include "TrackMixer.h"

namespace tolvane {

// The level of each of `mix.tracks` as the conversion mixes them: its gain, and with a voice the
// others set `mix.voiceLu` under it (each track measured over the clip, EBU R128). A failure
// (or a stop) says why in `failure`.
struct MixLevels final {
    std::vector<TrackMixer::Track> levels;
    std::string failure;
};
MixLevels LevelsOfMix(const std::string& path, const TrackMix& mix, double start, double length,
                      bool toEnd, const std::atomic<bool>* stop);

// `levels` holds each of `mix.tracks`' gain and voice, as the conversion sets them; from
// `start` seconds for `length` (`toEnd`: to the end of the sound). With `change`, what it makes
// of the mix is measured (the shaping stage). `stop` ends it early (then not measured).
LoudnessFacts MeasureMixLoudness(const std::string& path, const TrackMix& mix,
                                 const std::vector<TrackMixer::Track>& levels, double start,
                                 double length, bool toEnd, const std::atomic<bool>* stop,
                                 SoundChange* change = nullptr);

}  // namespace tolvane

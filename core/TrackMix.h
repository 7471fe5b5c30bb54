#pragma once

// Several sound tracks of one file mixed into one output (a game and a microphone, a camera's
// two microphones): which tracks, each one's gain, which is the voice (the others then sit a
// loudness under it, and may be lowered while it speaks).

#include <string>
#include <vector>

#include "NumberRules.h"

namespace tolvane {

inline constexpr NumberRange kTrackGainRange{-40.0, 20.0};  // dB
inline constexpr NumberRange kVoiceLuRange{0.0, 40.0};      // LU under the voice
inline constexpr NumberRange kDuckRange{0.0, 40.0};         // dB

struct TrackMix final {
    std::vector<int> tracks;      // sound track numbers (from 1), two or more; empty: no mix
    std::vector<double> gainsDb;  // one per track
    int voice = 0;                // the voice's track number; 0: none
    double voiceLu = 10.0;        // the others' loudness under the voice's
    double duckDb = 0.0;          // the others lowered while the voice speaks; 0: never

    bool Any() const { return tracks.size() >= 2; }
    double GainOf(int track) const;
    bool operator==(const TrackMix&) const = default;
};

// Why the mix cannot be, empty when it can: fewer than two tracks, one twice, a gain or level
// out of range, a voice that is not in it, ducking without a voice.
std::string TrackMixRefusal(const TrackMix& mix);

// Why the mix cannot be made of a file of `trackCount` sound tracks (a track it names is not
// there), empty when it can.
std::string MixTracksMissing(const TrackMix& mix, int trackCount);

// "Tracks 1+2": what the list and the status say of a mixed row.
std::string TrackMixText(const TrackMix& mix);

}  // namespace tolvane

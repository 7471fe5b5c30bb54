#pragma once

// What makes an output ready to listen to on a device that cannot change it: its tempo (the
// pitch kept), night mode (a narrower loudness range, the peaks held under a ceiling) and fades
// at its ends (a merge's files joined with a crossfade). The defaults change nothing.

#include <string>
#include <vector>

#include "Messages.h"

#include "NumberRules.h"

namespace tolvane {

inline constexpr NumberRange kTempoRange{0.5, 4.0};       // times the recorded speed
inline constexpr NumberRange kFadeRange{0.0, 60.0};       // seconds
inline constexpr NumberRange kCrossfadeRange{0.0, 30.0};  // seconds
// Night mode's peaks: a decibel of margin under -1 dBTP for the peaks between samples.
inline constexpr double kNightCeilingDb = -2.0;

struct ListenShape final {
    double tempo = 1.0;
    bool night = false;
    double fadeIn = 0.0;     // seconds
    double fadeOut = 0.0;    // seconds
    double crossfade = 0.0;  // seconds, between the files of a merge

    bool Tempo() const { return tempo != 1.0; }
    // Anything that changes the sound beyond its loudness: it needs an encode.
    bool Any() const {
        return Tempo() || night || fadeIn > 0.0 || fadeOut > 0.0 || crossfade > 0.0;
    }
    // Whether the sound passes through the shaping stage as a whole (tempo or night mode: the
    // loudness is then measured on what the stage makes).
    bool ChangesLoudness() const { return Tempo() || night; }
    bool operator==(const ListenShape&) const = default;
};

// Why the shape cannot be, empty when it can: a number out of its range.
std::string ListenShapeRefusal(const ListenShape& shape);

// "tempo 1.5×, night mode, fade in 2 s, fade out 3 s, crossfade 4 s": what a status says was
// applied, as one remark of pieces (none for the defaults), and in English.
std::vector<Said> ListenShapeSaid(const ListenShape& shape);
std::string ListenShapeText(const ListenShape& shape);

}  // namespace tolvane

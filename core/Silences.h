#pragma once

// Pauses in a recording: where its level stays under a threshold long enough, and what follows
// from them: the parts between the pauses, the clip that leaves out the silence at both ends,
// and cuts near every so many minutes that fall in a pause. Worked out from the levels of short
// windows of the sound (read by the engine), so that a change of the numbers costs nothing.

#include <string>
#include <vector>

#include "SplitParts.h"

// The level of a stretch of sound in windows of `windowSeconds`: each the mean square of all
// its channels' samples, in dBFS (-inf for digital silence). The first window starts at `start`
// seconds of the file.
struct SoundLevels final {
    double start = 0.0;
    double windowSeconds = 0.01;
    std::vector<float> decibels;
    double End() const { return start + windowSeconds * static_cast<double>(decibels.size()); }
};

// From `start` to `end` seconds of the file.
struct TimeSpan final {
    double start = 0.0;
    double end = 0.0;
    double Length() const { return end - start; }
};

// What counts as a pause: a stretch at least `seconds` long whose level stays under `decibels`
// dBFS. The defaults take the pauses between sentences and songs, not the breath between words.
struct SilenceRule final {
    double decibels = -50.0;
    double seconds = 1.5;
};
inline constexpr double kCutMargin = 0.2;     // a cut is never closer than this to sound
inline constexpr double kShortestPart = 1.0;  // seconds of sound; shorter bits join a neighbour
inline constexpr double kTrimMargin = 0.3;    // kept outside the first and last sound
inline constexpr double kEveryWindow = 0.15;  // a cut near a multiple: within 15 % of it
inline constexpr double kEveryPause = 0.5;    // the shortest pause such a cut takes

// The part of `levels` from `span.start` to `span.end` (on its windows).
SoundLevels LevelsWithin(const SoundLevels& levels, const TimeSpan& span);

// The pauses of `levels`, in order, the ones at its ends included.
std::vector<TimeSpan> FindSilences(const SoundLevels& levels, const SilenceRule& rule);

// A split, with a line for people that says how it went ("12 parts at pauses of at least
// 1.5 s under -50 dBFS", "no pause ...: the file stays whole").
struct SilenceSplit final {
    std::vector<SplitPart> parts;  // back to back from the start of the levels to their end
    std::string note;
};

// One part per stretch of sound: a cut in the middle of each pause between two stretches, at
// least kCutMargin from sound on both sides; a part with less than kShortestPart seconds of
// sound joins the neighbour it is closer to (across the shorter pause). The first part starts
// where the levels start, the last runs to the end.
SilenceSplit SplitAtSilences(const SoundLevels& levels, const SilenceRule& rule);

// A cut near each multiple of `every` seconds (from the start of the levels): in the pause
// nearest to it within kEveryWindow of `every` (pauses of kEveryPause under the rule's level),
// at the point of the pause closest to the multiple yet kCutMargin from sound; at the multiple
// itself where there is none. A multiple within kEveryWindow of `every` of the end makes no cut.
SilenceSplit SplitEvery(const SoundLevels& levels, double every, double thresholdDecibels);

// The clip that leaves out the silence at both ends: from `margin` before the first sound to
// `margin` after the last (within the levels). `trimmed` is false, with the levels' span and a
// line saying so, for sound that is silent throughout.
struct SilenceTrim final {
    TimeSpan clip;
    bool trimmed = false;
    std::string note;
};
SilenceTrim TrimSilence(const SoundLevels& levels, double thresholdDecibels,
                        double margin = kTrimMargin);

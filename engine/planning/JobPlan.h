#pragma once

// A run as a plain list of what to do, and the rules of what goes together: the window, the
// command line and the tests describe their run as a plan (the job record is filled from it by
// ApplyPlan, AVConvert.h).

#include <QtGlobal>  // QT_TRANSLATE_NOOP

#include <algorithm>
#include <string>
#include <vector>

#include "EncodeSettings.h"
#include "ListenShape.h"
#include "PlanTypes.h"
#include "TaskTags.h"
#include "TrackMix.h"

namespace tolvane {

class PreviewSink;

// One task: a source, the name its output asks for, a clip of it, a sound track and a kind.
struct PlannedTask final {
    std::string source;  // empty: a row that does not take part (it fails, as it always has)
    std::string output;
    double start = 0.0;  // seconds from the start of the file
    double end = 0.0;    // seconds; with `toEnd` only the progress denominator
    bool toEnd = true;   // no end set: to the end of the sound
    int soundTrack = 0;  // from 1; 0 the last one
    TaskKind kind = TaskKind::Convert;
    TaskTags tags;    // instead of the source's (empty: the source's)
    int channel = 0;  // from 1: that channel alone, as mono; 0: every channel
    TrackMix mix{};   // several sound tracks mixed (then `soundTrack` is the first of them)

    bool TakesPart() const { return !source.empty(); }
    bool Copies() const { return kind == TaskKind::Copy; }
    double ClipStart() const { return std::max(0.0, start); }
    // Seconds; with `toEnd` only the progress denominator.
    double ClipLength() const { return std::max(0.0, end - start); }
};

struct JobPlan final {
    std::vector<PlannedTask> tasks;
    EncodeSettings settings;
    bool merge = false;     // one output for all tasks (then one task at a time)
    int parallelTasks = 1;  // batch tasks at once
    bool coverFromVideo = false;
    bool normalize = false;  // see JobInput
    double loudnessTarget = -16.0;
    double truePeakCeiling = -1.0;
    ReplayGainKind replayGain = ReplayGainKind::Off;
    double coverFromVideoSeconds = -1.0;
    ListenShape listen;  // tempo, night mode, fades
    PreviewSink* preview = nullptr;

    // The tasks a run takes (never more than a run holds).
    int TaskCount() const {
        return static_cast<int>(
            std::min<std::size_t>(tasks.size(), static_cast<std::size_t>(JobLimits::kMaxTasks)));
    }
    const PlannedTask& Task(int index) const { return tasks[static_cast<std::size_t>(index)]; }
    // Batch tasks at once: one in a merge (it writes one file).
    int TasksAtOnce() const {
        return merge ? 1 : std::clamp(parallelTasks, 1, JobLimits::kMaxParallelTasks);
    }
    // The seconds of every task that takes part: a merge's progress denominator.
    double TotalSeconds() const;
};

// What a run is asked to do, as far as the rules of what goes together care.
struct RunChoices final {
    bool copy = false;            // the sound copied as it is
    bool encoderNumbers = false;  // an encoder, bit rate, sample rate or channels asked for
    bool merge = false;           // one output for all
    bool split = false;           // files in parts
    bool clipped = false;         // one clip for every file (a merge takes every file whole)
    bool allTracks = false;       // an output per sound track
    bool channels = false;        // one channel alone, or each to its own output
    bool mix = false;             // sound tracks mixed
    bool skipExisting = false;    // outputs already there are left out
    bool normalize = false;
    ReplayGainKind replayGain = ReplayGainKind::Off;
    ListenShape listen;  // tempo, night mode, fades
    bool video = false;  // the output has pictures
    int splitKinds = 0;  // ways of splitting asked for (chapters, a list, pauses, every so long)
    bool trimSilence = false;      // each file trimmed to where its sound starts and ends
    bool opusApplication = false;  // an Opus application asked for...
    bool opus = false;             // ...and whether the encoder is Opus
    int slices = 1;                // the run in slices (a share of its rows each)
    int listed = -1;               // rows listed, chosen or not; -1: not known yet
    int rows = -1;                 // rows chosen to run; -1: not known yet
};

// Why these choices cannot run together, empty when they can: every such rule, for the window
// and the command line alike.
std::string ChoicesRefusal(const RunChoices& choices);

// Why a copied track other than Opus cannot be brought to a loudness (Opus has a gain in its
// header; any other codec would have to be encoded again).
inline constexpr char kCopyLoudnessRefusal[] = QT_TRANSLATE_NOOP(
    "Messages",
    "a copy keeps the sound as it is: only an Opus track can be brought to a loudness without "
    "re-encoding (choose a format to convert to)");

}  // namespace tolvane

#pragma once

// The conversion job, in three parts by who writes them:
//
// - JobInput: what the front end fills before a run (through ApplyPlan): the plan the workers
//   run, shared and never written (a worker holds it while it runs: nothing written later
//   reaches the run), and the task table filled from it for the front ends to show.
// - JobProgress: the stop and preview switches the user-interface thread writes during a run,
//   and the counters and statuses the worker writes for the front end to show.
// - JobResults: what became of each task, written by the worker before the task's status.
//
// AVConvert is the sum of the three.
//
// Threads: a task's `outputPaths` entry (the name the worker actually created) and its
// `taskReports` entry may be read by another thread once that task's status has left
// kTaskPending: the status store is a release, its load an acquire. The name of a merged file
// (the `mergeOutputTask` entry) is final only once the worker has ended.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CodecIds.h"
#include "EncodeSettings.h"
#include "JobPlan.h"
#include "ListenShape.h"
#include "Loudness.h"
#include "Messages.h"
#include "NumberRules.h"
#include "PlanTypes.h"
#include "TaskTags.h"
#include "TrackMix.h"

namespace tolvane {
class PreviewSink;
}  // namespace tolvane

// Filled by the front end before a run (ApplyPlan), for the front ends to read while it goes.
// The workers run `plan` alone: nothing here is read back to decide.
struct JobInput : JobLimits, EncodeSettings {
    std::shared_ptr<const tolvane::JobPlan> plan;  // what the workers run
    int taskCount = -1;
    std::vector<std::string> sourcePaths;        // empty entry: the task does not take part
    std::vector<std::string> requestedOutputs;   // the name each task asks for
    std::array<double, kMaxTasks> clipStart{};   // seconds from the start of the file
    std::array<double, kMaxTasks> clipEnd{};     // seconds; kept for the windows
    std::array<double, kMaxTasks> clipLength{};  // seconds; the batch worker stops a task there
    // No end was set: the task runs to the end of its sound, however long that really is, and
    // clipLength is only the progress denominator.
    std::array<bool, kMaxTasks> clipToEnd{};
    // The sound track a task converts: its number among the file's sound tracks, from 1; 0 for
    // the last one, as when nothing was chosen.
    std::array<std::int32_t, kMaxTasks> soundTrack{};
    // The channel a task writes alone, as mono (from 1); 0 for every channel.
    std::array<std::int32_t, kMaxTasks> pickChannel{};
    std::array<TaskKind, kMaxTasks> taskKind{};
    std::vector<TaskTags> taskTags;          // a task's own tags (one entry per task)
    std::vector<tolvane::TrackMix> taskMix;  // a task's mix of sound tracks (one per task)
    int totalTasksShown = 0;                 // user-interface thread only
    double mergeTotalSeconds = 0.0;          // the merge worker's progress denominator
    // How many batch tasks are converted at once (1: one after the other, in task order; at
    // most kMaxParallelTasks).
    int parallelTasks = 1;

    // Each converted task (each merge entry) measured first and brought to `loudnessTarget`
    // LUFS with one gain, peaks above `truePeakCeiling` dBTP limited.
    bool normalize = false;
    double loudnessTarget = -16.0;
    double truePeakCeiling = -1.0;
    // ReplayGain 2.0 tags instead of a change of the sound: each output's own (Track), and with
    // Album those over all the run's outputs as well.
    using ReplayGain = ReplayGainKind;
    ReplayGain replayGain = ReplayGain::Off;
    // Tempo, night mode and fades of every output (a merge's: at its ends, and crossfades).
    tolvane::ListenShape listen;

    // A source without a cover picture gives MP3, M4A and FLAC outputs a picture of its video,
    // taken at coverFromVideoSeconds (negative: at a tenth of the video's length).
    bool coverFromVideo = false;
    double coverFromVideoSeconds = -1.0;
    // Where the worker hands the pictures it decodes while it converts (null: nowhere). Its
    // owner outlives the run.
    tolvane::PreviewSink* previewSink = nullptr;
};

// Switches written by the user-interface thread during a run, and the counters the worker
// writes for it.
struct JobProgress : JobLimits {
    std::atomic<bool> stopRequested{false};      // written by the user-interface thread
    std::atomic<bool> previewHidden{false};      // written by the user-interface thread
    std::atomic<std::int32_t> currentTask{-1};   // written by the worker (UI: -1 before a start)
    std::atomic<std::int32_t> fileProgress{-1};  // written by the worker (UI: 0 before a start)
    std::array<std::atomic<std::uint8_t>, kStatusEntries> taskStatus{};  // written by the worker
    // Per task, written by the worker: -1 not started, then its progress in percent.
    std::array<std::atomic<std::int32_t>, kMaxTasks> taskProgress{};
    // Written by the merge worker: the task whose output path names the merged file (-1: none).
    std::atomic<std::int32_t> mergeOutputTask{-1};

    JobProgress();
    // Every task pending and not started, as before a run.
    void ForgetProgress();
};

// What became of each task, written by the worker before its status.
struct JobResults {
    struct TaskReport {
        double soundSeconds = 0.0;  // sound written into the output
        double wallSeconds = 0.0;   // time the task took
        std::string failure;        // why it failed (empty when it did not)
        bool fileKept = false;      // outputPaths holds a file this task made and kept
        // The source could be read only up to a point (the rest is damaged): where the sound
        // ends and why, for people ("the source is damaged after 12:34 of 20:00"). The task
        // keeps what was read.
        std::string damage;
        int packetsSkipped = 0;              // sound packets that did not decode
        std::vector<tolvane::Said> remarks;  // what else a person should know (a cover left out...)
    };
    // The name each task wrote (its requested name, or the free one the worker created).
    std::vector<std::string> outputPaths;
    std::vector<TaskReport> taskReports;
    // The run's album gain and peak (ReplayGain Album): measured once for all, by the tasks that
    // need them (each lane that comes to it measures the parts nobody has taken yet, in turn);
    // made by ApplyPlan.
    struct Album {
        std::mutex mutex;  // guards the rest; never held while sound is read
        std::condition_variable changed;
        bool started = false;                       // `tasks` and `parts` are sized
        std::vector<int> tasks;                     // the plan's tasks that take part
        std::vector<tolvane::LoudnessFacts> parts;  // each task's, as measured
        std::size_t nextPart = 0;                   // the next part a lane takes
        std::size_t partsDone = 0;
        bool measured = false;  // the four below are set
        std::string gain;       // "-3.21 dB"; empty for silence
        std::string peak;       // "0.912011"
        std::string r128;       // Opus's album gain ("-00573"); empty for silence
    };
    std::shared_ptr<Album> album;
};

class AVConvert final : public JobInput, public JobProgress, public JobResults {
public:
    AVConvert() = default;
    AVConvert(const AVConvert&) = delete;
    AVConvert& operator=(const AVConvert&) = delete;

    // Empties the task table and makes room for `count` tasks (at most kMaxTasks): empty paths,
    // clip times 0, every task pending and not started. Returns false, leaving the table empty,
    // for a count outside 0..kMaxTasks. Never while a worker runs.
    bool ResetTasks(int count);

    // Why task `index` failed, for people: its report's reason, or, for the entries of a merged
    // file that could not be finished, that. Read once the task's status is kTaskFailed.
    std::string FailureReason(int index) const;
    // What a person should know of a finished task that converted: where a damaged source's
    // sound ends, how many sound packets did not decode, and a cover left out. Empty when there
    // is nothing.
    std::string TaskNote(int index) const;
    // The same as texts to say, in English or in the user's language.
    std::vector<tolvane::Said> TaskNoteSaid(int index) const;
};

namespace tolvane {

// Fills `job` for a run of `plan`: the task table, the settings, and every counter and status as
// before a start. False, with the job's task table empty, when the plan holds more tasks than a
// job can (kMaxTasks). Never while a worker runs on `job`.
bool ApplyPlan(const JobPlan& plan, AVConvert& job);

// Makes the folders of the plan's outputs that are missing (--keep-folders asks for folders
// under the output folder). Empty, or why one could not be made.
std::string MakeOutputFolders(const JobPlan& plan);

}  // namespace tolvane

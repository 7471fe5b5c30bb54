#pragma once

// The conversion job: the task table the main window fills, the output settings as codec
// identifiers, the control flags the windows set and the progress fields the worker writes.
//
// Threads: the user-interface thread fills the task table and the settings before it starts a
// worker, then writes only `stopRequested` and `previewHidden`. The worker writes `currentTask`,
// `fileProgress`, `taskProgress` and `taskStatus`. A task's `outputPaths` entry (rewritten by
// the worker with the name it actually created) and its `taskReports` entry may be read by
// another thread once that task's status has left kTaskPending: the status store is a release,
// its load an acquire.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "CodecIds.h"
#include "MediaProbeResult.h"

class AVConvert final {
public:
    static constexpr int kMaxTasks = 9999;        // entries of the clip tables
    static constexpr int kStatusEntries = 10000;  // entries of the status table
    static constexpr int kMaxParallelTasks = 64;  // batch tasks converted at once, at most

    static constexpr std::uint8_t kTaskPending = 0xFF;
    static constexpr std::uint8_t kTaskConverted = 1;
    static constexpr std::uint8_t kTaskFailed = 2;

    AVConvert();
    AVConvert(const AVConvert&) = delete;
    AVConvert& operator=(const AVConvert&) = delete;

    // Every task pending and not started, as before a run.
    void ForgetProgress();

    // Empties the task table and makes room for `count` tasks (at most kMaxTasks): empty paths,
    // clip times 0, every task pending and not started. Returns false, leaving the table empty,
    // for a count outside 0..kMaxTasks. Never while a worker runs.
    bool ResetTasks(int count);

    // Reads `probePath` and fills `probe`. 0 on success; -1 not media, -2 no stream information,
    // -4 no decoder for the video stream, -5 that decoder does not open. User-interface thread,
    // never while a worker runs.
    int ProbeMedia();

    // ---- Task table: written by the user-interface thread before a worker starts. ----
    int taskCount = -1;
    std::vector<std::string> sourcePaths;        // empty entry: the task does not take part (fails)
    std::vector<std::string> outputPaths;        // rewritten by the worker with the name it wrote
    std::array<double, kMaxTasks> clipStart{};   // seconds; the worker resets it after seeking
    std::array<double, kMaxTasks> clipEnd{};     // seconds; kept for the windows
    std::array<double, kMaxTasks> clipLength{};  // seconds; the batch worker stops a task there
    // No end was set: the task runs to the end of its sound, however long that really is, and
    // clipLength is only the progress denominator.
    std::array<bool, kMaxTasks> clipToEnd{};
    // The sound track a task converts: its number among the file's sound tracks, from 1; 0 for
    // the last one, as when nothing was chosen.
    std::array<std::int32_t, kMaxTasks> soundTrack{};
    int totalTasksShown = 0;    // user-interface thread only
    int mergeTotalSeconds = 0;  // the merge worker's progress denominator
    // How many batch tasks are converted at once (1: one after the other, in task order; at
    // most kMaxParallelTasks).
    int parallelTasks = 1;

    // ---- Output settings as codec identifiers: written by the user-interface thread. ----
    std::int32_t audioCodecId = 0;  // AVCodecID
    std::int32_t audioBitRate = 0;
    std::int32_t audioSampleRate = 0;
    std::int32_t audioChannels = 0;
    bool includeVideo = false;
    std::int32_t videoCodecId = 0;  // AVCodecID, or kCodecIdXvid
    std::int32_t videoBitRate = 0;
    std::int32_t videoWidth = 0;
    std::int32_t videoHeight = 0;
    double videoFrameRate = 0.0;       // 0: as the source
    std::int32_t writeThumbnail = -1;  // 1: write a ".THM" thumbnail beside the output
    // The sound track's packets go out as they are, in a container chosen by their codec (the
    // worker puts its extension on the output path); the settings above are not used.
    bool copySound = false;
    // A source without a cover picture gives MP3, M4A and FLAC outputs a picture of its video,
    // taken at coverFromVideoSeconds (negative: at a tenth of the video's length).
    bool coverFromVideo = false;
    double coverFromVideoSeconds = -1.0;

    // ---- Control and progress. ----
    std::atomic<bool> stopRequested{false};      // written by the user-interface thread
    std::atomic<bool> previewHidden{false};      // written by the user-interface thread
    std::atomic<std::int32_t> currentTask{-1};   // written by the worker (UI: -1 before a start)
    std::atomic<std::int32_t> fileProgress{-1};  // written by the worker (UI: 0 before a start)
    std::array<std::atomic<std::uint8_t>, kStatusEntries> taskStatus{};  // written by the worker
    // Per task, written by the worker: -1 not started, then its progress in percent.
    std::array<std::atomic<std::int32_t>, kMaxTasks> taskProgress{};
    // Written by the merge worker: the task whose output path names the merged file (-1: none).
    std::atomic<std::int32_t> mergeOutputTask{-1};

    // What became of a finished task, for reports: written by the worker before its status.
    struct TaskReport {
        double soundSeconds = 0.0;  // sound written into the output
        double wallSeconds = 0.0;   // time the task took
        std::string failure;        // why it failed (empty when it did not)
        bool fileKept = false;      // outputPaths holds a file this task made and kept
    };
    std::vector<TaskReport> taskReports;
    // Why task `index` failed, for people: its report's reason, or, for the entries of a merged
    // file that could not be finished, that. Read once the task's status is kTaskFailed.
    std::string FailureReason(int index) const;

    // ---- Probe: user-interface thread only. ----
    std::string probePath;
    MediaProbeResult probe;
};

#include "Workers.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "AVConvert.h"
#include "AudioEncoder.h"
#include "EntryConverter.h"
#include "OutputMedia.h"
#include "Paths.h"
#include "SoundCopy.h"

namespace tolvane {

namespace {

// Marks every entry unfinished and starts at the first. Returns how many tasks to run (at most
// kMaxTasks), 0 when there is nothing to do.
int BeginRun(AVConvert& job) {
    const int count = std::min(job.taskCount, AVConvert::kMaxTasks);
    job.ForgetProgress();
    job.mergeOutputTask.store(-1, std::memory_order_relaxed);
    job.currentTask.store(0, std::memory_order_release);
    const auto size = static_cast<std::size_t>(std::max(count, 0));
    if (count <= 0 || size > job.sourcePaths.size() || size > job.outputPaths.size() ||
        size > job.taskReports.size()) {
        return 0;
    }
    return count;
}

void StoreStatus(AVConvert& job, int index, std::uint8_t status) {
    job.taskStatus[static_cast<std::size_t>(index)].store(status, std::memory_order_release);
}

// Failed: 2. Stopped before its end: left unfinished. Otherwise converted, also when the stop
// came only after the task had reached its end.
void SetStatus(AVConvert& job, int index, const EntryResult& result) {
    std::uint8_t status = AVConvert::kTaskConverted;
    if (result.failed) {
        status = AVConvert::kTaskFailed;
    } else if (result.stopped) {
        status = AVConvert::kTaskPending;
    }
    StoreStatus(job, index, status);
}

// Writes the trailer, or removes the file when nothing playable went into it. Returns false
// when the file is not kept: the trailer or the close failed (the file would be incomplete),
// or there was nothing to keep.
// `failure` gets why a file to keep could not be finished.
bool FinishOutput(AVConvert& job, OutputMedia& output, bool keep, bool publishProgress,
                  std::string& failure) {
    if (!output.HeaderWritten()) {
        return false;
    }
    if (!keep) {
        output.Discard();
        return false;
    }
    const int ret = output.Finish();
    if (ret < 0) {
        LogFailure(output.WrittenPath(), "cannot finish the output file", ret);
        failure = "cannot finish the output file: " + AvErrorText(ret);
        output.Discard();
        return false;
    }
    if (publishProgress) {
        job.fileProgress.store(100, std::memory_order_relaxed);
    }
    return true;
}

using Clock = std::chrono::steady_clock;

void Report(AVConvert& job, int index, const EntryResult& result, Clock::time_point started,
            bool fileKept) {
    AVConvert::TaskReport& report = job.taskReports[static_cast<std::size_t>(index)];
    report.fileKept = fileKept;
    report.soundSeconds = result.failed ? 0.0 : result.soundSeconds;
    report.wallSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    report.failure = result.failed ? result.failure : std::string();
}

// Converts, or copies, task `index` into `output`. `mergeAudio` is the merge's one encoder
// (null in a batch: the task gets its own).
EntryResult ConvertEntry(AVConvert& job, int index, OutputMedia& output, EntryMode mode,
                         EntryLane lane, AudioEncoder* mergeAudio = nullptr) {
    if (job.copySound) {
        return SoundCopier(job, index, output, mode, lane).Copy();
    }
    AudioEncoder ownAudio;
    return EntryConverter(job, index, output, mergeAudio ? *mergeAudio : ownAudio, mode, lane)
        .Convert();
}

// A merge by copying needs the same kind of sound in every entry: otherwise every entry fails
// with the reason, and nothing is written. Returns false then.
bool CheckCopiedMerge(AVConvert& job, int count) {
    if (!job.copySound) {
        return true;
    }
    const CopyMergeCheck check = CheckCopyMerge(job);
    if (check.task < 0) {
        return true;
    }
    for (int i = 0; i < count; ++i) {
        job.taskReports[static_cast<std::size_t>(i)].failure =
            "the sound tracks cannot be merged without re-encoding: " +
            std::string(FileNameOfPath(job.sourcePaths[static_cast<std::size_t>(check.task)])) +
            " has " + check.reason;
        StoreStatus(job, i, AVConvert::kTaskFailed);
    }
    return false;
}

// Converts task `index` into a file of its own, then reports it and stores its status.
void ConvertBatchTask(AVConvert& job, int index, EntryLane lane) {
    const auto started = Clock::now();
    OutputMedia output;
    EntryResult result = ConvertEntry(job, index, output, EntryMode::Batch, lane);
    // A failed task leaves no file; a stopped one keeps what it converted.
    const bool keep = result.wrote && !result.failed;
    std::string finishFailure;
    const bool kept = FinishOutput(job, output, keep, lane.publishesFileProgress, finishFailure);
    if (kept) {
        job.taskProgress[static_cast<std::size_t>(index)].store(100, std::memory_order_relaxed);
    } else if (result.wrote) {
        result.failed = true;
        if (result.failure.empty()) {
            result.failure = finishFailure;
        }
    }
    Report(job, index, result, started, kept);
    SetStatus(job, index, result);
}

// The earliest task not yet finished is the window's current file.
void PublishEarliestUnfinished(AVConvert& job, int count) {
    int earliest = 0;
    while (earliest < count && job.taskStatus[static_cast<std::size_t>(earliest)].load(
                                   std::memory_order_acquire) != AVConvert::kTaskPending) {
        ++earliest;
    }
    if (earliest < count) {
        job.fileProgress.store(
            job.taskProgress[static_cast<std::size_t>(earliest)].load(std::memory_order_relaxed),
            std::memory_order_relaxed);
    }
    job.currentTask.store(earliest, std::memory_order_release);
}

// Several tasks at once: `lanes` threads take the next task in order until none is left or a
// stop is asked for; this thread publishes the earliest unfinished task until all are done.
void RunBatchLanes(AVConvert& job, int count, int lanes) {
    std::atomic<int> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    int lanesDone = 0;  // guarded by mutex
    const auto runLane = [&](bool drawsPreview) {
        const EntryLane lane{false, drawsPreview};
        for (;;) {
            if (job.stopRequested.load(std::memory_order_relaxed)) {
                break;
            }
            const int index = next.fetch_add(1);
            if (index >= count) {
                break;
            }
            ConvertBatchTask(job, index, lane);
            changed.notify_one();
        }
        {
            const std::lock_guard lock(mutex);
            ++lanesDone;
        }
        changed.notify_one();
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(lanes));
    for (int lane = 0; lane < lanes; ++lane) {
        threads.emplace_back(runLane, lane == 0);
    }
    {
        std::unique_lock lock(mutex);
        for (;;) {
            const bool done = changed.wait_for(lock, std::chrono::milliseconds(50),
                                               [&] { return lanesDone == lanes; });
            PublishEarliestUnfinished(job, count);
            if (done) {
                break;
            }
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    // As one at a time: the first task never started, or the end.
    job.currentTask.store(std::min(next.load(), count), std::memory_order_release);
}

}  // namespace

int TasksAtOnceForCores() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                      AVConvert::kMaxParallelTasks);
}

void RunBatchWorker(AVConvert& job) {
    const int count = BeginRun(job);
    const int lanes = std::clamp(std::min(job.parallelTasks, AVConvert::kMaxParallelTasks), 1,
                                 std::max(count, 1));
    if (lanes > 1) {
        RunBatchLanes(job, count, lanes);
        return;
    }
    for (int i = 0; i < count; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            return;
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        ConvertBatchTask(job, i, EntryLane{});
    }
    job.currentTask.store(std::max(job.taskCount, 0), std::memory_order_release);
}

void RunMergeWorker(AVConvert& job) {
    int count = BeginRun(job);
    if (!CheckCopiedMerge(job, count)) {
        count = 0;
    }
    // The output and the audio encoder belong to the whole merge, so that the entries' sound
    // joins without a gap. The first entry that opens sets them up; entries before it keep
    // their failure. The trailer is written after the last entry, and also when the merge is
    // stopped, so that what was merged is always a playable file.
    OutputMedia output;
    AudioEncoder audio;
    std::vector<int> merged;  // the entries whose sound is in the file
    int last = -1;            // the entry whose status waits for the trailer
    EntryResult lastResult;
    bool stoppedBetweenEntries = false;
    for (int i = 0; i < count; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            stoppedBetweenEntries = true;
            break;
        }
        if (last >= 0) {
            SetStatus(job, last, lastResult);
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        const auto started = Clock::now();
        lastResult = ConvertEntry(job, i, output, EntryMode::Merge, EntryLane{}, &audio);
        Report(job, i, lastResult, started, false);
        last = i;
        if (lastResult.wrote) {
            merged.push_back(i);
        }
    }
    bool kept = false;
    if (output.HeaderWritten()) {
        const int flushed = audio.IsOpen() ? audio.Flush(output) : 0;
        std::string ignored;  // a merge that is not kept fails its entries with one reason
        kept = FinishOutput(job, output, flushed >= 0 && !merged.empty(), true, ignored);
    }
    if (last >= 0) {
        SetStatus(job, last, lastResult);
    }
    if (!kept) {
        // The file is gone: nothing of these entries was converted.
        for (int i : merged) {
            StoreStatus(job, i, AVConvert::kTaskFailed);
        }
    }
    if (!stoppedBetweenEntries) {
        job.currentTask.store(std::max(job.taskCount, 0), std::memory_order_release);
    }
}

void ConversionThread::Start(AVConvert& job, WorkerKind kind) {
    Join();
    m_running.store(true, std::memory_order_release);
    m_thread = std::thread([this, &job, kind] {
        if (kind == WorkerKind::Batch) {
            RunBatchWorker(job);
        } else {
            RunMergeWorker(job);
        }
        m_running.store(false, std::memory_order_release);
    });
}

void ConversionThread::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace tolvane

#include "Workers.h"

#include <algorithm>
#include <vector>

#include "AVConvert.h"
#include "AudioEncoder.h"
#include "EntryConverter.h"
#include "OutputMedia.h"

namespace tolvane {

namespace {

// Marks every entry unfinished and starts at the first. Returns how many tasks to run (at most
// kMaxTasks), 0 when there is nothing to do.
int BeginRun(AVConvert& job) {
    const int count = std::min(job.taskCount, AVConvert::kMaxTasks);
    for (int i = 0; i < AVConvert::kStatusEntries; ++i) {
        job.taskStatus[static_cast<std::size_t>(i)].store(AVConvert::kTaskPending,
                                                          std::memory_order_relaxed);
    }
    job.mergeOutputTask.store(-1, std::memory_order_relaxed);
    job.currentTask.store(0, std::memory_order_release);
    if (count <= 0 || static_cast<std::size_t>(count) > job.sourcePaths.size() ||
        static_cast<std::size_t>(count) > job.outputPaths.size()) {
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
bool FinishOutput(AVConvert& job, OutputMedia& output, bool keep) {
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
        output.Discard();
        return false;
    }
    job.fileProgress.store(100, std::memory_order_relaxed);
    return true;
}

}  // namespace

void RunBatchWorker(AVConvert& job) {
    const int count = BeginRun(job);
    for (int i = 0; i < count; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            return;
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        OutputMedia output;
        AudioEncoder audio;
        EntryConverter entry(job, i, output, audio, EntryMode::Batch);
        EntryResult result = entry.Convert();
        // A failed task leaves no file; a stopped one keeps what it converted.
        if (!FinishOutput(job, output, result.wrote && !result.failed) && result.wrote) {
            result.failed = true;
        }
        SetStatus(job, i, result);
    }
    job.currentTask.store(std::max(job.taskCount, 0), std::memory_order_release);
}

void RunMergeWorker(AVConvert& job) {
    const int count = BeginRun(job);
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
        EntryConverter entry(job, i, output, audio, EntryMode::Merge);
        lastResult = entry.Convert();
        last = i;
        if (lastResult.wrote) {
            merged.push_back(i);
        }
    }
    bool kept = false;
    if (output.HeaderWritten()) {
        const int flushed = audio.IsOpen() ? audio.Flush(output) : 0;
        kept = FinishOutput(job, output, flushed >= 0 && !merged.empty());
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

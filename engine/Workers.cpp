#include "Workers.h"

#include <algorithm>

#include "AVConvert.h"
#include "EntryConverter.h"
#include "OutputMedia.h"

namespace tolvane {

namespace {

// Marks every entry unfinished and starts at the first. False when there is nothing to do.
bool BeginRun(AVConvert& job) {
    const int count = std::min(job.taskCount, AVConvert::kMaxTasks);
    for (int i = 0; i < AVConvert::kStatusEntries; ++i) {
        job.taskStatus[static_cast<std::size_t>(i)].store(AVConvert::kTaskPending,
                                                          std::memory_order_relaxed);
    }
    job.mergeOutputTask.store(-1, std::memory_order_relaxed);
    job.currentTask.store(0, std::memory_order_release);
    if (count <= 0 || static_cast<std::size_t>(count) > job.sourcePaths.size() ||
        static_cast<std::size_t>(count) > job.outputPaths.size()) {
        return false;
    }
    return true;
}

void SetStatus(AVConvert& job, int index, const EntryResult& result) {
    std::uint8_t status = AVConvert::kTaskPending;
    if (result.failed) {
        status = AVConvert::kTaskFailed;
    } else if (!job.stopRequested.load(std::memory_order_relaxed)) {
        status = AVConvert::kTaskConverted;
    }
    job.taskStatus[static_cast<std::size_t>(index)].store(status, std::memory_order_release);
}

// Writes the trailer; a trailer or close that fails fails the task (the file is incomplete).
void FinishOutput(AVConvert& job, OutputMedia& output, EntryResult& result) {
    if (!output.HeaderWritten()) {
        return;
    }
    const int ret = output.Finish();
    if (ret < 0) {
        LogFailure(output.WrittenPath(), "cannot finish the output file", ret);
        result.failed = true;
    } else {
        job.fileProgress.store(100, std::memory_order_relaxed);
    }
}

}  // namespace

void RunBatchWorker(AVConvert& job) {
    if (!BeginRun(job)) {
        job.currentTask.store(std::max(job.taskCount, 0), std::memory_order_release);
        return;
    }
    for (int i = 0; i < job.taskCount; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            return;
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        OutputMedia output;
        EntryConverter entry(job, i, output, EntryMode::Batch);
        EntryResult result = entry.Convert();
        FinishOutput(job, output, result);
        SetStatus(job, i, result);
    }
    job.currentTask.store(job.taskCount, std::memory_order_release);
}

void RunMergeWorker(AVConvert& job) {
    if (!BeginRun(job)) {
        job.currentTask.store(std::max(job.taskCount, 0), std::memory_order_release);
        return;
    }
    // The output belongs to the whole merge. The first entry that opens sets it up; entries
    // before it keep their failure. The trailer is written after the last entry, and also when
    // the merge is stopped, so that what was merged is always a playable file.
    OutputMedia output;
    for (int i = 0; i < job.taskCount; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            EntryResult stopped;
            FinishOutput(job, output, stopped);
            return;
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        EntryConverter entry(job, i, output, EntryMode::Merge);
        EntryResult result = entry.Convert();
        if (i == job.taskCount - 1) {
            FinishOutput(job, output, result);
        }
        SetStatus(job, i, result);
    }
    job.currentTask.store(job.taskCount, std::memory_order_release);
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

#pragma once

// The two conversion workers and the thread that runs one of them.
//
// A worker runs the plan ApplyPlan gave the job (`JobInput::plan`, shared and never written),
// reading every task's input from it, and reports only through the job's progress and results
// (`currentTask`, `fileProgress`, `taskStatus`, the reports); it sends nothing to any window.

#include <atomic>
#include <functional>
#include <thread>

#include "ThreadBudget.h"

class AVConvert;

namespace tolvane {

// One output file per task, in task order, or up to job.parallelTasks tasks at once (each with
// its own output and encoders; currentTask and fileProgress then follow the earliest task not
// yet finished). Ends with currentTask == taskCount, or, after a stop, at the first task that
// never started.
void RunBatchWorker(AVConvert& job);

// All tasks, in order, into the one output file named by the first task that opens.
void RunMergeWorker(AVConvert& job);

enum class WorkerKind { Batch, Merge };

// The worker thread a window keeps: started once per run and joined before the job is
// refilled or destroyed.
class ConversionThread final {
public:
    ConversionThread() = default;
    ConversionThread(const ConversionThread&) = delete;
    ConversionThread& operator=(const ConversionThread&) = delete;
    ~ConversionThread() { Join(); }

    // Joins any earlier worker, then starts one on `job`. `ended` (when given) is called on the
    // worker's thread as its last act, once Running() is false: a wake-up for whoever waits.
    void Start(AVConvert& job, WorkerKind kind, std::function<void()> ended = {});
    // True from Start until the worker function has returned.
    bool Running() const { return m_running.load(std::memory_order_acquire); }
    void Join();

private:
    std::thread m_thread;
    std::atomic<bool> m_running{false};  // written by the worker thread (and Start)
};

}  // namespace tolvane

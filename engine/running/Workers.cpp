#include "Workers.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <set>
#include <vector>

#include "AVConvert.h"
#include "AudioEncoder.h"
#include "EntryContext.h"
#include "EntryConverter.h"
#include "OutputFile.h"
#include "OutputMedia.h"
#include "Paths.h"
#include "SoundCopy.h"
#include "ThreadName.h"

namespace tolvane {

namespace {

// What a killed run left in the folders this run writes into: part files of ours that no
// process holds. The run's own inputs are never touched, whatever their names.
void RemoveStalePartsOfRun(const JobPlan& plan, int count) {
    std::set<std::string> folders;
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        inputs.push_back(plan.Task(i).source);
    }
    for (int i = 0; i < count; ++i) {
        const std::string& path = plan.Task(i).output;
        if (!path.empty() && plan.Task(i).TakesPart()) {
            const std::string folder = path.substr(0, path.size() - FileNameOfPath(path).size());
            folders.insert(folder.empty() ? "." : folder);
        }
    }
    for (const std::string& folder : folders) {
        RemoveStalePartFiles(folder, inputs);
    }
}

// Marks every entry unfinished, every output under its requested name, and starts at the
// first. Returns how many tasks to run (at most kMaxTasks), 0 when there is nothing to do.
int BeginRun(JobView job) {
    const int count = job.plan.TaskCount();
    job.progress.ForgetProgress();
    job.progress.mergeOutputTask.store(-1, std::memory_order_relaxed);
    job.progress.currentTask.store(0, std::memory_order_release);
    if (count <= 0) {
        return 0;
    }
    job.results.outputPaths.clear();
    for (int i = 0; i < count; ++i) {
        job.results.outputPaths.push_back(job.plan.Task(i).output);
    }
    job.results.taskReports.assign(static_cast<std::size_t>(count), {});
    RemoveStalePartsOfRun(job.plan, count);
    return count;
}

void StoreStatus(JobView job, int index, std::uint8_t status) {
    job.progress.taskStatus[static_cast<std::size_t>(index)].store(status,
                                                                   std::memory_order_release);
}

// Failed: 2. Stopped before its end: left unfinished. Otherwise converted, also when the stop
// came only after the task had reached its end.
void SetStatus(JobView job, int index, const EntryResult& result) {
    std::uint8_t status = JobLimits::kTaskConverted;
    if (result.failed) {
        status = JobLimits::kTaskFailed;
    } else if (result.stopped) {
        status = JobLimits::kTaskPending;
    }
    StoreStatus(job, index, status);
}

// Writes the trailer, or removes the file when nothing playable went into it. Returns false
// when the file is not kept: the trailer, its tags or the close failed (the file would be
// incomplete or untrue), or there was nothing to keep. `failure` gets why a file to keep could
// not be finished; it stays empty when a stop came while the finished file was being tagged.
bool FinishOutput(JobView job, OutputMedia& output, bool keep, bool publishProgress,
                  std::string& failure) {
    if (!output.HeaderWritten()) {
        return false;
    }
    if (!keep) {
        output.Discard();
        return false;
    }
    std::string why;
    const int ret = output.Finish(&why);
    if (ret < 0) {
        output.Discard();
        if (ret == AVERROR_EXIT && job.progress.stopRequested.load(std::memory_order_relaxed)) {
            return false;
        }
        if (why.empty()) {
            LogFailure(output.WrittenPath(), "cannot finish the output file", ret);
            failure =
                QT_TRANSLATE_NOOP("Messages", "cannot finish the output file: ") + AvErrorText(ret);
        } else {
            LogFailure(output.WrittenPath(), why.c_str());
            failure = why;
        }
        return false;
    }
    if (publishProgress) {
        job.progress.fileProgress.store(100, std::memory_order_relaxed);
    }
    return true;
}

using Clock = std::chrono::steady_clock;

void Report(JobView job, int index, const EntryResult& result, Clock::time_point started,
            bool fileKept) {
    JobResults::TaskReport& report = job.results.taskReports[static_cast<std::size_t>(index)];
    report.fileKept = fileKept;
    report.soundSeconds = result.failed ? 0.0 : result.soundSeconds;
    report.wallSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    report.failure = result.failed ? result.failure : std::string();
    report.damage = result.failed ? std::string() : result.damage;
    report.packetsSkipped = result.packetsSkipped;
    report.remarks = result.failed ? std::vector<Said>() : result.remarks;
}

// Converts, or copies, task `index` into `output`. `mergeAudio` is the merge's one encoder
// (null in a batch: the task gets its own).
EntryResult ConvertEntry(JobView job, int index, OutputMedia& output, EntryMode mode,
                         EntryLane lane, AudioEncoder* mergeAudio = nullptr) {
    EntryContext entry(job, index, output, mode, lane);
    if (job.plan.Task(index).Copies()) {
        return SoundCopier(entry).Copy();
    }
    AudioEncoder ownAudio;
    return EntryConverter(entry, mergeAudio ? *mergeAudio : ownAudio).Convert();
}

// Fails every entry of a merge with `reason`; nothing is written.
void FailMerge(JobView job, int count, const std::string& reason) {
    for (int i = 0; i < count; ++i) {
        job.results.taskReports[static_cast<std::size_t>(i)].failure = reason;
        StoreStatus(job, i, JobLimits::kTaskFailed);
    }
}

// A merge by copying needs the same kind of sound in every entry (and every entry copied):
// otherwise every entry fails with the reason, and nothing is written. Returns false then.
bool CheckCopiedMerge(JobView job, int count) {
    int copied = 0;
    int takingPart = 0;  // a task without a source fails on its own
    for (int i = 0; i < count; ++i) {
        const bool takes = job.plan.Task(i).TakesPart();
        takingPart += takes ? 1 : 0;
        copied += takes && job.plan.Task(i).Copies() ? 1 : 0;
    }
    if (copied == 0) {
        return true;
    }
    if (copied < takingPart) {
        FailMerge(job, count, "a merge copies the sound of every file or of none");
        return false;
    }
    const CopyMergeCheck check = CheckCopyMerge(job.plan);
    if (check.task < 0) {
        return true;
    }
    FailMerge(job, count,
              "the sound tracks cannot be merged without re-encoding: " +
                  std::string(FileNameOfPath(job.plan.Task(check.task).source)) + " has " +
                  check.reason);
    return false;
}

// Converts task `index` into a file of its own, then reports it and stores its status. A task
// that runs out of memory fails alone; the run goes on.
void ConvertBatchTask(JobView job, int index, EntryLane lane) {
    const auto started = Clock::now();
    EntryResult result;
    bool kept = false;
    try {
        OutputMedia output;
        result = ConvertEntry(job, index, output, EntryMode::Batch, lane);
        // A failed task leaves no file; a stopped one keeps what it converted.
        const bool keep = result.wrote && !result.failed;
        std::string finishFailure;
        kept = FinishOutput(job, output, keep, lane.publishesFileProgress, finishFailure);
        if (kept) {
            // The name it finally has (the next free one, should another program have taken
            // its own meanwhile).
            job.results.outputPaths[static_cast<std::size_t>(index)] = output.WrittenPath();
            job.progress.taskProgress[static_cast<std::size_t>(index)].store(
                100, std::memory_order_relaxed);
        } else if (result.wrote && !result.failed && finishFailure.empty() &&
                   job.progress.stopRequested.load(std::memory_order_relaxed)) {
            result.stopped = true;  // stopped while its tags were measured: nothing is kept
        } else if (result.wrote) {
            result.failed = true;
            if (result.failure.empty()) {
                result.failure = finishFailure;
            }
        }
    } catch (const std::bad_alloc&) {
        result = EntryResult{};
        result.failed = true;
        result.failure = QT_TRANSLATE_NOOP("Messages", "not enough memory");
        kept = false;
    }
    Report(job, index, result, started, kept);
    SetStatus(job, index, result);
}

// The earliest task not yet finished is the window's current file.
void PublishEarliestUnfinished(JobProgress& progress, int count) {
    int earliest = 0;
    while (earliest < count && progress.taskStatus[static_cast<std::size_t>(earliest)].load(
                                   std::memory_order_acquire) != JobLimits::kTaskPending) {
        ++earliest;
    }
    if (earliest < count) {
        progress.fileProgress.store(progress.taskProgress[static_cast<std::size_t>(earliest)].load(
                                        std::memory_order_relaxed),
                                    std::memory_order_relaxed);
    }
    progress.currentTask.store(earliest, std::memory_order_release);
}

// Several tasks at once: `lanes` threads take the next task in order until none is left or a
// stop is asked for; this thread publishes the earliest unfinished task until all are done.
void RunBatchLanes(JobView job, int count, int lanes) {
    std::atomic<int> next{0};
    std::atomic<int> busy{0};  // lanes converting a task
    const int allowed = job.plan.TasksAtOnce();
    std::mutex mutex;
    std::condition_variable changed;
    int lanesDone = 0;  // guarded by mutex
    const auto runLane = [&](bool drawsPreview) {
        NameThisThread("lane");
        for (;;) {
            if (job.progress.stopRequested.load(std::memory_order_relaxed)) {
                break;
            }
            const int index = next.fetch_add(1);
            if (index >= count) {
                break;
            }
            // The last task may use the lanes nobody else needs.
            const int working = busy.fetch_add(1) + 1;
            const int spare = index == count - 1 ? std::max(0, allowed - working) : 0;
            ConvertBatchTask(job, index, EntryLane{false, drawsPreview, spare});
            busy.fetch_sub(1);
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
            PublishEarliestUnfinished(job.progress, count);
            if (done) {
                break;
            }
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    // As one at a time: the first task never started, or the end.
    job.progress.currentTask.store(std::min(next.load(), count), std::memory_order_release);
}

// A merge's chapters start where each file's sound really starts in the output: from the
// seconds each entry wrote (an entry that wrote nothing keeps a chapter of no length).
// With the shaping stage, an entry that wrote sound starts at the next of `pieceStarts` (the
// middle of its crossfade), and the last ends at `end`.
void MoveMergeChapters(const JobPlan& plan, int count, const std::vector<double>& written,
                       const std::vector<double>& pieceStarts, double end, OutputMedia& output) {
    std::vector<ChapterMark> actual = output.chapters;
    std::size_t chapter = 0;
    std::size_t piece = 0;
    double at = 0.0;
    for (int i = 0; i < count && chapter < actual.size(); ++i) {
        if (!plan.Task(i).TakesPart()) {
            continue;
        }
        const double length = written[static_cast<std::size_t>(i)];
        if (!pieceStarts.empty() && length > 0.0 && piece < pieceStarts.size()) {
            at = pieceStarts[piece++];
            if (chapter > 0) {
                actual[chapter - 1].end = at;
            }
            actual[chapter].start = at;
            at = piece < pieceStarts.size() ? pieceStarts[piece] : end;
        } else {
            actual[chapter].start = at;
            at += length;
        }
        actual[chapter].end = at;
        ++chapter;
    }
    std::vector<TagSwap> swaps = MoveChapters(*output.Context(), output.chapters, actual);
    if (swaps.empty()) {
        return;
    }
    output.SetBeforeClose([swaps = std::move(swaps)](ExclusiveOutputFile& file,
                                                     const OutputMedia::Written&,
                                                     std::string& failure) {
        return SwapHeaderValues(file, swaps, failure);
    });
}

}  // namespace

void RunBatchWorker(AVConvert& job) {
    // The worker runs the plan it was given: a value nobody writes (it lives as long as the
    // worker holds it, whatever the job is given next). Progress and results go into the job,
    // where the front end reads them.
    const std::shared_ptr<const JobPlan> plan = job.plan ? job.plan : std::make_shared<JobPlan>();
    const JobView view{*plan, job, job};
    const int count = BeginRun(view);
    const int lanes = std::clamp(plan->TasksAtOnce(), 1, std::max(count, 1));
    if (lanes > 1) {
        RunBatchLanes(view, count, lanes);
        return;
    }
    for (int i = 0; i < count; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            return;
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        // One task at a time with more lanes allowed: a single file, which may use them all.
        const int spare = i == count - 1 ? std::max(0, plan->TasksAtOnce() - 1) : 0;
        ConvertBatchTask(view, i, EntryLane{true, true, spare});
    }
    job.currentTask.store(plan->TaskCount(), std::memory_order_release);
}

void RunMergeWorker(AVConvert& job) {
    // As RunBatchWorker's.
    const std::shared_ptr<const JobPlan> plan = job.plan ? job.plan : std::make_shared<JobPlan>();
    const JobView view{*plan, job, job};
    int count = BeginRun(view);
    if (!CheckCopiedMerge(view, count)) {
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
    // Where the sound is: the samples handed to the encoder, or the packets copied.
    const auto soundSeconds = [&] {
        return audio.IsOpen()
                   ? static_cast<double>(audio.OutputSamples()) / audio.Context()->sample_rate
                   : output.AudioSecondsWritten();
    };
    std::vector<double> written(static_cast<std::size_t>(std::max(count, 0)), 0.0);
    for (int i = 0; i < count; ++i) {
        job.currentTask.store(i, std::memory_order_release);
        if (job.stopRequested.load(std::memory_order_relaxed)) {
            stoppedBetweenEntries = true;
            break;
        }
        if (last >= 0) {
            SetStatus(view, last, lastResult);
        }
        job.fileProgress.store(-1, std::memory_order_relaxed);
        const auto started = Clock::now();
        const double before = soundSeconds();
        lastResult = ConvertEntry(view, i, output, EntryMode::Merge, EntryLane{}, &audio);
        written[static_cast<std::size_t>(i)] = std::max(0.0, soundSeconds() - before);
        Report(view, i, lastResult, started, false);
        last = i;
        if (lastResult.wrote) {
            merged.push_back(i);
        }
    }
    bool kept = false;
    if (output.HeaderWritten()) {
        // Flushed first: the shaping stage knows where the last file ends once it is out.
        const int flushed = audio.IsOpen() ? audio.Flush(output) : 0;
        const double end = audio.IsOpen() ? static_cast<double>(audio.OutputSamples()) /
                                                audio.Context()->sample_rate
                                          : 0.0;
        MoveMergeChapters(*plan, count, written, audio.PieceStarts(), end, output);
        std::string ignored;  // a merge that is not kept fails its entries with one reason
        kept = FinishOutput(view, output, flushed >= 0 && !merged.empty(), true, ignored);
        const int named = job.mergeOutputTask.load(std::memory_order_relaxed);
        if (kept && named >= 0) {
            job.outputPaths[static_cast<std::size_t>(named)] = output.WrittenPath();
        }
    }
    if (last >= 0) {
        SetStatus(view, last, lastResult);
    }
    if (!kept) {
        // The file is gone: nothing of these entries was converted.
        for (int i : merged) {
            StoreStatus(view, i, JobLimits::kTaskFailed);
        }
    }
    if (!stoppedBetweenEntries) {
        job.currentTask.store(plan->TaskCount(), std::memory_order_release);
    }
}

void ConversionThread::Start(AVConvert& job, WorkerKind kind, std::function<void()> ended) {
    Join();
    m_running.store(true, std::memory_order_release);
    m_thread = std::thread([this, &job, kind, ended = std::move(ended)] {
        NameThisThread("worker");
        if (kind == WorkerKind::Batch) {
            RunBatchWorker(job);
        } else {
            RunMergeWorker(job);
        }
        m_running.store(false, std::memory_order_release);
        if (ended) {
            ended();
        }
    });
}

void ConversionThread::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace tolvane

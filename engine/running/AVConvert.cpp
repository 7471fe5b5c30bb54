#include "AVConvert.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>
#include <system_error>

#include "FFmpegHandles.h"
#include "OutputTags.h"
#include "Paths.h"
#include "StreamMeasures.h"

JobProgress::JobProgress() {
    ForgetProgress();
}

void JobProgress::ForgetProgress() {
    for (auto& status : taskStatus) {
        status.store(kTaskPending, std::memory_order_relaxed);
    }
    for (auto& progress : taskProgress) {
        progress.store(-1, std::memory_order_relaxed);
    }
}

bool AVConvert::ResetTasks(int count) {
    ForgetProgress();
    sourcePaths.clear();
    requestedOutputs.clear();
    taskTags.clear();
    taskMix.clear();
    outputPaths.clear();
    taskReports.clear();
    clipStart.fill(0.0);
    clipEnd.fill(0.0);
    clipLength.fill(0.0);
    clipToEnd.fill(false);
    soundTrack.fill(0);
    pickChannel.fill(0);
    taskKind.fill(TaskKind::Convert);
    if (count < 0 || count > kMaxTasks) {
        taskCount = 0;
        return false;
    }
    taskCount = count;
    sourcePaths.resize(static_cast<std::size_t>(count));
    requestedOutputs.resize(static_cast<std::size_t>(count));
    taskTags.resize(static_cast<std::size_t>(count));
    taskMix.resize(static_cast<std::size_t>(count));
    outputPaths.resize(static_cast<std::size_t>(count));
    taskReports.resize(static_cast<std::size_t>(count));
    return true;
}

std::string AVConvert::FailureReason(int index) const {
    const auto task = static_cast<std::size_t>(index);
    if (index < 0 || task >= taskReports.size() || taskReports[task].failure.empty()) {
        return "the output file could not be finished";
    }
    return taskReports[task].failure;
}

std::vector<tolvane::Said> AVConvert::TaskNoteSaid(int index) const {
    const auto task = static_cast<std::size_t>(index);
    if (index < 0 || task >= taskReports.size()) {
        return {};
    }
    const TaskReport& report = taskReports[task];
    std::vector<tolvane::Said> note;
    if (!report.damage.empty()) {
        note.push_back(tolvane::Said{nullptr, {report.damage}});
    }
    if (report.packetsSkipped == 1) {
        note.push_back(tolvane::Said{
            QT_TRANSLATE_NOOP("Messages", "1 sound packet did not decode and was skipped")});
    } else if (report.packetsSkipped > 1) {
        note.push_back(tolvane::Said{
            QT_TRANSLATE_NOOP("Messages", "%1 sound packets did not decode and were skipped"),
            {std::to_string(report.packetsSkipped)}});
    }
    note.insert(note.end(), report.remarks.begin(), report.remarks.end());
    return note;
}

std::string AVConvert::TaskNote(int index) const {
    return EnglishOf(TaskNoteSaid(index));
}

namespace tolvane {

bool ApplyPlan(const JobPlan& plan, AVConvert& job) {
    const auto count = static_cast<int>(std::min<std::size_t>(plan.tasks.size(), INT32_MAX));
    if (!job.ResetTasks(count)) {
        return false;
    }
    job.plan = std::make_shared<const JobPlan>(plan);
    job.totalTasksShown = 0;
    job.mergeTotalSeconds = 0.0;
    for (std::size_t i = 0; i < plan.tasks.size(); ++i) {
        const PlannedTask& task = plan.tasks[i];
        const double length = std::max(0.0, task.end - task.start);
        job.sourcePaths[i] = task.source;
        job.requestedOutputs[i] = task.output;
        job.outputPaths[i] = task.output;
        job.clipStart[i] = std::max(0.0, task.start);
        job.clipEnd[i] = task.end;
        job.clipLength[i] = length;
        job.clipToEnd[i] = task.toEnd;
        job.soundTrack[i] = task.soundTrack;
        job.pickChannel[i] = task.channel;
        job.taskKind[i] = task.kind;
        job.taskTags[i] = task.tags;
        job.taskMix[i] = task.mix;
        if (!task.source.empty()) {
            ++job.totalTasksShown;
            job.mergeTotalSeconds += length;
        }
    }
    static_cast<EncodeSettings&>(job) = plan.settings;
    job.coverFromVideo = plan.coverFromVideo;
    job.normalize = plan.normalize;
    job.loudnessTarget = plan.loudnessTarget;
    job.listen = plan.listen;
    job.truePeakCeiling = plan.truePeakCeiling;
    job.replayGain = plan.replayGain;
    job.album = std::make_shared<JobResults::Album>();
    job.coverFromVideoSeconds = plan.coverFromVideoSeconds;
    job.previewSink = plan.preview;
    // A merge writes one file: its entries go one after the other.
    job.parallelTasks =
        plan.merge ? 1 : std::clamp(plan.parallelTasks, 1, JobLimits::kMaxParallelTasks);
    job.currentTask = -1;
    job.stopRequested = false;
    job.fileProgress = 0;
    job.mergeOutputTask = -1;
    return true;
}

std::string MakeOutputFolders(const JobPlan& plan) {
    namespace fs = std::filesystem;
    std::set<fs::path> made;
    for (const PlannedTask& task : plan.tasks) {
        const fs::path folder = fs::path(task.output).parent_path();
        if (folder.empty() || !made.insert(folder).second) {
            continue;
        }
        std::error_code error;
        fs::create_directories(folder, error);
        if (error && !fs::is_directory(folder)) {
            return "cannot make the output folder " + folder.string() + ": " +
                   SystemErrorText(error.value());
        }
    }
    return {};
}

}  // namespace tolvane

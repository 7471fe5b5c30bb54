#include "AVConvert.h"

#include <algorithm>
#include <climits>

#include "FFmpegHandles.h"
#include "OutputTags.h"
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

std::string AVConvert::TaskNote(int index) const {
    const auto task = static_cast<std::size_t>(index);
    if (index < 0 || task >= taskReports.size()) {
        return {};
    }
    const TaskReport& report = taskReports[task];
    std::string note = report.damage;
    if (report.packetsSkipped > 0) {
        note += note.empty() ? "" : "; ";
        note += std::to_string(report.packetsSkipped) +
                (report.packetsSkipped == 1 ? " sound packet" : " sound packets") +
                " did not decode and " + (report.packetsSkipped == 1 ? "was" : "were") + " skipped";
    }
    if (!report.remarks.empty()) {
        note += (note.empty() ? "" : "; ") + report.remarks;
    }
    return note;
}

#include "JobPlan.h"

#include <algorithm>

namespace tolvane {

bool ApplyPlan(const JobPlan& plan, AVConvert& job) {
    const auto count = static_cast<int>(std::min<std::size_t>(plan.tasks.size(), INT32_MAX));
    if (!job.ResetTasks(count)) {
        return false;
    }
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
        job.taskKind[i] = task.kind;
        job.taskTags[i] = task.tags;
        if (!task.source.empty()) {
            ++job.totalTasksShown;
            job.mergeTotalSeconds += length;
        }
    }
    static_cast<EncodeSettings&>(job) = plan.settings;
    job.coverFromVideo = plan.coverFromVideo;
    job.normalize = plan.normalize;
    job.loudnessTarget = plan.loudnessTarget;
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

}  // namespace tolvane

#include "MixPreview.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "AVConvert.h"
#include "JobPlan.h"
#include "JobPlanner.h"
#include "MediaProbe.h"
#include "Messages.h"
#include "Workers.h"

namespace tolvane {

MixPreview WriteMixPreview(const JobSettings& settings, JobRow row, double from, double seconds,
                           const std::string& folder) {
    JobDocument job;
    job.settings = settings;
    job.settings.outputFolder = folder;
    job.settings.merge = false;
    job.settings.normalize = false;
    job.settings.replayGain = GainTagChoice::Off;
    job.settings.coverFromVideo = false;
    job.settings.skipExisting = false;
    job.settings.keepFolders = false;
    job.settings.filesAtOnce = 1;

    std::vector<SourceFacts> facts(1);
    if (ProbeMedia(row.source, facts[0].probe) < 0) {
        return {{}, row.source + ": the file cannot be read"};
    }
    // From `from`, as far as the file (or the row's clip) goes.
    const double length = facts[0].Length();
    const double end = row.toEnd ? length : std::min(row.EndSeconds(), length);
    from = std::clamp(from, row.StartSeconds(), std::max(row.StartSeconds(), end - 0.5));
    row.checked = true;
    row.part = {};
    row.startMs = std::llround(from * 1000.0);
    row.endMs = std::llround(std::min(end, from + seconds) * 1000.0);
    row.toEnd = false;
    job.rows.push_back(row);

    const PlannedRun run = PlanJob(job, facts);
    if (!run.refusal.empty()) {
        return {{}, SayPieces(run.refusal)};
    }
    if (run.plan.tasks.empty()) {
        return {{}, "nothing to play"};
    }
    if (const std::string failure = MakeOutputFolders(run.plan); !failure.empty()) {
        return {{}, failure};
    }
    auto worker = std::make_unique<AVConvert>();
    ApplyPlan(run.plan, *worker);
    RunBatchWorker(*worker);
    if (worker->taskStatus[0].load() != AVConvert::kTaskConverted) {
        const std::string why =
            worker->taskReports.empty() ? std::string() : worker->taskReports[0].failure;
        return {{}, why.empty() ? "the preview could not be written" : why};
    }
    return {worker->outputPaths[0], {}};
}

}  // namespace tolvane

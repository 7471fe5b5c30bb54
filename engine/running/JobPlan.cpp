#include "JobPlan.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window and the command line translate these

#include <algorithm>

namespace tolvane {

std::string ChoicesRefusal(const RunChoices& c) {
    if (c.splitKinds > 1) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "split at the chapters, at a list of times, at the pauses or "
                                 "every so many minutes: one of them");
    }
    if (c.trimSilence && c.split) {
        return QT_TRANSLATE_NOOP(
            "Messages", "the parts of a split are back to back: --trim-silence trims whole files");
    }
    if (c.trimSilence && c.clipped) {
        return QT_TRANSLATE_NOOP(
            "Messages", "--trim-silence finds the clip itself; -s and -t do not go with it");
    }
    if (c.opusApplication && !c.opus) {
        return QT_TRANSLATE_NOOP("Messages", "--opus-application goes with Opus (-f opus)");
    }
    if (c.merge && c.slices > 1) {
        return QT_TRANSLATE_NOOP("Messages", "a merge makes one file: it cannot be run in slices");
    }
    if (c.copy && c.encoderNumbers) {
        return QT_TRANSLATE_NOOP(
            "Messages", "-f copy keeps the original sound; -e, -b, -r and -c do not go with it");
    }
    if (c.copy && c.normalize && c.merge) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "a merged copy keeps each file's sound as it is: it cannot be brought to one "
            "loudness (choose a format to convert to)");
    }
    if (c.normalize && c.replayGain != JobInput::ReplayGain::Off) {
        return QT_TRANSLATE_NOOP(
            "Messages", "normalising changes the sound, ReplayGain tags it: one or the other");
    }
    if (c.merge && c.replayGain != JobInput::ReplayGain::Off) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "ReplayGain tags files one by one; it does not go with a merge");
    }
    if (c.merge && c.split) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a split makes a file of each part; it does not go with a merge");
    }
    if (c.merge && c.clipped) {
        return QT_TRANSLATE_NOOP(
            "Messages", "a merge takes every file whole; a clip start or end does not go with it");
    }
    if (c.merge && c.allTracks) {
        return QT_TRANSLATE_NOOP(
            "Messages", "-a all writes a file per sound track; it does not go with --merge");
    }
    if (c.merge && c.skipExisting) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "--skip-existing works file by file; it does not go with --merge");
    }
    if (const std::string refusal = ListenShapeRefusal(c.listen); !refusal.empty()) {
        return refusal;
    }
    if (c.copy && c.mix) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a mix of sound tracks is an encode: a copy keeps one track as "
                                 "it is (choose a format to convert to)");
    }
    if (c.copy && c.channels) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a channel alone is an encode: a copy keeps every channel "
                                 "(choose a format to convert to)");
    }
    if (c.merge && c.channels) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a channel alone writes a file of its own; it does not go with a "
                                 "merge");
    }
    if (c.copy && c.listen.Any()) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "tempo, night mode and fades change the sound: a copy keeps it "
                                 "as it is (choose a format to convert to)");
    }
    if (c.video && c.listen.Tempo()) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "the tempo changes the sound alone: the pictures of a video "
                                 "output would no longer match it");
    }
    if (!c.merge && c.listen.crossfade > 0.0) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a crossfade joins the files of a merge: it needs a merge");
    }
    if (c.split && c.clipped) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a split makes a file of each part; it does not go with -s or -t");
    }
    return {};
}

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

}  // namespace tolvane

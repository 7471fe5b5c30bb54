#include "CliRun.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "AVConvert.h"
#include "CliReport.h"
#include "FFmpegHandles.h"
#include "FileInfoText.h"
#include "FileInfoValues.h"
#include "JobFile.h"
#include "JobPlan.h"
#include "JobPlanner.h"
#include "JobSettings.h"
#include "Loudness.h"
#include "MediaProbe.h"
#include "Messages.h"
#include "OutputFile.h"
#include "OutputFolder.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "SilenceFinder.h"
#include "SoundCopy.h"
#include "SoundTracks.h"
#include "SplitParts.h"
#include "ThreadBudget.h"
#include "TimeText.h"
#include "Workers.h"

namespace {

namespace fs = std::filesystem;

std::string FileNameOf(const std::string& path) {
    return std::string(FileNameOfPath(path));
}

void ReportInvalid(std::FILE* err, const std::string& path) {
    Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1 is invalid!"), {FileNameOf(path)});
}

// Probes `path` as adding it to the list does. Empty when it is usable; otherwise why not (the
// message is out already).
std::string ProbeSource(MediaProbeResult& probe, const std::string& path, std::FILE* err) {
    const std::string refusal = InputRefusal(path);
    if (!refusal.empty()) {
        Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1 is refused: %2"),
             {FileNameOf(path), tolvane::SayPieces(refusal)});
        return refusal;
    }
    if (tolvane::ProbeMedia(path, probe) < 0 || probe.durationSeconds < 0) {
        ReportInvalid(err, path);
        // A file that cannot be read at all says why (no permission), not that it is no media.
        if (::access(path.c_str(), R_OK) != 0) {
            return SystemErrorText(errno);
        }
        return "not a media file that can be read";
    }
    return {};
}

int PrintInfo(const CliOptions& options, std::FILE* out, std::FILE* err) {
    MediaProbeResult probe;
    int status = kCliAllConverted;
    for (const std::string& path : options.files) {
        if (!ProbeSource(probe, path, err).empty()) {
            status = kCliSomeFailed;
            continue;
        }
        const FileInfoTexts t = MakeFileInfoTexts(
            MakeFileInfoValues(probe, path, FormatTimeText(probe.durationSeconds)));
        std::fprintf(out,
                     "File Name:     %s\nMedia Length:  %s\nVideo\n  Resolution:  %s\n"
                     "  Frame Rate:  %s\n  Bit Rate:    %s\nAudio\n  Bit Rate:    %s\n"
                     "  Samples:     %s\n  Channel:     %s\n",
                     t.fileName.c_str(), t.length.c_str(), t.resolution.c_str(),
                     t.frameRate.c_str(), t.videoBitRate.c_str(), t.audioBitRate.c_str(),
                     t.samples.c_str(), t.channel.c_str());
        // The sound tracks to pick from with -a (the audio facts above are the last one's).
        std::fprintf(out, "Sound tracks\n");
        for (std::size_t n = 0; n < probe.soundTracks.size(); ++n) {
            std::fprintf(out, "  %s\n",
                         SoundTrackLabel(static_cast<int>(n + 1), probe.soundTracks[n]).c_str());
        }
        if (!probe.chapters.empty()) {
            std::string lines = ChapterLines(probe.chapters);
            for (std::size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 3) {
                lines.replace(at, 1, "\n  ");
            }
            std::fprintf(out, "Chapters\n  %s\n", lines.c_str());
        }
        if (options.loudness) {
            // The chosen sound track (the last one unless -a says), or with -a all each.
            const int tracks = static_cast<int>(probe.soundTracks.size());
            std::fprintf(out, "Loudness\n");
            for (int n = 1; n <= tracks; ++n) {
                const int wanted = options.soundTrack.value_or(tracks);
                if (options.allSoundTracks || n == wanted) {
                    const tolvane::LoudnessFacts facts = tolvane::MeasureLoudness(path, n);
                    std::fprintf(out, "  %d: %s\n", n, tolvane::LoudnessLine(facts).c_str());
                }
            }
        }
        std::fprintf(out, "\n");
    }
    return status;
}

// Ctrl-C and termination arrive on a descriptor that the progress loop polls: no handler runs
// inside the worker, and the worker is asked to stop like the window's Stop button does.
class InterruptSignals final {
public:
    InterruptSignals() {
        sigemptyset(&m_set);
        sigaddset(&m_set, SIGINT);
        sigaddset(&m_set, SIGTERM);
        sigaddset(&m_set, SIGHUP);  // the terminal closed
        // Blocked before the worker starts, so that it inherits the mask.
        pthread_sigmask(SIG_BLOCK, &m_set, &m_previous);
        m_fd = signalfd(-1, &m_set, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~InterruptSignals() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    // Waits up to `ms` for a signal; true when one came.
    bool Wait(int ms) {
        if (m_fd < 0) {
            ::usleep(static_cast<useconds_t>(ms) * 1000);
            return false;
        }
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0) {
            return false;
        }
        signalfd_siginfo info{};
        return ::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info);
    }

private:
    sigset_t m_set{};
    sigset_t m_previous{};
    int m_fd = -1;
};

// A task that a stop cut short leaves a playable but incomplete file; a run that skips existing
// outputs would never make it whole, so it goes.
void RemoveCutShortFiles(const AVConvert& job, int count) {
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (job.taskStatus[index].load() == AVConvert::kTaskPending &&
            job.taskReports[index].fileKept) {
            std::error_code ignored;
            std::filesystem::remove(job.outputPaths[index], ignored);
        }
    }
}

// The settings of a run that the options ask for.
JobSettings SettingsOf(const CliOptions& options, const CliProfile& profile) {
    JobSettings settings;
    settings.formatEntry = profile.entryText;
    settings.copySound = profile.copySound;
    settings.profile = profile.settings;
    settings.outputFolder = options.outputFolder;
    settings.merge = options.merge;
    settings.filesAtOnce = options.jobs.value_or(0);
    settings.normalize = options.normalize.has_value();
    settings.loudnessTarget = options.normalize.value_or(-16.0);
    settings.truePeakCeiling = options.truePeak;
    settings.replayGain = static_cast<GainTagChoice>(options.replayGain);
    settings.coverFromVideo = options.coverFromVideo;
    settings.coverFromVideoSeconds = options.coverFromVideoSeconds;
    settings.skipExisting = options.skipExisting;
    settings.keepFolders = options.keepFolders;
    settings.profile.listen = ListenOf(options);
    settings.profile.centerMixDb = options.centerMix.value_or(tolvane::kDefaultCenterMix);
    return settings;
}

}  // namespace

std::string ApplyOptionsToJob(const CliOptions& options, JobDocument& job) {
    JobSettings& settings = job.settings;
    // A new format keeps them.
    const tolvane::ListenShape listen = settings.profile.listen;
    const double centerMix = settings.profile.centerMixDb;
    if (options.format) {
        std::string error;
        const CliProfile profile = ResolveCliProfile(options, error);
        if (!error.empty()) {
            return error;
        }
        settings.formatEntry = profile.entryText;
        settings.copySound = profile.copySound;
        settings.profile = profile.settings;
    } else {
        // A bit rate, a sample rate or channels refine the job's own format.
        CliProfile own{settings.profile, settings.formatEntry, settings.copySound};
        std::string error;
        ApplyCliRefinements(options, own, error);
        if (!error.empty()) {
            return error;
        }
        settings.profile = own.settings;
    }
    if (options.outputFolderGiven) {
        settings.outputFolder = options.outputFolder;
    }
    if (options.jobs) {
        settings.filesAtOnce = *options.jobs;
    }
    settings.merge = settings.merge || options.merge;
    settings.skipExisting = settings.skipExisting || options.skipExisting;
    settings.keepFolders = settings.keepFolders || options.keepFolders;
    if (options.normalize) {
        settings.normalize = true;
        settings.loudnessTarget = *options.normalize;
    }
    if (options.truePeakGiven) {
        settings.truePeakCeiling = options.truePeak;
    }
    settings.profile.loudnessTarget = settings.normalize ? settings.loudnessTarget : 0.0;
    if (options.replayGain != JobInput::ReplayGain::Off) {
        settings.replayGain = static_cast<GainTagChoice>(options.replayGain);
    }
    if (options.coverFromVideo) {
        settings.coverFromVideo = true;
        settings.coverFromVideoSeconds = options.coverFromVideoSeconds;
    }
    if (settings.outputFolder.empty()) {
        settings.outputFolder = ".";
    }
    settings.profile.listen = ListenOf(options, listen);
    settings.profile.centerMixDb = options.centerMix.value_or(centerMix);
    return {};
}

namespace {

// Whether the planner refuses a run of `choices` with `settings`; says why on `err`.
bool RefusedRun(const tolvane::RunChoices& choices, const JobSettings& settings, std::FILE* err) {
    const tolvane::RunRefusal refusal = tolvane::RefuseRun(choices, settings);
    if (refusal.kind == tolvane::RunRefusalKind::Settings) {
        // Settings no file could be written with: no usage to show.
        std::fprintf(err, "tolvane-cli: %s\n", tolvane::SayPieces(refusal.text).c_str());
    } else if (refusal) {
        TellUsageError(err, tolvane::SayPieces(refusal.text));
    }
    return static_cast<bool>(refusal);
}

// Probes every input and makes its rows: the file whole (or its clip), the parts of a split,
// and with -a all a row per sound track of each. Inputs that cannot be used are reported and
// left out. `facts` gets one entry per row.
// A file's row split at its pauses or every so many minutes, or trimmed of the silence at its
// ends: its sound read once, its parts or its clip found in its levels, a line saying how it went.
// False, with `why`, when the sound cannot be read.
bool RowsAtPauses(const CliOptions& options, const std::string& path,
                  const MediaProbeResult& prober, std::FILE* err, std::vector<JobRow>& rows,
                  std::string& why) {
    const JobRow whole = rows.front();
    const double length = static_cast<double>(prober.durationMicros) / 1e6;
    tolvane::LevelsSpan span{path, whole.soundTrack, whole.StartSeconds(), 0.0, whole.toEnd, 0.0};
    span.length = whole.toEnd ? std::max(0.0, length - span.start)
                              : whole.EndSeconds() - whole.StartSeconds();
    span.spanLength = span.length;
    const tolvane::LevelsRead read =
        tolvane::ReadSoundLevels(span, tolvane::SoundReadersForCores());
    if (!read.read) {
        why = "cannot read its sound to find the pauses: " + read.failure;
        return false;
    }
    const SoundLevels& levels = read.levels;
    std::string note;
    if (options.trimSilence) {
        const SilenceTrim trim = TrimSilence(levels, SilenceRule{}.decibels, *options.trimSilence);
        rows.front().startMs = std::llround(trim.clip.start * 1000.0);
        rows.front().endMs = std::llround(trim.clip.end * 1000.0);
        rows.front().toEnd = whole.toEnd && trim.clip.end >= levels.End();
        note = trim.note;
    } else {
        const SilenceSplit split =
            options.splitSilence ? SplitAtSilences(levels, *options.splitSilence)
                                 : SplitEvery(levels, *options.splitEvery, SilenceRule{}.decibels);
        if (split.parts.size() > 1) {
            rows = tolvane::PartRows(whole, split.parts, tolvane::AlbumOf(path, prober));
        }
        note = split.note;
    }
    Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1: %2"), {FileNameOf(path), note});
    return true;
}

// The rows of one channel of `row`'s sound track alone, or of each of its channels, as the
// options ask (the row itself when they ask neither); empty, with `why`, when the track has no
// such channel.
std::vector<JobRow> ChannelRowsOf(const CliOptions& options, const MediaProbeResult& probe,
                                  const JobRow& row, std::string& why) {
    if (!options.pickChannel && !options.splitChannels) {
        return {row};
    }
    const auto tracks = static_cast<int>(probe.soundTracks.size());
    const int number = row.soundTrack > 0 ? row.soundTrack : tracks;
    if (number < 1 || number > tracks) {
        return {row};  // no such track: the plan says so
    }
    const SoundTrackFacts& track = probe.soundTracks[static_cast<std::size_t>(number) - 1];
    if (track.channelNames.empty()) {
        why = "the channels of sound track " + std::to_string(number) + " are not known";
        return {};
    }
    if (options.splitChannels) {
        return tolvane::ChannelRows(row, static_cast<int>(track.channelNames.size()));
    }
    JobRow picked = row;
    picked.channel = track.ChannelNumber(*options.pickChannel);
    if (picked.channel == 0) {
        std::string names;
        for (const std::string& name : track.channelNames) {
            names += (names.empty() ? "" : ", ") + name;
        }
        why = "sound track " + std::to_string(number) + " has no channel " + *options.pickChannel +
              " (it has " + names + ")";
        return {};
    }
    return {picked};
}

// False, with `why`, when a file has no sound track the options mix, or its sound track no
// channel they name.
bool BuildRows(const CliOptions& options, MediaProbeResult& prober, StatusReport& report,
               std::FILE* err, const std::string* splitList, JobDocument& job,
               std::vector<tolvane::SourceFacts>& facts, std::string& why) {
    for (const std::string& path : options.files) {
        const std::string unusable = ProbeSource(prober, path, err);
        if (!unusable.empty()) {
            report.ReportUnusable(path, unusable);
            continue;
        }
        const double length = static_cast<double>(prober.durationMicros) / 1e6;
        JobRow whole = tolvane::WholeRow(path, length, options.start.value_or(0.0),
                                         options.end ? &*options.end : nullptr);
        whole.soundTrack = options.soundTrack.value_or(0);
        whole.mix = options.mix;
        // The tracks the options mix are there, or the options are wrong for this file.
        why = tolvane::MixTracksMissing(options.mix, static_cast<int>(prober.soundTracks.size()));
        if (!why.empty()) {
            why = FileNameOf(path) + ": " + why;
            return false;
        }
        std::vector<JobRow> rows{whole};
        if (options.splitChapters || splitList != nullptr) {
            const SplitParse split = options.splitChapters
                                         ? PartsFromChapters(prober.chapters, length)
                                         : ParseSplitList(*splitList, length);
            for (const std::string& problem : split.problems) {
                Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1: %2 (left out)"),
                     {FileNameOf(path), problem});
            }
            if (split.parts.empty() && splitList != nullptr) {
                Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1: the list names no part"),
                     {FileNameOf(path)});
                report.ReportUnusable(path, "the list names no part of it");
                continue;
            }
            if (split.parts.empty()) {
                Tell(
                    err,
                    QT_TRANSLATE_NOOP("Messages", "File:%1 has no chapters: it is converted whole"),
                    {FileNameOf(path)});
            } else {
                rows = tolvane::PartRows(whole, split.parts, tolvane::AlbumOf(path, prober));
            }
        }
        if (options.splitSilence || options.splitEvery || options.trimSilence) {
            std::string why;
            if (!RowsAtPauses(options, path, prober, err, rows, why)) {
                report.ReportUnusable(path, why);
                continue;
            }
        }
        for (const JobRow& row : rows) {
            const std::vector<JobRow> tracks =
                options.allSoundTracks
                    ? tolvane::TrackRows(row, static_cast<int>(prober.soundTracks.size()))
                    : std::vector<JobRow>{row};
            for (const JobRow& each : tracks) {
                const std::vector<JobRow> channels = ChannelRowsOf(options, prober, each, why);
                if (!why.empty()) {
                    why = FileNameOf(path) + ": " + why;
                    return false;
                }
                for (const JobRow& channel : channels) {
                    job.rows.push_back(channel);
                    facts.push_back({{}, prober});
                }
            }
        }
    }
    return true;
}

// What each row of a job read from a file has as its source: each file probed once. Rows not in
// the slice are read only where their file has the name of one of the slice's (quietly): their
// outputs may ask for the same name, and every slice must name them as one run would.
std::vector<tolvane::SourceFacts> ProbeRows(const JobDocument& job, tolvane::JobSlice slice,
                                            MediaProbeResult& prober, std::FILE* err) {
    std::vector<tolvane::SourceFacts> facts(job.rows.size());
    std::set<std::string> names;  // the file names of the slice's rows, without extension
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        if (job.rows[i].checked && slice.Takes(i)) {
            names.insert(fs::path(job.rows[i].source).stem().string());
        }
    }
    std::map<std::string, std::size_t> probed;  // source → its first row
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        const JobRow& row = job.rows[i];
        const bool taken = slice.Takes(i);
        if (!row.checked || (!taken && names.count(fs::path(row.source).stem().string()) == 0)) {
            facts[i].read = false;
            continue;
        }
        if (const auto earlier = probed.find(row.source);
            earlier != probed.end() && (facts[earlier->second].read)) {
            facts[i] = facts[earlier->second];
            continue;
        }
        probed.emplace(row.source, i);
        facts[i].refusal = ProbeSource(prober, row.source, taken ? err : nullptr);
        facts[i].probe = prober;
    }
    return facts;
}

// Reports the rows that the plan leaves out and lists every row that runs with its task.
void ReportPlannedRows(const JobDocument& job, const std::vector<tolvane::SourceFacts>& facts,
                       const tolvane::PlannedRun& run, tolvane::JobSlice slice,
                       StatusReport& report, std::FILE* err, std::vector<CliInput>& inputs) {
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        const JobRow& row = job.rows[i];
        const tolvane::RowPlan& outcome = run.rows[i];
        if (!row.checked || !slice.Takes(i)) {
            continue;
        }
        inputs.push_back({row.source, outcome.task});
        if (!outcome.existing.empty()) {
            report.ReportSkipped(row.source, outcome.existing);
        } else if (!outcome.refusal.empty()) {
            if (facts[i].refusal.empty()) {  // a probe's refusal is out already
                Tell(err, QT_TRANSLATE_NOOP("Messages", "File:%1: %2"),
                     {FileNameOf(row.source), tolvane::SayPieces(outcome.refusal)});
            }
            report.ReportUnusable(row.source, outcome.refusal);
        }
    }
}

// What --check says of each row the slice takes: "Made" (a whole output is there under its
// name), "Missing" (with the name it would have) or "Failed" (with why it cannot be made), and
// a count of each. 0 when every row is made, else 1.
int ReportMadeRows(const JobDocument& job, const tolvane::PlannedRun& run, tolvane::JobSlice slice,
                   std::FILE* out, std::FILE* err) {
    int made = 0;
    int missing = 0;
    int failed = 0;
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        const JobRow& row = job.rows[i];
        const tolvane::RowPlan& outcome = run.rows[i];
        if (!row.checked || !slice.Takes(i)) {
            continue;
        }
        if (!outcome.existing.empty()) {
            std::fprintf(out, "Made\t%s\t%s\n", row.source.c_str(), outcome.existing.c_str());
            ++made;
        } else if (outcome.task >= 0) {
            const std::string& name = run.plan.tasks[static_cast<std::size_t>(outcome.task)].output;
            std::fprintf(out, "Missing\t%s\t%s\n", row.source.c_str(), name.c_str());
            ++missing;
        } else {
            std::fprintf(out, "Failed\t%s\t-\t%s\n", row.source.c_str(), outcome.refusal.c_str());
            ++failed;
        }
    }
    std::fflush(out);
    Tell(err, QT_TRANSLATE_NOOP("Messages", "%1 made, %2 missing, %3 failed"),
         {std::to_string(made), std::to_string(missing), std::to_string(failed)});
    return missing == 0 && failed == 0 ? kCliAllConverted : kCliSomeFailed;
}

// Runs the job on a worker, reporting each task as it ends; a signal asks the worker to stop.
// Returns whether a signal came.
bool RunWithSignals(AVConvert& job, const CliOptions& options, const JobSettings& settings,
                    StatusReport& report, const std::vector<CliInput>& inputs, std::FILE* err) {
    std::vector<std::string> sources;
    for (int i = 0; i < job.plan->TaskCount(); ++i) {
        sources.push_back(job.plan->Task(i).source);
    }
    bool interrupted = false;
    InterruptSignals signals;
    ProgressDisplay progress(err, options.quiet, settings.merge, sources);
    tolvane::ConversionThread worker;
    worker.Start(job, settings.merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
    while (worker.Running()) {
        if (signals.Wait(100) && !interrupted) {
            interrupted = true;
            job.stopRequested = true;
            progress.Finish();
            Tell(err, settings.skipExisting
                          ? QT_TRANSLATE_NOOP("Messages",
                                              "Stopping: a file cut short is removed, so that "
                                              "the next run makes it whole")
                          : QT_TRANSLATE_NOOP("Messages",
                                              "Stopping: closing the current file; it holds "
                                              "what was converted so far"));
        }
        // Lines and progress can share a terminal: a line goes out on a clean row.
        report.ReportFinished(job, inputs, [&progress] { progress.Finish(); });
        progress.Update(job);
    }
    worker.Join();
    progress.Finish();
    return interrupted;
}

}  // namespace

int RunCli(const CliOptions& options, std::FILE* out, std::FILE* err) {
    // Quiet: the library's own lines and the notes stay out; the status lines say it all.
    tolvane::SetQuietLog(options.quiet);
    if (options.info) {
        return PrintInfo(options, out, err);
    }
    if (options.writeJob) {
        if (const std::string refusal = JobFileTargetRefusal(*options.writeJob); !refusal.empty()) {
            Tell(err, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: cannot write the job %1: %2"),
                 {*options.writeJob, refusal});
            return kCliBadUsage;
        }
    }
    JobDocument job;
    std::optional<std::string> splitList;  // the list of a split at times, read once
    if (options.job) {
        JobRead read = ReadJobFile(*options.job);
        if (!read.job) {
            Tell(err, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: cannot run the job %1: %2"),
                 {*options.job, read.error});
            return kCliBadUsage;
        }
        job = std::move(*read.job);
    }
    {
        std::string error;
        const CliProfile profile = ResolveCliProfile(options, error);
        if (!error.empty()) {
            TellUsageError(err, error);
            return kCliBadUsage;
        }
        if (!options.job) {
            job.settings = SettingsOf(options, profile);
        } else if (const std::string refused = ApplyOptionsToJob(options, job); !refused.empty()) {
            TellUsageError(err, refused);
            return kCliBadUsage;
        }
    }
    tolvane::JobSlice slice{options.sliceNumber, options.sliceCount};
    if (options.sliceAuto) {
        const std::string why =
            SliceFromEnvironment(options.sliceAutoCount, &std::getenv, slice.number, slice.count);
        if (!why.empty()) {
            TellUsageError(err, why);
            return kCliBadUsage;
        }
    }
    // Choices, or an encoder and a container, that cannot go together stop the run before
    // anything is made, the output folder included (the planner's rules; its rows are counted
    // once they are known).
    tolvane::RunChoices choices = RunChoicesOf(options, job, slice.count);
    if (RefusedRun(choices, job.settings, err)) {
        return kCliBadUsage;
    }
    if (options.splitAt) {
        std::ifstream file;
        if (*options.splitAt != "-") {
            file.open(*options.splitAt);
            if (!file) {
                Tell(err,
                     QT_TRANSLATE_NOOP("Messages", "tolvane-cli: cannot read the list of times %1"),
                     {*options.splitAt});
                return kCliBadUsage;
            }
        }
        std::istream& in = *options.splitAt == "-" ? std::cin : file;
        splitList = std::string(std::istreambuf_iterator<char>(in), {});
    }
    auto worker = std::make_unique<AVConvert>();  // large: not on the stack
    MediaProbeResult prober;
    StatusReport report(out, options.json, job.settings.merge);
    std::vector<tolvane::SourceFacts> facts;
    if (options.job) {
        facts = ProbeRows(job, slice, prober, err);
    } else {
        std::string why;
        if (!BuildRows(options, prober, report, err, splitList ? &*splitList : nullptr, job, facts,
                       why)) {
            TellUsageError(err, why);
            return kCliBadUsage;
        }
    }
    if (!job.rows.empty()) {
        // The rows' own rules (a merge of one file, more than a run holds), as the planner has
        // them.
        choices.listed = static_cast<int>(job.rows.size());
        choices.rows = static_cast<int>(std::count_if(job.rows.begin(), job.rows.end(),
                                                      [](const JobRow& r) { return r.checked; }));
        if (RefusedRun(choices, job.settings, err)) {
            return kCliBadUsage;
        }
    }
    // Made once the rows are known to be good: a refused run leaves no folder behind.
    if (!options.writeJob && !options.check &&
        CheckRunFolder(job.settings.outputFolder, RunFolderMode::CreateIfMissing) !=
            RunFolderCheck::Accepted) {
        Tell(err, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: %1: %2"),
             {job.settings.outputFolder, tolvane::Say(kFolderMissingMessage)});
        return kCliBadUsage;
    }
    if (options.writeJob) {
        const std::string failure = WriteJobFile(*options.writeJob, job);
        if (!failure.empty()) {
            Tell(err, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: cannot write the job %1: %2"),
                 {*options.writeJob, failure});
            return kCliSomeFailed;
        }
        if (!options.quiet) {
            Tell(err, QT_TRANSLATE_NOOP("Messages", "Wrote the job of %1 rows to %2"),
                 {std::to_string(job.rows.size()), *options.writeJob});
        }
        return report.Failures() == 0 ? kCliAllConverted : kCliSomeFailed;
    }
    if (options.check) {
        job.settings.skipExisting = true;  // what is there is what is made
    }
    const tolvane::PlannedRun run = tolvane::PlanJob(job, facts, slice);
    if (!run.refusal.empty()) {
        std::string lines = tolvane::SayPieces(run.refusal);
        for (std::size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 14) {
            lines.replace(at, 1, "\ntolvane-cli: ");
        }
        std::fprintf(err, "tolvane-cli: %s\n", lines.c_str());
        return kCliBadUsage;
    }
    if (options.check) {
        return ReportMadeRows(job, run, slice, out, err);
    }
    if (const std::string failure = tolvane::MakeOutputFolders(run.plan); !failure.empty()) {
        Tell(err, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: %1"), {failure});
        return kCliSomeFailed;
    }
    std::vector<CliInput> inputs;  // every row with its task (-1: left out)
    ReportPlannedRows(job, facts, run, slice, report, err, inputs);
    if (run.plan.tasks.empty()) {
        return report.Failures() == 0 && !report.OutputFailed() ? kCliAllConverted : kCliSomeFailed;
    }
    tolvane::ApplyPlan(run.plan, *worker);
    const bool interrupted = RunWithSignals(*worker, options, job.settings, report, inputs, err);
    if (job.settings.skipExisting) {
        RemoveCutShortFiles(*worker, worker->taskCount);
    }
    report.ReportRest(*worker, inputs);
    return report.Failures() == 0 && !interrupted && !report.OutputFailed() ? kCliAllConverted
                                                                            : kCliSomeFailed;
}

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
#include <string>
#include <vector>

#include "AVConvert.h"
#include "CliReport.h"
#include "FFmpegHandles.h"
#include "FileInfoText.h"
#include "FileInfoValues.h"
#include "JobPlan.h"
#include "JobSettings.h"
#include "Loudness.h"
#include "OutputFile.h"
#include "OutputFolder.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "SoundCopy.h"
#include "SoundTracks.h"
#include "SplitParts.h"
#include "TimeText.h"
#include "Workers.h"

namespace {

namespace fs = std::filesystem;

std::string FileNameOf(const std::string& path) {
    return std::string(FileNameOfPath(path));
}

void ReportInvalid(std::FILE* err, const std::string& path) {
    std::fprintf(err, "File:%s is invalid!\n", FileNameOf(path).c_str());
}

// Probes `path` as adding it to the list does. Empty when it is usable; otherwise why not (the
// message is out already).
std::string ProbeSource(AVConvert& job, const std::string& path, std::FILE* err) {
    const std::string refusal = InputRefusal(path);
    if (!refusal.empty()) {
        std::fprintf(err, "File:%s is refused: %s\n", FileNameOf(path).c_str(), refusal.c_str());
        return refusal;
    }
    job.probePath = path;
    if (job.ProbeMedia() < 0 || job.probe.durationSeconds < 0) {
        ReportInvalid(err, path);
        // A file that cannot be read at all says why (no permission), not that it is no media.
        if (::access(path.c_str(), R_OK) != 0) {
            return std::strerror(errno);
        }
        return "not a media file that can be read";
    }
    return {};
}

int PrintInfo(const CliOptions& options, std::FILE* out, std::FILE* err) {
    AVConvert job;
    int status = kCliAllConverted;
    for (const std::string& path : options.files) {
        if (!ProbeSource(job, path, err).empty()) {
            status = kCliSomeFailed;
            continue;
        }
        const FileInfoTexts t = MakeFileInfoTexts(
            MakeFileInfoValues(job.probe, path, FormatTimeText(job.probe.durationSeconds)));
        std::fprintf(out,
                     "File Name:     %s\nMedia Length:  %s\nVideo\n  Resolution:  %s\n"
                     "  Frame Rate:  %s\n  Bit Rate:    %s\nAudio\n  Bit Rate:    %s\n"
                     "  Samples:     %s\n  Channel:     %s\n",
                     t.fileName.c_str(), t.length.c_str(), t.resolution.c_str(),
                     t.frameRate.c_str(), t.videoBitRate.c_str(), t.audioBitRate.c_str(),
                     t.samples.c_str(), t.channel.c_str());
        // The sound tracks to pick from with -a (the audio facts above are the last one's).
        std::fprintf(out, "Sound tracks\n");
        for (std::size_t n = 0; n < job.probe.soundTracks.size(); ++n) {
            std::fprintf(
                out, "  %s\n",
                SoundTrackLabel(static_cast<int>(n + 1), job.probe.soundTracks[n]).c_str());
        }
        if (!job.probe.chapters.empty()) {
            std::string lines = ChapterLines(job.probe.chapters);
            for (std::size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 3) {
                lines.replace(at, 1, "\n  ");
            }
            std::fprintf(out, "Chapters\n  %s\n", lines.c_str());
        }
        if (options.loudness) {
            // The chosen sound track (the last one unless -a says), or with -a all each.
            const int tracks = static_cast<int>(job.probe.soundTracks.size());
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

// "out/film.mp3" for track 2 in English: "out/film.2.eng.mp3" (only letters, digits, "-" and "_"
// of the language are kept).
std::string TrackOutputPath(const std::string& output, int number, const std::string& language) {
    std::string tag = "." + std::to_string(number);
    std::string lang;
    for (const char c : language) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_') {
            lang += c;
        }
    }
    if (!lang.empty()) {
        tag += "." + lang;
    }
    std::string path = output;
    path.insert(ExtensionStart(path), tag);
    return path;
}

// `name` numbered ("name(0).ext", ...) until neither a file nor an earlier input of the run has
// it.
std::string FreeUnplannedName(const std::string& name,
                              const std::map<std::string, std::string>& planned) {
    std::string candidate = name;
    for (int counter = 0; counter < 1000000; ++counter) {
        std::error_code ignored;
        if (planned.count(candidate) == 0 &&
            fs::symlink_status(candidate, ignored).type() == fs::file_type::not_found) {
            return candidate;
        }
        candidate = tolvane::NumberedName(name, counter);
    }
    return name;  // the worker numbers it when it creates it
}

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

// The folder every input is in, at some depth (for --keep-folders).
fs::path CommonFolder(const std::vector<std::string>& files) {
    std::optional<fs::path> common;
    for (const std::string& file : files) {
        std::error_code ignored;
        const fs::path folder = fs::absolute(file, ignored).lexically_normal().parent_path();
        if (!common) {
            common = folder;
            continue;
        }
        fs::path shared;
        for (auto a = common->begin(), b = folder.begin(); a != common->end() && b != folder.end();
             ++a, ++b) {
            if (*a != *b) {
                break;
            }
            shared /= *a;
        }
        common = shared;
    }
    return common.value_or(fs::path("."));
}

// The output folder of `input`: the run's, or with --keep-folders the input's folder relative
// to `common` under it (made when missing). Empty, with `failure` set, when it cannot be made.
std::string OutputFolderFor(const CliOptions& options, const fs::path& common,
                            const std::string& input, std::string& failure) {
    if (!options.keepFolders) {
        return options.outputFolder;
    }
    std::error_code error;
    const fs::path folder = fs::absolute(input, error).lexically_normal().parent_path();
    const fs::path target = fs::path(options.outputFolder) / folder.lexically_relative(common);
    fs::create_directories(target, error);
    if (error) {
        failure = "cannot make the output folder " + target.string() + ": " + error.message();
        return {};
    }
    return target.lexically_normal().string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ignored;
    return fs::equivalent(a, b, ignored);
}

// Probes every input and plans its task (with -a all, one per sound track); inputs that
// cannot be used or whose output exists (--skip-existing) are reported and left out. Names are
// given in input order: a name an earlier input of the run has is never another's, so a later
// one gets the next free numbered name; with --skip-existing, where an earlier input's output
// would be taken for a later one's, the run is refused. Returns false, with the message out,
// when the run cannot be planned.
bool PlanTasks(const CliOptions& options, const CliProfile& profile, AVConvert& prober,
               StatusReport& report, std::FILE* err, tolvane::JobPlan& plan,
               std::vector<CliInput>& inputs, const std::string* splitList) {
    const fs::path common = CommonFolder(options.files);
    std::map<std::string, std::string> planned;  // output name → the input that has it
    std::vector<std::string> collisions;
    for (const std::string& path : options.files) {
        inputs.push_back({path, -1});
        const std::string unusable = ProbeSource(prober, path, err);
        if (!unusable.empty()) {
            report.ReportUnusable(path, unusable);
            continue;
        }
        const auto tracks = static_cast<int>(prober.probe.soundTracks.size());
        const int wanted = options.allSoundTracks ? 1 : options.soundTrack.value_or(0);
        if (wanted > tracks) {
            const std::string reason = "no sound track " + std::to_string(wanted) + " (it has " +
                                       std::to_string(tracks) + ")";
            std::fprintf(err, "File:%s has %s\n", FileNameOf(path).c_str(), reason.c_str());
            report.ReportUnusable(path, reason);
            continue;
        }
        const double length = static_cast<double>(prober.probe.durationMicros) / 1e6;
        const double start = options.start.value_or(0.0);
        const bool toEnd = !options.end || *options.end >= length;
        const double end = toEnd ? std::max(length, start) : *options.end;
        // The file whole (or its clip), or the parts of a split.
        std::vector<SplitPart> parts;
        if (options.splitChapters || splitList != nullptr) {
            const SplitParse split = options.splitChapters
                                         ? PartsFromChapters(prober.probe.chapters, length)
                                         : ParseSplitList(*splitList, length);
            for (const std::string& problem : split.problems) {
                std::fprintf(err, "File:%s: %s (left out)\n", FileNameOf(path).c_str(),
                             problem.c_str());
            }
            parts = split.parts;
            if (parts.empty() && splitList != nullptr) {
                std::fprintf(err, "File:%s: the list names no part\n", FileNameOf(path).c_str());
                report.ReportUnusable(path, "the list names no part of it");
                continue;
            }
            if (parts.empty()) {
                std::fprintf(err, "File:%s has no chapters: it is converted whole\n",
                             FileNameOf(path).c_str());
            }
        }
        const bool split = !parts.empty();
        if (!split) {
            parts.push_back({start, end, toEnd, {}});
        }
        std::string folderFailure;
        const std::string folder = OutputFolderFor(options, common, path, folderFailure);
        if (folder.empty()) {
            std::fprintf(err, "tolvane-cli: %s\n", folderFailure.c_str());
            report.ReportUnusable(path, folderFailure);
            continue;
        }
        const auto output = OutputPathForTask(path, folder, profile.entryText);
        if (!output) {
            std::fprintf(err, "File:%s has no extension to replace\n", FileNameOf(path).c_str());
            report.ReportUnusable(path, "no extension to replace");
            continue;
        }
        if (!options.merge && (toEnd ? start > 0 && start >= length : start >= end)) {
            std::fprintf(err, "File:%s is shorter than the clip start\n", FileNameOf(path).c_str());
            report.ReportUnusable(path, "shorter than the clip start");
            continue;
        }
        // One task, or with -a all one per sound track ("name.2.eng.mp3"), for each part.
        const int last = options.allSoundTracks ? tracks : 1;
        const std::string album =
            !prober.probe.title.empty() ? prober.probe.title : fs::path(path).stem().string();
        for (std::size_t p = 0; p < parts.size(); ++p) {
            const SplitPart& part = parts[p];
            const int count = static_cast<int>(parts.size());
            const int number = static_cast<int>(p) + 1;
            TaskTags tags;
            if (split) {
                tags = {part.title.empty() ? "Part " + std::to_string(number) : part.title,
                        std::to_string(number) + "/" + std::to_string(count), album};
            }
            for (int n = 1; n <= last; ++n) {
                const int track = options.allSoundTracks ? n : wanted;
                const SoundTrackFacts none;  // a file without sound fails in the run
                const SoundTrackFacts& facts =
                    tracks == 0 ? none
                                : prober.probe.soundTracks[static_cast<std::size_t>(
                                      (track > 0 ? track : tracks) - 1)];
                // A copied sound goes into a container of its codec's own.
                std::string name =
                    profile.copySound
                        ? WithExtension(*output,
                                        tolvane::CopyContainerForCodecName(facts.codec).extension)
                        : *output;
                if (split) {
                    const fs::path whole(name);
                    const std::string extension = whole.extension().string();
                    name = (whole.parent_path() / (PartFileStem(whole.stem().string(), number,
                                                                count, part.title, extension) +
                                                   extension))
                               .string();
                }
                if (options.allSoundTracks) {
                    name = TrackOutputPath(name, n, facts.language);
                }
                if (n > 1 || p > 0) {
                    inputs.push_back({path, -1});
                }
                if (const auto earlier = planned.find(name);
                    earlier != planned.end() && options.skipExisting) {
                    collisions.push_back(earlier->second + " and " + path + " would both write " +
                                         name);
                    continue;
                }
                if (!options.skipExisting) {
                    name = FreeUnplannedName(name, planned);
                }
                planned.emplace(name, path);
                std::error_code ignored;
                if (options.skipExisting && SameFile(name, path)) {
                    // The source itself is no output: converting it would write "name(0)", which
                    // the next run would not find.
                    std::fprintf(err, "File:%s would be its own output\n",
                                 FileNameOf(path).c_str());
                    report.ReportUnusable(path,
                                          "its output would be the source itself; choose "
                                          "another output folder");
                } else if (options.skipExisting &&
                           fs::symlink_status(name, ignored).type() != fs::file_type::not_found) {
                    report.ReportSkipped(path, name);
                } else if (plan.tasks.size() >= static_cast<std::size_t>(AVConvert::kMaxTasks)) {
                    std::fprintf(err, "tolvane-cli: at most %d files per run\n",
                                 AVConvert::kMaxTasks);
                    return false;
                } else {
                    inputs.back().task = static_cast<int>(plan.tasks.size());
                    plan.tasks.push_back({path, name, part.start, part.end, part.toEnd, track,
                                          profile.copySound ? TaskKind::Copy : TaskKind::Convert,
                                          tags});
                }
            }
        }
    }
    for (const std::string& collision : collisions) {
        std::fprintf(err,
                     "tolvane-cli: %s; with --skip-existing each input needs a name of "
                     "its own (--keep-folders keeps their folders apart)\n",
                     collision.c_str());
    }
    return collisions.empty();
}

// Runs the job on a worker, reporting each task as it ends; a signal asks the worker to stop.
// Returns whether a signal came.
bool RunWithSignals(AVConvert& job, const CliOptions& options, StatusReport& report,
                    const std::vector<CliInput>& inputs, std::FILE* err) {
    std::vector<std::string> sources;
    for (int i = 0; i < job.taskCount; ++i) {
        sources.push_back(job.sourcePaths[static_cast<std::size_t>(i)]);
    }
    bool interrupted = false;
    InterruptSignals signals;
    ProgressDisplay progress(err, options.quiet, options.merge, sources);
    tolvane::ConversionThread worker;
    worker.Start(job, options.merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
    while (worker.Running()) {
        if (signals.Wait(100) && !interrupted) {
            interrupted = true;
            job.stopRequested = true;
            progress.Finish();
            std::fprintf(err, options.skipExisting
                                  ? "Stopping: a file cut short is removed, so that the next "
                                    "run makes it whole\n"
                                  : "Stopping: closing the current file; it holds what was "
                                    "converted so far\n");
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
    std::string error;
    const CliProfile profile = ResolveCliProfile(options, error);
    if (!error.empty()) {
        std::fprintf(err, "tolvane-cli: %s\nTry 'tolvane-cli --help'.\n", error.c_str());
        return kCliBadUsage;
    }
    {
        // Choices, or an encoder and a container, that cannot go together stop the run before
        // anything is made, the output folder included.
        tolvane::RunChoices choices;
        choices.copy = profile.copySound;
        choices.merge = options.merge;
        choices.split = options.splitChapters || options.splitAt.has_value();
        choices.clipped = options.start.has_value() || options.end.has_value();
        choices.normalize = options.normalize.has_value();
        choices.replayGain = options.replayGain;
        if (const std::string refusal = tolvane::ChoicesRefusal(choices); !refusal.empty()) {
            std::fprintf(err, "tolvane-cli: %s\nTry 'tolvane-cli --help'.\n", refusal.c_str());
            return kCliBadUsage;
        }
        const std::string refusal = tolvane::ProfileRefusal(profile.settings, profile.entryText);
        if (!refusal.empty()) {
            std::fprintf(err, "tolvane-cli: %s\n", refusal.c_str());
            return kCliBadUsage;
        }
    }
    // The list of a split at times, read once for every file.
    std::optional<std::string> splitList;
    if (options.splitAt) {
        std::ifstream file;
        if (*options.splitAt != "-") {
            file.open(*options.splitAt);
            if (!file) {
                std::fprintf(err, "tolvane-cli: cannot read the list of times %s\n",
                             options.splitAt->c_str());
                return kCliBadUsage;
            }
        }
        std::istream& in = *options.splitAt == "-" ? std::cin : file;
        splitList = std::string(std::istreambuf_iterator<char>(in), {});
    }
    if (CheckRunFolder(options.outputFolder, RunFolderMode::CreateIfMissing) !=
        RunFolderCheck::Accepted) {
        std::fprintf(err, "tolvane-cli: %s: %s\n", options.outputFolder.c_str(),
                     kFolderMissingMessage);
        return kCliBadUsage;
    }

    auto job = std::make_unique<AVConvert>();  // large: not on the stack
    tolvane::JobPlan plan;
    plan.merge = options.merge;
    plan.parallelTasks = options.jobs.value_or(tolvane::TasksAtOnceForCores());
    plan.coverFromVideo = options.coverFromVideo;
    plan.coverFromVideoSeconds = options.coverFromVideoSeconds;
    plan.normalize = options.normalize.has_value();
    plan.loudnessTarget = options.normalize.value_or(-16.0);
    plan.truePeakCeiling = options.truePeak;
    plan.replayGain = options.replayGain;
    tolvane::CopySettingsToJob(profile.settings, plan.settings);
    std::vector<CliInput> inputs;  // every input with its task (-1: left out)
    StatusReport report(out, options.json, options.merge);
    if (!PlanTasks(options, profile, *job, report, err, plan, inputs,
                   splitList ? &*splitList : nullptr)) {
        return kCliBadUsage;
    }
    if (plan.tasks.empty()) {
        return report.Failures() == 0 && !report.OutputFailed() ? kCliAllConverted : kCliSomeFailed;
    }
    tolvane::ApplyPlan(plan, *job);
    const bool interrupted = RunWithSignals(*job, options, report, inputs, err);
    if (options.skipExisting) {
        RemoveCutShortFiles(*job, job->taskCount);
    }
    report.ReportRest(*job, inputs);
    return report.Failures() == 0 && !interrupted && !report.OutputFailed() ? kCliAllConverted
                                                                            : kCliSomeFailed;
}

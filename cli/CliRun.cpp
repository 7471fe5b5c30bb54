#include "CliRun.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AVConvert.h"
#include "FileInfoText.h"
#include "FileInfoValues.h"
#include "JobSettings.h"
#include "OutputFolder.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "TimeText.h"
#include "Workers.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string FileNameOf(const std::string& path) {
    return std::string(FileNameOfPath(path));
}

void ReportInvalid(std::FILE* err, const std::string& path) {
    std::fprintf(err, "File:%s is invalid!\n", FileNameOf(path).c_str());
}

// Probes `path` as adding it to the list does. False (with the message) when it is unusable.
bool ProbeSource(AVConvert& job, const std::string& path, std::FILE* err) {
    const std::string refusal = InputRefusal(path);
    if (!refusal.empty()) {
        std::fprintf(err, "File:%s is refused: %s\n", FileNameOf(path).c_str(), refusal.c_str());
        return false;
    }
    job.probePath = path;
    if (job.ProbeMedia() < 0 || job.probe.durationSeconds < 0) {
        ReportInvalid(err, path);
        return false;
    }
    return true;
}

int PrintInfo(const CliOptions& options, std::FILE* out, std::FILE* err) {
    AVConvert job;
    int status = kCliAllConverted;
    for (const std::string& path : options.files) {
        if (!ProbeSource(job, path, err)) {
            status = kCliSomeFailed;
            continue;
        }
        const FileInfoTexts t = MakeFileInfoTexts(
            MakeFileInfoValues(job.probe, path, FormatTimeText(job.probe.durationSeconds)));
        std::fprintf(out,
                     "File Name:     %s\nMedia Length:  %s\nVideo\n  Resolution:  %s\n"
                     "  Frame Rate:  %s\n  Bit Rate:    %s\nAudio\n  Bit Rate:    %s\n"
                     "  Samples:     %s\n  Channel:     %s\n\n",
                     t.fileName.c_str(), t.length.c_str(), t.resolution.c_str(),
                     t.frameRate.c_str(), t.videoBitRate.c_str(), t.audioBitRate.c_str(),
                     t.samples.c_str(), t.channel.c_str());
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

// A name in a status line: one line, one field, whatever the name holds.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// One line per input, in input order: its status, the input, and the file written ("-" when
// none exists). Returns how many of the run's tasks did not convert.
int PrintStatusLines(std::FILE* out, const std::vector<std::string>& inputs,
                     const std::vector<int>& rowOfInput, const AVConvert& job, bool merge) {
    int failures = 0;
    const int merged = job.mergeOutputTask.load();
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        const int task = rowOfInput[n];
        std::uint8_t status = AVConvert::kTaskFailed;
        std::string written;
        if (task >= 0) {
            status = job.taskStatus[static_cast<std::size_t>(task)].load();
            failures += status == AVConvert::kTaskConverted ? 0 : 1;
            const int file = merge ? merged : task;
            if (file >= 0) {
                written = job.outputPaths[static_cast<std::size_t>(file)];
            }
        }
        std::error_code error;
        const bool exists = !written.empty() && std::filesystem::exists(written, error);
        const char* text = status == AVConvert::kTaskConverted ? "Completed"
                           : status == AVConvert::kTaskFailed  ? "Failure"
                                                               : "Stopped";
        std::fprintf(out, "%s\t%s\t%s\n", text, Escaped(inputs[n]).c_str(),
                     exists ? Escaped(written).c_str() : "-");
    }
    std::fflush(out);
    return failures;
}

std::string Clock3(double seconds) {
    return FormatTimeText(static_cast<std::int64_t>(std::max(0.0, seconds)));
}

// Shows what the worker is doing: one rewritten line on a terminal, plain lines otherwise.
class ProgressDisplay final {
public:
    ProgressDisplay(std::FILE* err, bool quiet, bool merge, const std::vector<std::string>& files)
        : m_err(err),
          m_quiet(quiet),
          m_merge(merge),
          m_files(files),
          m_terminal(::isatty(::fileno(err)) != 0),
          m_start(Clock::now()) {}

    void Update(const AVConvert& job) {
        if (m_quiet) {
            return;
        }
        const int total = job.taskCount;
        const int current = std::min(job.currentTask.load(), total - 1);
        if (current < 0) {
            return;
        }
        const int percent = std::max(0, job.fileProgress.load());
        if (!m_terminal) {
            while (m_lastShown < current) {
                ++m_lastShown;
                std::fprintf(m_err, "Converting %d/%d: %s\n", m_lastShown + 1, total,
                             m_files[static_cast<std::size_t>(m_lastShown)].c_str());
            }
            return;
        }
        const double elapsed = std::chrono::duration<double>(Clock::now() - m_start).count();
        const double done =
            m_merge ? percent / 100.0 : (current + percent / 100.0) / std::max(total, 1);
        const std::string left = done > 0.01 ? Clock3(elapsed * (1 - done) / done) : "--:--:--";
        std::fprintf(m_err, "\r\033[K[%d/%d] %s  %3d%%  elapsed %s  left %s", current + 1, total,
                     FileNameOf(m_files[static_cast<std::size_t>(current)]).c_str(), percent,
                     Clock3(elapsed).c_str(), left.c_str());
        std::fflush(m_err);
    }

    void Finish() {
        if (!m_quiet && m_terminal) {
            std::fprintf(m_err, "\r\033[K");
            std::fflush(m_err);
        }
    }

private:
    std::FILE* m_err;
    bool m_quiet;
    bool m_merge;
    const std::vector<std::string>& m_files;
    bool m_terminal;
    Clock::time_point m_start;
    int m_lastShown = -1;
};

}  // namespace

int RunCli(const CliOptions& options, std::FILE* out, std::FILE* err) {
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
        // An encoder and a container that cannot go together stop the run before anything is
        // made, the output folder included.
        const std::string refusal = tolvane::ProfileRefusal(profile.settings, profile.entryText);
        if (!refusal.empty()) {
            std::fprintf(err, "tolvane-cli: %s\n", refusal.c_str());
            return kCliBadUsage;
        }
    }
    if (CheckRunFolder(options.outputFolder, RunFolderMode::CreateIfMissing) !=
        RunFolderCheck::Accepted) {
        std::fprintf(err, "tolvane-cli: %s: %s\n", options.outputFolder.c_str(),
                     kFolderMissingMessage);
        return kCliBadUsage;
    }

    // The tasks, as the window's rows would hold them.
    auto job = std::make_unique<AVConvert>();
    struct Row {
        std::string source;
        std::string output;
        double start;
        double end;
        bool toEnd;  // no end given (or one past the sound): to the end of the sound
    };
    std::vector<Row> rows;
    std::vector<int> rowOfInput;  // per input: its task, or -1 when it was skipped
    int skipped = 0;
    for (const std::string& path : options.files) {
        rowOfInput.push_back(-1);
        if (!ProbeSource(*job, path, err)) {
            ++skipped;
            continue;
        }
        const double length = static_cast<double>(job->probe.durationMicros) / 1e6;
        const double start = options.start.value_or(0.0);
        const bool toEnd = !options.end || *options.end >= length;
        const double end = toEnd ? std::max(length, start) : *options.end;
        const auto output = OutputPathForTask(path, options.outputFolder, profile.entryText);
        if (!output) {
            std::fprintf(err, "File:%s has no extension to replace\n", FileNameOf(path).c_str());
            ++skipped;
        } else if (!options.merge && (toEnd ? start > 0 && start >= length : start >= end)) {
            std::fprintf(err, "File:%s is shorter than the clip start\n", FileNameOf(path).c_str());
            ++skipped;
        } else if (rows.size() >= static_cast<std::size_t>(AVConvert::kMaxTasks)) {
            std::fprintf(err, "tolvane-cli: at most %d files per run\n", AVConvert::kMaxTasks);
            return kCliBadUsage;
        } else {
            rowOfInput.back() = static_cast<int>(rows.size());
            rows.push_back({path, *output, start, end, toEnd});
        }
    }
    if (rows.empty()) {
        PrintStatusLines(out, options.files, rowOfInput, *job, false);
        return kCliSomeFailed;
    }

    const int count = static_cast<int>(rows.size());
    job->totalTasksShown = count;
    job->ResetTasks(count);
    job->fileProgress = -1;
    job->mergeTotalSeconds = 0;
    std::vector<std::string> sources;
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[static_cast<std::size_t>(i)];
        job->sourcePaths[static_cast<std::size_t>(i)] = row.source;
        job->outputPaths[static_cast<std::size_t>(i)] = row.output;
        job->clipStart[static_cast<std::size_t>(i)] = row.start;
        job->clipEnd[static_cast<std::size_t>(i)] = row.end;
        job->clipLength[static_cast<std::size_t>(i)] = row.end - row.start;
        job->clipToEnd[static_cast<std::size_t>(i)] = row.toEnd;
        job->mergeTotalSeconds += static_cast<int>(std::max(0.0, row.end - row.start));
        sources.push_back(row.source);
    }
    tolvane::CopySettingsToJob(profile.settings, *job);
    job->currentTask = -1;
    job->stopRequested = false;
    job->fileProgress = 0;

    bool interrupted = false;
    {
        InterruptSignals signals;
        ProgressDisplay progress(err, options.quiet, options.merge, sources);
        tolvane::ConversionThread worker;
        worker.Start(*job, options.merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
        while (worker.Running()) {
            if (signals.Wait(100) && !interrupted) {
                interrupted = true;
                job->stopRequested = true;
                progress.Finish();
                std::fprintf(err,
                             "Stopping: closing the current file; it holds what was converted so "
                             "far\n");
            }
            progress.Update(*job);
        }
        worker.Join();
        progress.Finish();
    }

    const int failures =
        skipped + PrintStatusLines(out, options.files, rowOfInput, *job, options.merge);
    return failures == 0 && !interrupted ? kCliAllConverted : kCliSomeFailed;
}

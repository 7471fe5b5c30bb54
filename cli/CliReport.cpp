#include "CliReport.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "AVConvert.h"
#include "Json.h"
#include "Messages.h"
#include "Numbers.h"
#include "Paths.h"
#include "TimeText.h"

void Tell(std::FILE* to, const char* text, std::initializer_list<std::string_view> args) {
    if (to == nullptr) {
        return;  // a quiet look
    }
    std::fprintf(to, "%s\n", tolvane::Say(text, args).c_str());
}

void TellUsageError(std::FILE* to, const std::string& error) {
    Tell(to, QT_TRANSLATE_NOOP("Messages", "tolvane-cli: %1\nTry 'tolvane-cli --help'."), {error});
}

namespace {

bool Finished(std::uint8_t status) {
    return status == AVConvert::kTaskConverted || status == AVConvert::kTaskFailed;
}

std::uint8_t StatusOf(const AVConvert& job, int task) {
    return job.taskStatus[static_cast<std::size_t>(task)].load(std::memory_order_acquire);
}

// Length of the UTF-8 sequence that starts `text` at `at`, 0 when it is not one.
std::string Seconds(double seconds) {
    return FormatFixed(std::max(0.0, seconds), 3);
}

std::string Clock3(double seconds) {
    return FormatTimeText(static_cast<std::int64_t>(std::max(0.0, seconds)));
}

}  // namespace

std::string EscapedForLine(const std::string& text) {
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

bool IsUtf8(const std::string& text) {
    return IsValidUtf8(text);
}

std::string EscapedBytes(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7F) {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string JsonString(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, at);
            if (length == 0) {
                json += "\\ufffd";
                ++at;
            } else {
                json.append(text, at, length);
                at += length;
            }
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            json += "\\u00";
            json += kHex[c >> 4];
            json += kHex[c & 0xF];
        } else {
            json += static_cast<char>(c);
        }
        ++at;
    }
    json += '"';
    return json;
}

StatusReport::StatusReport(std::FILE* out, bool json, bool merge)
    : m_out(out), m_json(json), m_merge(merge) {}

void StatusReport::Print(const char* status, const std::string& input, const std::string& written,
                         double soundSeconds, double wallSeconds, const std::string& failure,
                         const std::string& note) {
    if (m_outputFailed) {
        return;
    }
    if (!m_json) {
        static constexpr struct {
            const char* status;
            const char* line;
        } kLines[] = {{"converted", "Completed"},
                      {"failed", "Failure"},
                      {"stopped", "Stopped"},
                      {"skipped", "Skipped"}};
        const char* line = "Failure";
        for (const auto& entry : kLines) {
            line = std::string_view(entry.status) == status ? entry.line : line;
        }
        // A failure says why in a fourth field; a conversion of a damaged source says where
        // its sound ends there.
        const std::string& why = failure.empty() ? note : failure;
        std::fprintf(m_out, "%s\t%s\t%s%s%s\n", line, EscapedForLine(input).c_str(),
                     written.empty() ? "-" : EscapedForLine(written).c_str(),
                     why.empty() ? "" : "\t", EscapedForLine(why).c_str());
    } else {
        std::string object = "{\"source\": " + JsonString(input) +
                             ", \"output\": " + (written.empty() ? "null" : JsonString(written)) +
                             ", \"status\": \"" + status +
                             "\", \"sound_seconds\": " + Seconds(soundSeconds) +
                             ", \"wall_seconds\": " + Seconds(wallSeconds) +
                             ", \"failure\": " + (failure.empty() ? "null" : JsonString(failure)) +
                             ", \"note\": " + (note.empty() ? "null" : JsonString(note));
        // A name that is not UTF-8 cannot be given as a JSON string: its exact bytes follow.
        if (!IsUtf8(input)) {
            object += ", \"source_bytes\": " + JsonString(EscapedBytes(input));
        }
        if (!written.empty() && !IsUtf8(written)) {
            object += ", \"output_bytes\": " + JsonString(EscapedBytes(written));
        }
        object += "}";
        std::fprintf(m_out, "%s\n", object.c_str());
    }
    if (std::fflush(m_out) != 0 || std::ferror(m_out) != 0) {
        m_outputFailed = true;
    }
}

void StatusReport::ReportUnusable(const std::string& input, const std::string& reason) {
    ++m_failures;
    Print("failed", input, std::string(), 0.0, 0.0, reason);
}

void StatusReport::ReportSkipped(const std::string& input, const std::string& existing) {
    Print("skipped", input, existing, 0.0, 0.0, std::string());
}

void StatusReport::ReportTask(const AVConvert& job, const CliInput& input) {
    const auto task = static_cast<std::size_t>(input.task);
    if (m_reported.size() <= task) {
        m_reported.resize(task + 1, false);
    }
    m_reported[task] = true;
    const std::uint8_t status = StatusOf(job, input.task);
    const int file = m_merge ? job.mergeOutputTask.load() : input.task;
    std::string written =
        file >= 0 ? job.outputPaths[static_cast<std::size_t>(file)] : std::string();
    std::error_code error;
    if (!written.empty() && !std::filesystem::exists(written, error)) {
        written.clear();  // a line names a file only if it is there
    }
    const AVConvert::TaskReport& report = job.taskReports[task];
    if (status == AVConvert::kTaskConverted) {
        Print("converted", input.path, written, report.soundSeconds, report.wallSeconds, {},
              job.TaskNote(input.task));
        return;
    }
    ++m_failures;
    if (status == AVConvert::kTaskFailed) {
        Print("failed", input.path, std::string(), 0.0, report.wallSeconds,
              job.FailureReason(input.task));
    } else {
        Print("stopped", input.path, written, report.soundSeconds, report.wallSeconds, {});
    }
}

void StatusReport::ReportFinished(const AVConvert& job, const std::vector<CliInput>& inputs,
                                  const std::function<void()>& beforeFirstLine) {
    if (m_merge) {
        return;
    }
    bool first = true;
    for (const CliInput& input : inputs) {
        const auto task = static_cast<std::size_t>(input.task);
        const bool reported = task < m_reported.size() && m_reported[task];
        if (input.task >= 0 && !reported && Finished(StatusOf(job, input.task))) {
            if (first) {
                beforeFirstLine();
                first = false;
            }
            ReportTask(job, input);
        }
    }
}

void StatusReport::ReportRest(const AVConvert& job, const std::vector<CliInput>& inputs) {
    for (const CliInput& input : inputs) {
        const auto task = static_cast<std::size_t>(input.task);
        if (input.task >= 0 && (task >= m_reported.size() || !m_reported[task])) {
            ReportTask(job, input);
        }
    }
}

ProgressDisplay::ProgressDisplay(std::FILE* err, bool quiet, bool merge,
                                 const std::vector<std::string>& files)
    : m_err(err),
      m_quiet(quiet),
      m_merge(merge),
      m_files(files),
      m_terminal(::isatty(::fileno(err)) != 0),
      m_start(std::chrono::steady_clock::now()),
      m_announced(files.size(), false) {}

void ProgressDisplay::Update(const AVConvert& job) {
    if (m_quiet) {
        return;
    }
    const int total = std::min(job.taskCount, static_cast<int>(m_files.size()));
    if (total <= 0 || job.currentTask.load() < 0) {
        return;
    }
    int finished = 0;
    double done = 0.0;  // tasks' worth of work done
    std::string running;
    for (int i = 0; i < total; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int percent = job.taskProgress[index].load(std::memory_order_relaxed);
        const bool over = Finished(StatusOf(job, i));
        const bool started = over || percent >= 0 || (m_merge && job.currentTask.load() >= i);
        if (!m_terminal && started && !m_announced[index]) {
            m_announced[index] = true;
            Tell(m_err, QT_TRANSLATE_NOOP("Messages", "Converting %1/%2: %3"),
                 {std::to_string(i + 1), std::to_string(total), m_files[index]});
        }
        if (over) {
            ++finished;
            done += 1.0;
        } else if (percent >= 0 && !m_merge) {
            done += percent / 100.0;
            running += (running.empty() ? "" : " · ") +
                       std::string(FileNameOfPath(m_files[index])) + " " + std::to_string(percent) +
                       "%";
        }
    }
    if (!m_terminal) {
        return;
    }
    if (m_merge) {
        const int current = std::clamp(job.currentTask.load(), 0, total - 1);
        const int percent = std::max(0, job.fileProgress.load());
        done = percent / 100.0 * total;
        running = std::string(FileNameOfPath(m_files[static_cast<std::size_t>(current)])) + " " +
                  std::to_string(percent) + "%";
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    const std::string left = TimeLeftText(elapsed, done / total);
    const std::string line = tolvane::Say(
        QT_TRANSLATE_NOOP("Messages", "[%1/%2] %3  elapsed %4  left %5"),
        {std::to_string(finished), std::to_string(total), running, Clock3(elapsed), left});
    std::fprintf(m_err, "\r\033[K%s", line.c_str());
    std::fflush(m_err);
}

void ProgressDisplay::Finish() {
    if (!m_quiet && m_terminal) {
        std::fprintf(m_err, "\r\033[K");
        std::fflush(m_err);
    }
}

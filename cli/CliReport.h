#pragma once

// What tolvane-cli prints of a run: one status line (or, for programs, one JSON object) per
// input on standard output as it finishes, and the progress display on the error stream.

#include <chrono>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class AVConvert;

// A line for the user in their language: `text`, marked QT_TRANSLATE_NOOP("Messages", ...),
// with %1, %2... replaced by `args`.
void Tell(std::FILE* to, const char* text, std::initializer_list<std::string_view> args = {});
// A usage error, and where to read how it is used.
void TellUsageError(std::FILE* to, const std::string& error);

// An input with its place in the job (-1: left out before the run).
struct CliInput final {
    std::string path;
    int task = -1;
};

class StatusReport final {
public:
    StatusReport(std::FILE* out, bool json, bool merge);

    // An input left out before the run: unusable (`reason`, a failure), or skipped because its
    // output `existing` is already there (not a failure).
    void ReportUnusable(const std::string& input, const std::string& reason);
    void ReportSkipped(const std::string& input, const std::string& existing);

    // The batch tasks that have finished since the last call, in the order they finished. A
    // merge reports nothing here: its statuses are final only when the worker has ended.
    // `beforeFirstLine` runs once before anything is printed.
    void ReportFinished(const AVConvert& job, const std::vector<CliInput>& inputs,
                        const std::function<void()>& beforeFirstLine);
    // Every input not reported yet, once the worker has ended.
    void ReportRest(const AVConvert& job, const std::vector<CliInput>& inputs);

    // Inputs that did not convert (skipped ones are not counted).
    int Failures() const { return m_failures; }
    // A status line could not be written (a closed pipe, a full device): the lines end there,
    // and the run is not reported as a success.
    bool OutputFailed() const { return m_outputFailed; }

private:
    void ReportTask(const AVConvert& job, const CliInput& input);
    void Print(const char* status, const std::string& input, const std::string& written,
               double soundSeconds, double wallSeconds, const std::string& failure,
               const std::string& note = {});

    std::FILE* m_out;
    bool m_json;
    bool m_merge;
    std::vector<bool> m_reported;  // per task
    int m_failures = 0;
    bool m_outputFailed = false;
};

// The progress display: on a terminal one rewritten line with every running file, otherwise a
// plain line as each file starts.
class ProgressDisplay final {
public:
    ProgressDisplay(std::FILE* err, bool quiet, bool merge, const std::vector<std::string>& files);
    void Update(const AVConvert& job);
    // Clears the rewritten line.
    void Finish();

private:
    std::FILE* m_err;
    bool m_quiet;
    bool m_merge;
    const std::vector<std::string>& m_files;
    bool m_terminal;
    std::chrono::steady_clock::time_point m_start;
    std::vector<bool> m_announced;  // per task: its "Converting" line is out
};

// A name in a status line: one line, one field, whatever the name holds.
std::string EscapedForLine(const std::string& text);
// A JSON string (with its quotes); bytes that are not UTF-8 become U+FFFD.
std::string JsonString(const std::string& text);
// Whether `text` is UTF-8 throughout.
bool IsUtf8(const std::string& text);
// `text` with a backslash doubled and every byte outside printable ASCII as "\xNN": a name's
// exact bytes, for JSON.
std::string EscapedBytes(const std::string& text);

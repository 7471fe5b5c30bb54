#pragma once

#include <cstdio>

#include "CliOptions.h"
#include "JobFile.h"

// Exit statuses of tolvane-cli.
inline constexpr int kCliAllConverted = 0;
inline constexpr int kCliSomeFailed = 1;
inline constexpr int kCliBadUsage = 2;

// Runs the command line: --info, or a conversion or merge. `out` receives one line per task,
// `err` the messages and the progress display.
int RunCli(const CliOptions& options, std::FILE* out, std::FILE* err);

// What the options given beside --job change in `job`: its format (or, without -f, its own
// format refined by -e, -b, -r, -c), the output folder, files at once, merging, loudness,
// ReplayGain, covers, skipping and folders. Empty, or why an option cannot apply.
std::string ApplyOptionsToJob(const CliOptions& options, JobDocument& job);

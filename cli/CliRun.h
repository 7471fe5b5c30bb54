#pragma once

#include <cstdio>

#include "CliOptions.h"

// Exit statuses of tolvane-cli.
inline constexpr int kCliAllConverted = 0;
inline constexpr int kCliSomeFailed = 1;
inline constexpr int kCliBadUsage = 2;

// Runs the command line: --info, or a conversion or merge. `out` receives one line per task,
// `err` the messages and the progress display.
int RunCli(const CliOptions& options, std::FILE* out, std::FILE* err);

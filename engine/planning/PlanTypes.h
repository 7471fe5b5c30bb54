#pragma once

// What a plan and the job record that runs it both speak of: the limits of a run, what a task
// does with its sound, and the ReplayGain choice.

#include <cstdint>

#include "NumberRules.h"

struct JobLimits {
    static constexpr int kMaxTasks = 9999;        // entries of the clip tables
    static constexpr int kStatusEntries = 10000;  // entries of the status table
    static constexpr int kMaxParallelTasks = tolvane::kMaxFilesAtOnce;  // tasks at once, at most

    static constexpr std::uint8_t kTaskPending = 0xFF;
    static constexpr std::uint8_t kTaskConverted = 1;
    static constexpr std::uint8_t kTaskFailed = 2;
};

// What a task does with its sound track.
enum class TaskKind : std::uint8_t {
    Convert,  // decoded and encoded with the job's settings
    Copy,     // its packets go out as they are, in a container chosen by their codec
};

// ReplayGain tags: none, each output's own, or the run's outputs as an album as well.
enum class ReplayGainKind : std::uint8_t { Off, Track, Album };

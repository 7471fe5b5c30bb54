#pragma once

// A few seconds of a row as a conversion writes it (its mix of sound tracks, its format), into
// a file of its own for the player: the same planner and worker as Convert, so that what is
// heard is what will be written.

#include <string>

#include "JobFile.h"

namespace tolvane {

struct MixPreview final {
    std::string path;     // the file written; empty when none was
    std::string failure;  // why not, for people
};

// Writes `seconds` of `row` from `from` seconds of its file with `settings` (their format and
// profile; nothing is normalised, tagged or merged) into the folder `folder`, which exists.
MixPreview WriteMixPreview(const JobSettings& settings, JobRow row, double from, double seconds,
                           const std::string& folder);

}  // namespace tolvane

#pragma once

// The output profile written into a job's settings, for every front end that starts a run.

struct EncodeSettings;
struct OutputSettings;

namespace tolvane {

// Writes the profile into `job` as codec identifiers; a name or text in no table leaves the
// previous value.
void CopySettingsToJob(const OutputSettings& settings, EncodeSettings& job);

}  // namespace tolvane

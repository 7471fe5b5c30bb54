#pragma once

// The output profile written into a job, for every front end that starts a run.

class AVConvert;
struct OutputSettings;

namespace tolvane {

// Writes the profile into the job's settings; a name or text in no table leaves the job's
// previous value.
void CopySettingsToJob(const OutputSettings& settings, AVConvert& job);

}  // namespace tolvane

#pragma once

// How many threads a run may use on this machine.

namespace tolvane {

// One batch task per processor core, at most JobLimits::kMaxParallelTasks: the most files worth
// converting at once on this machine.
int TasksAtOnceForCores();

}  // namespace tolvane

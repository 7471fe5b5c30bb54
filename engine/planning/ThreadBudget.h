#pragma once

// How many threads each kind of work may use on this machine: the one place that decides it
// (lanes, the segments of a long file, the parts a sound is read in, the file checks).

namespace tolvane {

// One batch task per processor core, at most JobLimits::kMaxParallelTasks: the most files worth
// converting at once on this machine. A long file's segments take the lanes the run leaves.
int TasksAtOnceForCores();

// Threads that read one sound in parts at once (its loudness, its pauses, the measure of a file
// as written for its ReplayGain): one per core, at most eight (beyond, the disk is the limit).
int SoundReadersForCores();

// The same beside the preview player, which keeps a core for itself: at least one.
int SoundReadersBesidePlayer();

// Files a list checks at once as they are added: two at most (a probe mostly waits on the disk).
int FileChecksAtOnce();

}  // namespace tolvane

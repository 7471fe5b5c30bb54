#pragma once

// The clip times of one task row, as the task list shows them.

#include <string>

struct ClipRow final {
    std::string start;     // the start time text
    std::string end;       // the end time text
    long long length = 0;  // the hidden duration column, whole seconds
    // Where the row's own end is when it is a part of a split (whole seconds); -1 for a row of
    // the whole file, whose end is the file's.
    long long partEnd = -1;
    int soundTrack = 0;  // the sound track the row converts (from 1; 0 the last)
};

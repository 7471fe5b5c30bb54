#pragma once

#include <string>

// Tags a task's output gets instead of its source's (empty: the source's): a part of a split is
// titled as the part, numbered "n/N", and its album is the recording it came from.
struct TaskTags final {
    std::string title;
    std::string track;
    std::string album;
};

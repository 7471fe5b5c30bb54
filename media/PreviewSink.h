#pragma once

// Where a worker hands the pictures it decodes while it converts, for a live preview that a
// front end draws. The worker never draws: it calls these on its own thread, and an
// implementation only takes the picture and wakes its own thread up. None of them may call
// back into the job or block for long.

#include "FFmpegHandles.h"

namespace tolvane {

class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    // A task that shows its pictures starts.
    virtual void Begin() = 0;
    // A decoded picture of that task (the frame is the worker's: copy what is kept).
    virtual void Picture(const AVFrame& frame) = 0;
    // The task ends or stops showing its pictures.
    virtual void End() = 0;
};

}  // namespace tolvane

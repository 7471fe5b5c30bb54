#pragma once

// Carries a conversion's pictures from the worker to the user-interface thread, which draws
// them with a PreviewSurface. The worker only keeps a reference to its newest picture and
// calls the wake-up once per new picture; everything SDL does happens in Present, on the
// thread that owns the window.

#include <cstdint>
#include <functional>
#include <mutex>

#include "FFmpegHandles.h"
#include "PreviewSink.h"
#include "PreviewSurface.h"

namespace tolvane {

class PreviewRelay final : public PreviewSink {
public:
    // `wake` is called on the worker's thread when a picture waits for Present; it must only
    // post a notification to the user-interface thread.
    explicit PreviewRelay(std::function<void()> wake);
    PreviewRelay(const PreviewRelay&) = delete;
    PreviewRelay& operator=(const PreviewRelay&) = delete;
    ~PreviewRelay() override = default;

    void Begin() override;
    void Picture(const AVFrame& frame) override;
    void End() override;

    // User-interface thread: shows the newest picture in `window` (0: none), starting the
    // surface with a task's first picture and stopping it once the task has ended.
    void Present(std::uintptr_t window);
    bool Showing() const { return m_surface.Active(); }

private:
    std::function<void()> m_wake;
    std::mutex m_mutex;
    FramePtr m_newest;         // guarded by m_mutex
    bool m_fresh = false;      // guarded by m_mutex: m_newest waits for Present
    bool m_taskOn = false;     // guarded by m_mutex: between Begin and End
    int m_task = 0;            // guarded by m_mutex: counts Begin
    PreviewSurface m_surface;  // user-interface thread only
    FramePtr m_shown;          // user-interface thread only
    int m_triedTask = 0;       // user-interface thread only: the task the surface was tried for
};

}  // namespace tolvane

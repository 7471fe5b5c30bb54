#include "PreviewRelay.h"

namespace tolvane {

PreviewRelay::PreviewRelay(std::function<void()> wake)
    : m_wake(std::move(wake)), m_newest(av_frame_alloc()), m_shown(av_frame_alloc()) {}

void PreviewRelay::Begin() {
    const std::lock_guard lock(m_mutex);
    m_taskOn = true;
    ++m_task;
}

void PreviewRelay::Picture(const AVFrame& frame) {
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_newest || !m_taskOn) {
            return;
        }
        av_frame_unref(m_newest.get());
        // A reference to the decoder's buffer: nothing is copied on the worker's thread.
        if (av_frame_ref(m_newest.get(), &frame) < 0) {
            return;
        }
        wake = !m_fresh;
        m_fresh = true;
    }
    if (wake && m_wake) {
        m_wake();
    }
}

void PreviewRelay::End() {
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        wake = m_taskOn && !m_fresh;
        m_taskOn = false;
        m_fresh = m_fresh || wake;  // Present learns that the task ended
        if (m_newest) {
            av_frame_unref(m_newest.get());
        }
    }
    if (wake && m_wake) {
        m_wake();
    }
}

void PreviewRelay::Present(std::uintptr_t window) {
    bool taskOn = false;
    bool picture = false;
    int task = 0;
    {
        const std::lock_guard lock(m_mutex);
        taskOn = m_taskOn;
        task = m_task;
        if (m_fresh && m_newest && m_shown && m_newest->buf[0] != nullptr) {
            av_frame_unref(m_shown.get());
            av_frame_move_ref(m_shown.get(), m_newest.get());
            picture = true;
        }
        m_fresh = false;
    }
    if (!taskOn) {
        m_surface.Stop();
        return;
    }
    // A surface that cannot start is tried once per task, not at every picture.
    if (picture && !m_surface.Active() && m_triedTask != task) {
        m_triedTask = task;
        m_surface.Start(window);
    }
    if (picture) {
        m_surface.Draw(*m_shown);
        av_frame_unref(m_shown.get());
    }
}

}  // namespace tolvane

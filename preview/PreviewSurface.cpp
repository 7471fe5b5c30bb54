#include "PreviewSurface.h"

#include <SDL.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace tolvane {

namespace {

// Why the preview is off, once for the process: every task of a run starts a surface.
void ReportPreviewOff() {
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true)) {
        std::fprintf(stderr, "tolvane: preview off: %s\n", SDL_GetError());
    }
}

}  // namespace

void PreviewSurface::WindowDeleter::operator()(SDL_Window* w) const {
    SDL_DestroyWindow(w);
}
void PreviewSurface::RendererDeleter::operator()(SDL_Renderer* r) const {
    SDL_DestroyRenderer(r);
}
void PreviewSurface::TextureDeleter::operator()(SDL_Texture* t) const {
    SDL_DestroyTexture(t);
}

PreviewSurface::~PreviewSurface() {
    Stop();
}

bool PreviewSurface::Start(std::uintptr_t window) {
    Stop();
    if (window == 0) {
        return false;
    }
    // Only the video subsystem: the player in the same process owns audio and must not be
    // torn down by us. SIGINT and SIGTERM stay the program's own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        ReportPreviewOff();
        return false;
    }
    m_videoStarted = true;
    // The software path straight away: a window of another toolkit has no GL surface for SDL's
    // accelerated framebuffer to try first.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    m_window.reset(SDL_CreateWindowFrom(reinterpret_cast<const void*>(window)));
    if (m_window) {
        m_renderer.reset(SDL_CreateRenderer(m_window.get(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (m_renderer) {
        m_texture.reset(SDL_CreateTexture(m_renderer.get(), SDL_PIXELFORMAT_YV12,
                                          SDL_TEXTUREACCESS_STREAMING, kPreviewWidth,
                                          kPreviewHeight));
    }
    if (!m_texture) {
        ReportPreviewOff();
        Stop();
        return false;
    }
    return true;
}

void PreviewSurface::Draw(const AVFrame& frame) {
    if (!m_texture) {
        return;
    }
    // A picture of another size or format (a stream that changes mid-way) gets a new scaler.
    m_scaler.reset(sws_getCachedContext(
        m_scaler.release(), frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
        kPreviewWidth, kPreviewHeight, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_scaler) {
        return;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(m_texture.get(), nullptr, &pixels, &pitch) != 0) {
        return;
    }
    // YV12 keeps the V plane before the U plane.
    auto* luma = static_cast<std::uint8_t*>(pixels);
    std::uint8_t* vPlane = luma + pitch * kPreviewHeight;
    std::uint8_t* uPlane = vPlane + (pitch / 2) * (kPreviewHeight / 2);
    std::uint8_t* planes[4] = {luma, uPlane, vPlane, nullptr};
    int pitches[4] = {pitch, pitch / 2, pitch / 2, 0};
    const int rows =
        sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, frame.height, planes, pitches);
    SDL_UnlockTexture(m_texture.get());
    if (rows <= 0) {
        return;  // nothing was scaled: the last picture stays
    }
    SDL_RenderCopy(m_renderer.get(), m_texture.get(), nullptr, nullptr);
    SDL_RenderPresent(m_renderer.get());
}

void PreviewSurface::Stop() {
    m_scaler.reset();
    m_texture.reset();
    m_renderer.reset();
    m_window.reset();
    if (m_videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        m_videoStarted = false;
    }
}

}  // namespace tolvane

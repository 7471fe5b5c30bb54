#pragma once

// The live preview of a conversion: decoded frames at 160 × 120 in a native window of the
// progress dialog. Where there is no such window, or SDL cannot start, the preview is simply
// off and the conversion goes on. Used on one thread (the user-interface thread).

#include <cstdint>
#include <memory>

#include "FFmpegHandles.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace tolvane {

inline constexpr int kPreviewWidth = 160;
inline constexpr int kPreviewHeight = 120;

class PreviewSurface final {
public:
    PreviewSurface() = default;
    PreviewSurface(const PreviewSurface&) = delete;
    PreviewSurface& operator=(const PreviewSurface&) = delete;
    ~PreviewSurface();

    // Starts SDL's video subsystem on the native window `window` (0: none). False: preview off.
    bool Start(std::uintptr_t window);
    bool Active() const { return m_texture != nullptr; }
    // Scales the frame to 160 × 120 YV12 and shows it. Does nothing while inactive.
    void Draw(const AVFrame& frame);
    // Releases the surface and the video subsystem; safe to call at any time.
    void Stop();

private:
    struct WindowDeleter {
        void operator()(SDL_Window* w) const;
    };
    struct RendererDeleter {
        void operator()(SDL_Renderer* r) const;
    };
    struct TextureDeleter {
        void operator()(SDL_Texture* t) const;
    };

    bool m_videoStarted = false;
    std::unique_ptr<SDL_Window, WindowDeleter> m_window;
    std::unique_ptr<SDL_Renderer, RendererDeleter> m_renderer;
    std::unique_ptr<SDL_Texture, TextureDeleter> m_texture;
    SwsPtr m_scaler;  // made at the first frame, reused for the task
};

}  // namespace tolvane

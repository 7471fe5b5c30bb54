#include "WindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

#include "Pictures.h"

namespace tolvane::test {

// A picture of one colour (Y, U, V).
FramePtr SolidPicture(int width, int height, int y, int u, int v) {
    FramePtr frame = AllocPicture(AV_PIX_FMT_YUV420P, width, height);
    if (frame) {
        for (int row = 0; row < height; ++row) {
            std::memset(frame->data[0] + row * frame->linesize[0], y, width);
        }
        for (int row = 0; row < height / 2; ++row) {
            std::memset(frame->data[1] + row * frame->linesize[1], u, width / 2);
            std::memset(frame->data[2] + row * frame->linesize[2], v, width / 2);
        }
    }
    return frame;
}

Rgb MiddlePixel(unsigned long window, int width, int height) {
    Display* display = XOpenDisplay(nullptr);
    Rgb rgb{-1, -1, -1};
    if (display == nullptr) {
        return rgb;
    }
    XImage* image = XGetImage(display, window, width / 2, height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image != nullptr) {
        const unsigned long pixel = XGetPixel(image, 0, 0);
        rgb = {static_cast<int>((pixel & image->red_mask) >> 16),
               static_cast<int>((pixel & image->green_mask) >> 8),
               static_cast<int>(pixel & image->blue_mask)};
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return rgb;
}

}  // namespace tolvane::test

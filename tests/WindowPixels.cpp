#include "WindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <memory>

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

namespace {

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, CloseDisplay>;

struct DestroyImage {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

}  // namespace

std::vector<Rgb> AreaPixels(unsigned long window, int x, int y, int width, int height) {
    const DisplayPtr display(XOpenDisplay(nullptr));
    std::vector<Rgb> pixels;
    if (!display) {
        return pixels;
    }
    const std::unique_ptr<XImage, DestroyImage> image(
        XGetImage(display.get(), window, x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap));
    if (!image) {
        return pixels;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image.get(), column, row);
            pixels.push_back({static_cast<int>((pixel & image->red_mask) >> 16),
                              static_cast<int>((pixel & image->green_mask) >> 8),
                              static_cast<int>(pixel & image->blue_mask)});
        }
    }
    return pixels;
}

bool SendDeleteWindow(unsigned long window) {
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display.get(), window, False, NoEventMask, &event);
    XFlush(display.get());
    return sent != 0;
}

}  // namespace tolvane::test

#pragma once

// Pictures of one colour for the live preview, and what an X window shows, for the tests that
// draw into real windows on a virtual display.

#include <vector>

#include "FFmpegHandles.h"

namespace tolvane::test {

// A picture of one colour (Y, U, V).
FramePtr SolidPicture(int width, int height, int y, int u, int v);

struct Rgb {
    int r, g, b;
};
// The colour of the middle of the X window `window` of the given size ({-1, -1, -1} without a
// display).
Rgb MiddlePixel(unsigned long window, int width, int height);
// The colours of an area of the X window `window`, row by row (empty without a display).
std::vector<Rgb> AreaPixels(unsigned long window, int x, int y, int width, int height);
// Asks the X window `window` to close as a window manager does for its close button or Alt+F4
// (a WM_DELETE_WINDOW message). False without a display.
bool SendDeleteWindow(unsigned long window);

}  // namespace tolvane::test

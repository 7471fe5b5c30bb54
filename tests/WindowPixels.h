#pragma once

// Pictures of one colour for the live preview, and what an X window shows, for the tests that
// draw into real windows on a virtual display.

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

}  // namespace tolvane::test

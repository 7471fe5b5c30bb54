#pragma once

// The skin's colours: the painter draws the bitmaps with them and the application's palette
// gives them to every dialog and message box.

#include <QtGui/qrgb.h>

namespace skin::colour {

inline constexpr QRgb kSlateTop = 0xff1f2630;
inline constexpr QRgb kSlateBottom = 0xff2a3340;
inline constexpr QRgb kTitleBar = 0xff181e27;
inline constexpr QRgb kPanel = 0xff2f3a48;
inline constexpr QRgb kPanelBorder = 0xff3d4a5c;
inline constexpr QRgb kAccent = 0xff25b39e;
inline constexpr QRgb kAccentLight = 0xff3ccfb8;
inline constexpr QRgb kAccentDark = 0xff1b8c7b;
// Text and signs on the accent.
inline constexpr QRgb kAccentInk = 0xff0f2a26;
inline constexpr QRgb kWarm = 0xffe0644f;
inline constexpr QRgb kText = 0xffe8edf2;
inline constexpr QRgb kTextSecondary = 0xff9aa7b5;
inline constexpr QRgb kDisabledFill = 0xff27303c;
inline constexpr QRgb kDisabledBorder = 0xff333d4a;
inline constexpr QRgb kDisabledInk = 0xff5a6674;
// Text that must stand out on the slate and the panels, at a contrast of 4.5:1 or more: a web
// link (not yet opened, opened, under the pointer) and a warning in red.
inline constexpr QRgb kLink = kAccentLight;
inline constexpr QRgb kLinkVisited = kAccent;
inline constexpr QRgb kLinkHover = 0xffff8a75;
inline constexpr QRgb kAlert = 0xffff7b7b;
// Behind a preview's picture, also the bars beside a picture of another shape.
inline constexpr QRgb kPreviewBackground = 0xff000000;

}  // namespace skin::colour

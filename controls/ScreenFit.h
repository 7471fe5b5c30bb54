#pragma once

// Windows fitted to a small screen (a laptop at twice the pixels, a netbook): drawn smaller, text
// and all, so that every control stays on the screen.

#include <QSize>

class QWidget;

// The scale (at most 1) at which a window of `natural` size fits the free part of the screen
// `widget` is on, its frame included.
double ScreenFitScale(const QWidget& widget, QSize natural);

// Sets the font of `window` and of every widget in it to its own natural font times `scale` (1:
// the natural fonts again). The skin's style sheet keeps a child from taking its parent's font,
// so each is set; the natural fonts are remembered on the first call.
void ScaleFonts(QWidget& window, double scale);

// Places each child of a window laid out by hand at its natural geometry times `scale` (the
// geometries are remembered on the first call); skinned buttons and sliders draw their bitmaps
// at that scale.
void ScaleChildren(QWidget& window, double scale);

// Fixes a dialog laid out by layouts to its size, drawn smaller (text, and the least widths given
// to its boxes) where that size does not fit the screen; `least` is the least size it takes.
void FitLaidOutDialog(QWidget& dialog, QSize least = {});

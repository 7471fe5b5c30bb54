#pragma once

// Every bitmap id of the skin, and how to load one.

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <span>

#include "SkinLayout.h"

namespace skin {

// The ids of every bitmap the skin holds.
std::span<const int> AllBitmapIds();

// The bitmap of `id` (":/skin/<id>.png"); a null image when there is none.
QImage LoadBitmap(int id);

// A layout box as a widget rectangle.
inline QRect Rect(const Box& b) {
    return QRect(b.x, b.y, b.width, b.height);
}

}  // namespace skin

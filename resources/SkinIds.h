#pragma once

// Every bitmap id of the skin, and how to load one.

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <algorithm>
#include <cmath>
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

// A layout box in a skin drawn at `scale`: each edge is rounded on its own, so that boxes that
// touch at 1 still touch.
inline QRect ScaledRect(const Box& b, double scale) {
    const auto edge = [scale](int at) { return static_cast<int>(std::lround(at * scale)); };
    return QRect(QPoint(edge(b.x), edge(b.y)), QPoint(edge(b.Right()) - 1, edge(b.Bottom()) - 1));
}

// The scale at which a skin of `size` fits into `available`, keeping its proportions: at most 1
// (a skin is never drawn larger than its pictures) and never above what fits.
inline double FitScale(QSize size, QSize available) {
    if (size.isEmpty() || available.isEmpty()) {
        return 1.0;
    }
    return std::min({1.0, static_cast<double>(available.width()) / size.width(),
                     static_cast<double>(available.height()) / size.height()});
}

}  // namespace skin

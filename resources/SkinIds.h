#pragma once

// Every bitmap id of the skin, and how to load one.

#include <QImage>
#include <QPixmap>
#include <span>

namespace skin {

// The ids of every bitmap the skin holds.
std::span<const int> AllBitmapIds();

// The bitmap of `id` (":/skin/<id>.png"); a null image when there is none.
QImage LoadBitmap(int id);

}  // namespace skin

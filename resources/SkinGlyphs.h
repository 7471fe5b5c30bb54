#pragma once

// The skin's signs, drawn as vector paths in a unit box of 24 × 24 and scaled into place, so that
// they stay crisp at every size: the painter draws them into the bitmaps, the windows beside the
// labels they paint.

#include <QColor>
#include <QRectF>

class QPainter;

namespace skin {

enum class Glyph {
    None,
    Plus,
    Scissors,
    Question,
    Convert,
    Trash,
    Broom,
    Merge,
    Info,
    Gear,
    Folder,
    FolderOpen,
    Play,
    Pause,
    Stop,
    Speaker,
    Minimize,
    Close
};

// Strokes `glyph` into `box` in `ink`.
void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& ink);

}  // namespace skin

#pragma once

// The skin's own texts: its font, and a text painted into the room a skinned window keeps for it
// (a button's label, a line on a background), made to fit whatever language it is in.

#include <QColor>
#include <QFont>
#include <QString>

#include "SkinGlyphs.h"
#include "SkinLayout.h"

class QPainter;

namespace skin {

// The skin's font at `pixelSize` (rounded to whole pixels).
QFont Font(double pixelSize, bool bold = false);

// Paints `text` into `spot` in `colour`, vertically centred: at the spot's size when it fits,
// else up to a third smaller, else cut short with "…". Returns whether the whole text shows.
bool PaintText(QPainter& painter, const TextSpot& spot, const QString& text, const QColor& colour);

// Whether `text` shows whole in `spot` (made smaller as PaintText does).
bool TextFits(const TextSpot& spot, const QString& text);

// Paints a button's `label` and its `glyph` into `spot` in `ink`, fitted as PaintText fits.
// Returns whether the whole label shows.
bool PaintLabel(QPainter& painter, const LabelSpot& spot, Glyph glyph, const QString& label,
                const QColor& ink);
bool LabelFits(const LabelSpot& spot, const QString& label);

}  // namespace skin

#include "SkinText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <cmath>

namespace skin {

namespace {

// The smallest a text is made to fit: two thirds of its size, and never under 8 pixels.
int SmallestPixelSize(double pixelSize) {
    return std::max(8, static_cast<int>(std::ceil(pixelSize * 2.0 / 3.0)));
}

// The largest font, from the spot's size down to the smallest, in which `text` fits the spot's
// width; the smallest when none does.
QFont FittedFont(const TextSpot& spot, const QString& text, bool* fits) {
    const int largest = static_cast<int>(std::lround(spot.fontSize));
    const int smallest = std::min(largest, SmallestPixelSize(spot.fontSize));
    QFont font = Font(largest, spot.bold);
    for (int size = largest; size >= smallest; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= spot.width) {
            *fits = true;
            return font;
        }
    }
    *fits = false;
    return font;
}

// The room a label has beside its sign.
TextSpot LabelRoom(const LabelSpot& spot) {
    TextSpot room = spot.text;
    if (!spot.signAbove) {
        room.width -= spot.signSize + kSignGap;
    }
    return room;
}

}  // namespace

QFont Font(double pixelSize, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool PaintText(QPainter& painter, const TextSpot& spot, const QString& text, const QColor& colour) {
    bool fits = false;
    const QFont font = FittedFont(spot, text, &fits);
    const QFontMetricsF metrics(font);
    const QString shown = fits ? text : metrics.elidedText(text, Qt::ElideRight, spot.width);
    int align = Qt::AlignVCenter;
    switch (spot.align) {
        case TextSpot::kLeft:
            align |= Qt::AlignLeft;
            break;
        case TextSpot::kCentre:
            align |= Qt::AlignHCenter;
            break;
        case TextSpot::kRight:
            align |= Qt::AlignRight;
            break;
    }
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    // A room as tall as its line: a smaller font keeps the line's middle where it was.
    painter.drawText(QRectF(spot.x, spot.y, spot.width, spot.height), align | Qt::TextSingleLine,
                     shown);
    painter.restore();
    return fits;
}

bool TextFits(const TextSpot& spot, const QString& text) {
    bool fits = false;
    FittedFont(spot, text, &fits);
    return fits;
}

bool LabelFits(const LabelSpot& spot, const QString& label) {
    return TextFits(LabelRoom(spot), label);
}

bool PaintLabel(QPainter& painter, const LabelSpot& spot, Glyph glyph, const QString& label,
                const QColor& ink) {
    TextSpot room = LabelRoom(spot);
    const double size = spot.signSize;
    if (spot.signAbove) {
        PaintGlyph(painter, glyph,
                   QRectF(room.x + (room.width - size) / 2, room.y - 2 - size, size, size), ink);
        return PaintText(painter, room, label, ink);
    }
    // The sign and the label centred together: the label as wide as it is drawn.
    bool fits = false;
    const QFont font = FittedFont(room, label, &fits);
    const double width = std::min(room.width, QFontMetricsF(font).horizontalAdvance(label));
    const double left = spot.text.x + (spot.text.width - size - kSignGap - width) / 2;
    PaintGlyph(painter, glyph, QRectF(left, room.y + (room.height - size) / 2, size, size), ink);
    room.x = left + size + kSignGap;
    room.width = width + 1;
    room.align = TextSpot::kLeft;
    PaintText(painter, room, label, ink);
    return fits;
}

}  // namespace skin

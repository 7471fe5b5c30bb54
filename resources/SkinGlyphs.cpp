#include "SkinGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace skin {

void PaintGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& ink) {
    if (glyph == Glyph::None) {
        return;
    }
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    QPen pen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (glyph) {
        case Glyph::Plus:
            p.setPen(QPen(ink, 3.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 4), QPointF(12, 20));
            p.drawLine(QPointF(4, 12), QPointF(20, 12));
            break;
        case Glyph::Scissors:
            p.drawEllipse(QPointF(6, 18), 3, 3);
            p.drawEllipse(QPointF(18, 18), 3, 3);
            p.drawLine(QPointF(8, 16), QPointF(18, 3));
            p.drawLine(QPointF(16, 16), QPointF(6, 3));
            break;
        case Glyph::Question:
            path.moveTo(8, 8.5);
            path.cubicTo(8, 4, 16, 4, 16, 8.5);
            path.cubicTo(16, 11.5, 12, 11.5, 12, 15);
            p.drawPath(path);
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(12, 19.5), 1.6, 1.6);
            break;
        case Glyph::Convert:
            // A film strip turning into a note.
            p.drawRoundedRect(QRectF(2, 5, 8, 14), 1.5, 1.5);
            p.drawLine(QPointF(4, 8), QPointF(8, 8));
            p.drawLine(QPointF(4, 12), QPointF(8, 12));
            p.drawLine(QPointF(4, 16), QPointF(8, 16));
            p.drawLine(QPointF(11, 12), QPointF(15, 12));
            p.drawLine(QPointF(13.5, 10), QPointF(15.5, 12));
            p.drawLine(QPointF(13.5, 14), QPointF(15.5, 12));
            p.drawLine(QPointF(20, 5), QPointF(20, 17));
            p.drawLine(QPointF(20, 5), QPointF(23, 7));
            p.setBrush(ink);
            p.drawEllipse(QPointF(18.2, 17.5), 2.2, 1.8);
            break;
        case Glyph::Trash:
            p.drawLine(QPointF(4, 6), QPointF(20, 6));
            p.drawLine(QPointF(9, 6), QPointF(10, 3));
            p.drawLine(QPointF(10, 3), QPointF(14, 3));
            p.drawLine(QPointF(14, 3), QPointF(15, 6));
            path.moveTo(6, 6);
            path.lineTo(7.5, 21);
            path.lineTo(16.5, 21);
            path.lineTo(18, 6);
            p.drawPath(path);
            p.drawLine(QPointF(10, 10), QPointF(10, 17));
            p.drawLine(QPointF(14, 10), QPointF(14, 17));
            break;
        case Glyph::Broom:
            p.drawLine(QPointF(19, 3), QPointF(11, 12));
            path.moveTo(8, 10);
            path.lineTo(14, 15);
            path.lineTo(10, 21);
            path.lineTo(3, 15);
            path.closeSubpath();
            p.drawPath(path);
            p.drawLine(QPointF(6, 17), QPointF(8.5, 14.5));
            break;
        case Glyph::Merge:
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(4, 20), QPointF(12, 12));
            p.drawLine(QPointF(12, 12), QPointF(21, 12));
            p.drawLine(QPointF(17, 8), QPointF(21, 12));
            p.drawLine(QPointF(17, 16), QPointF(21, 12));
            break;
        case Glyph::Info:
            p.drawEllipse(QPointF(12, 12), 9, 9);
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(12, 7.5), 1.5, 1.5);
            break;
        case Glyph::Gear: {
            const double pi = 3.14159265358979;
            for (int i = 0; i < 8; ++i) {
                const double a = i * pi / 4;
                p.drawLine(QPointF(12 + 7 * std::cos(a), 12 + 7 * std::sin(a)),
                           QPointF(12 + 10 * std::cos(a), 12 + 10 * std::sin(a)));
            }
            p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
            p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
            break;
        }
        case Glyph::Folder:
        case Glyph::FolderOpen:
            path.moveTo(2, 19);
            path.lineTo(2, 5);
            path.lineTo(9, 5);
            path.lineTo(11, 7.5);
            path.lineTo(22, 7.5);
            path.lineTo(22, 19);
            path.closeSubpath();
            p.drawPath(path);
            if (glyph == Glyph::FolderOpen) {
                p.drawLine(QPointF(9, 14), QPointF(16, 14));
                p.drawLine(QPointF(13, 11), QPointF(16, 14));
                p.drawLine(QPointF(13, 17), QPointF(16, 14));
            }
            break;
        case Glyph::Play:
            path.moveTo(7, 4);
            path.lineTo(20, 12);
            path.lineTo(7, 20);
            path.closeSubpath();
            p.setBrush(ink);
            p.drawPath(path);
            break;
        case Glyph::Pause:
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(6, 4, 4.5, 16), 1, 1);
            p.drawRoundedRect(QRectF(13.5, 4, 4.5, 16), 1, 1);
            break;
        case Glyph::Stop:
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(5, 5, 14, 14), 2, 2);
            break;
        case Glyph::Speaker:
            path.moveTo(3, 9);
            path.lineTo(7, 9);
            path.lineTo(12, 4);
            path.lineTo(12, 20);
            path.lineTo(7, 15);
            path.lineTo(3, 15);
            path.closeSubpath();
            p.setBrush(ink);
            p.drawPath(path);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(10, 7, 8, 10), -60 * 16, 120 * 16);
            p.drawArc(QRectF(9, 3, 13, 18), -60 * 16, 120 * 16);
            break;
        case Glyph::Minimize:
            p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 16), QPointF(18, 16));
            break;
        case Glyph::Close:
            p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 7), QPointF(17, 17));
            p.drawLine(QPointF(17, 7), QPointF(7, 17));
            break;
        case Glyph::None:
            break;
    }
    p.restore();
}

}  // namespace skin

#include "CControlButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "SkinColours.h"
#include "SkinIds.h"
#include "SkinLook.h"
#include "SkinText.h"

namespace {

// A face with the white outside its shape made transparent: drawn larger or smaller, its edge
// then blends with what lies behind the button rather than with white.
QPixmap LoadFace(int id) {
    QImage face = skin::LoadBitmap(id);
    if (face.isNull()) {
        return {};
    }
    face = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) {
                row[x] = 0;
            }
        }
    }
    return QPixmap::fromImage(face);
}

}  // namespace

CControlButton::CControlButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void CControlButton::SetBitmaps(int hoverId, int normalId, int pressedId, int fourthId) {
    m_normal = LoadFace(normalId);
    m_pressed = LoadFace(pressedId);
    m_fourth = LoadFace(fourthId);
    m_hoverFace = LoadFace(hoverId);
}

void CControlButton::SetLabel(const QString& label, const skin::LabelSpot& spot, skin::Glyph sign,
                              bool accent) {
    m_label = label;
    m_labelSpot = spot;
    m_sign = sign;
    m_accentLabel = accent;
    setAccessibleName(label);
    if (!LabelFits() && !toolTip().startsWith(label)) {
        setToolTip(toolTip().isEmpty() ? label : label + QLatin1Char('\n') + toolTip());
    }
    update();
}

bool CControlButton::LabelFits() const {
    return m_label.isEmpty() || skin::LabelFits(m_labelSpot, m_label);
}

QRegion CControlButton::RegionFromImage(const QImage& source) {
    if (source.isNull()) {
        return {};
    }
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QVector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            const int start = x;
            while (x < image.width() && (row[x] & 0xFFFFFF) != 0xFFFFFF) {
                ++x;
            }
            if (x > start) {
                runs.append(QRect(start, y, x - start, 1));
            }
            ++x;  // past the white pixel that ended the run
        }
    }
    QRegion region;
    region.setRects(runs.constData(), static_cast<int>(runs.size()));
    return region;
}

void CControlButton::SetShape(int shapeId) {
    const QImage image = skin::LoadBitmap(shapeId);
    if (image.isNull()) {
        return;  // no region: the button stays rectangular
    }
    m_shapeImage = image;
    m_shaped = true;
    ApplyShape();
}

void CControlButton::SetScale(double scale) {
    if (scale <= 0 || scale == m_scale) {
        return;
    }
    m_scale = scale;
    if (m_shaped) {
        ApplyShape();
    }
    update();
}

void CControlButton::ApplyShape() {
    // The shape is scaled pixel by pixel (no blending: white stays exactly white).
    const QImage scaled =
        m_scale == 1.0
            ? m_shapeImage
            : m_shapeImage.scaled(
                  std::max(1, static_cast<int>(std::lround(m_shapeImage.width() * m_scale))),
                  std::max(1, static_cast<int>(std::lround(m_shapeImage.height() * m_scale))),
                  Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_shape = RegionFromImage(scaled);
    // An empty mask would mean "no mask" to Qt: a region outside the widget hides it instead.
    setMask(m_shape.isEmpty() ? QRegion(-1, -1, 1, 1) : m_shape);
    update();
}

QSize CControlButton::sizeHint() const {
    if (m_normal.isNull()) {
        return QSize(32, 32);
    }
    const QSizeF natural = m_normal.deviceIndependentSize() * m_scale;
    return QSize(static_cast<int>(std::lround(natural.width())),
                 static_cast<int>(std::lround(natural.height())));
}

bool CControlButton::hitButton(const QPoint& pos) const {
    return m_shaped ? m_shape.contains(pos) : rect().contains(pos);
}

void CControlButton::paintEvent(QPaintEvent*) {
    if (m_shaped && m_shape.isEmpty()) {
        return;
    }
    QPainter painter(this);
    // Faces are drawn at their natural size (times the skin's scale) from the top-left corner:
    // a larger face is cut off.
    painter.save();
    if (m_scale != 1.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(m_scale, m_scale);
    }
    const QPixmap& face = m_hovering && !m_hoverFace.isNull() ? m_hoverFace : m_normal;
    if (!face.isNull()) {
        painter.drawPixmap(0, 0, face);
    }
    if (isDown() && !m_pressed.isNull()) {
        painter.drawPixmap(0, 0, m_pressed);
    }
    if (!m_label.isEmpty()) {
        const QRgb ink = !isEnabled()    ? skin::colour::kDisabledInk
                         : m_accentLabel ? skin::colour::kAccentInk
                                         : skin::colour::kText;
        skin::PaintLabel(painter, m_labelSpot, m_sign, m_label, QColor(ink));
    }
    painter.restore();
    if (ShowsFocus(*this)) {
        QPainterPath outline;
        if (m_shaped) {
            outline.addRegion(m_shape);
            outline = outline.simplified();
        } else {
            outline.addRect(QRectF(rect()));
        }
        DrawFocusRing(painter, outline);
    }
}

void CControlButton::focusInEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusInEvent(event);
}

void CControlButton::focusOutEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusOutEvent(event);
}

void CControlButton::enterEvent(QEnterEvent* event) {
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CControlButton::leaveEvent(QEvent* event) {
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

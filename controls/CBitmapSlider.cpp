#include "CBitmapSlider.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

#include "SkinIds.h"
#include "SkinLook.h"

namespace {

constexpr int kThumbId = 308;
constexpr int kDraggingThumbId = 309;

// Every pixel of `picture` where `outline` has its top-left colour becomes transparent.
QPixmap WithOutline(const QImage& picture, const QImage& outline) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = outline.convertToFormat(QImage::Format_RGB32);
    const QRgb key = mask.pixel(0, 0) | 0xFF000000u;
    for (int y = 0; y < result.height() && y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* keyRow = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < result.width() && x < mask.width(); ++x) {
            if ((keyRow[x] | 0xFF000000u) == key) {
                row[x] = 0;
            }
        }
    }
    return QPixmap::fromImage(result);
}

}  // namespace

CBitmapSlider::CBitmapSlider(QWidget* parent, int controlId)
    : QWidget(parent), m_controlId(controlId) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CBitmapSlider::SetChannelBitmaps(int idA, int idB) {
    const QImage a = skin::LoadBitmap(idA);
    if (a.isNull()) {
        m_channelA = QPixmap();
        return false;
    }
    const QImage b = skin::LoadBitmap(idB);
    if (b.isNull()) {
        m_channelA = QPixmap();
        return false;
    }
    m_channelA = QPixmap::fromImage(a);
    m_channelB = QPixmap::fromImage(b);
    m_channelSet = true;
    m_width = a.width();
    m_height = a.height();
    FitSize();
    return true;
}

void CBitmapSlider::SetScale(double scale) {
    if (scale > 0) {
        m_scale = scale;
        FitSize();
        update();
    }
}

void CBitmapSlider::FitSize() {
    setFixedSize(std::max(1, static_cast<int>(std::lround(m_width * m_scale))),
                 std::max(1, static_cast<int>(std::lround(m_height * m_scale))));
}

int CBitmapSlider::BitmapX(const QMouseEvent& event) const {
    return static_cast<int>(std::lround(event.position().x() / m_scale));
}

bool CBitmapSlider::SetThumbBitmaps() {
    const QImage thumb = skin::LoadBitmap(kThumbId);
    const QImage dragging = skin::LoadBitmap(kDraggingThumbId);
    if (thumb.isNull() || dragging.isNull()) {
        return false;
    }
    // Both pictures are drawn through the outline of the resting thumb.
    m_thumb = WithOutline(thumb, thumb);
    m_draggingThumb = WithOutline(dragging, thumb);
    m_thumbSet = true;
    m_thumbWidth = thumb.width();
    m_thumbHeight = thumb.height();
    return true;
}

void CBitmapSlider::SetRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

int CBitmapSlider::Clamp(int value) const {
    if (value > m_maximum) {
        value = m_maximum;
    }
    if (value < m_minimum) {
        value = m_minimum;
    }
    return value;
}

void CBitmapSlider::SetPos(int position) {
    const int before = m_position;
    m_position = Clamp(position);
    update();
    if (m_position != before && QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_position);
        QAccessible::updateAccessibility(&changed);
    }
}

void CBitmapSlider::MoveTo(int position) {
    SetPos(position);
    Notify(SliderEvent::kChanged);
}

void CBitmapSlider::SetMargins(int left, int top, int right, int bottom) {
    m_marginLeft = left;
    m_marginTop = top;
    m_marginRight = right;
    m_marginBottom = bottom;
}

void CBitmapSlider::ApplySkin(int channelA, int channelB, int minimum, int maximum, int position) {
    SetChannelBitmaps(channelA, channelB);
    SetThumbBitmaps();
    SetDrawFocusRect(false);
    SetRange(minimum, maximum);
    SetPos(position);
    SetMargins(2, 3, 2, 0);
}

void CBitmapSlider::SetSelectionStart(int value) {
    m_selectionStart = Clamp(value);
    update();
}

void CBitmapSlider::SetSelectionEnd(int value) {
    m_selectionEnd = Clamp(value);
    update();
}

void CBitmapSlider::SetSelectionMode(int mode) {
    m_selectionMode = mode;
    update();
}

int CBitmapSlider::PositionToPixel(int value) const {
    const double length = m_width - m_marginRight - m_thumbWidth - m_marginLeft;
    const int span = m_maximum - m_minimum;
    // An empty range has only one place for the thumb.
    const double fraction = span != 0 ? static_cast<double>(value - m_minimum) / span : 0.0;
    return m_marginLeft + static_cast<int>(std::trunc(fraction * length)) + HalfThumb();
}

int CBitmapSlider::PixelToPosition(int x) const {
    const double length = m_width - m_marginRight - m_thumbWidth - m_marginLeft;
    if (length <= 0) {
        return m_minimum;
    }
    const double value =
        (x - HalfThumb() - m_marginLeft) / length * (m_maximum - m_minimum) + m_minimum;
    return static_cast<int>(std::trunc(value));
}

std::vector<CBitmapSlider::ChannelPiece> CBitmapSlider::ChannelPieces() const {
    const int width = m_width;
    const int start = PositionToPixel(m_selectionStart);
    const int end = PositionToPixel(m_selectionEnd);
    std::vector<ChannelPiece> pieces;
    switch (m_selectionMode) {
        case 0:
            pieces.push_back({false, 0, width});
            break;
        case 1:
            if (m_selectionStart == 0) {
                pieces.push_back({false, 0, width});
            } else {
                pieces.push_back({true, 0, start});
                pieces.push_back({false, start, width});
            }
            break;
        case 2:
            if (m_selectionStart != 0) {
                pieces.push_back({true, 0, start});
            }
            if (m_selectionEnd == m_maximum) {
                pieces.push_back({false, m_selectionStart != 0 ? start : 0, width});
            } else {
                pieces.push_back({true, end, width});
                pieces.push_back({false, m_selectionStart != 0 ? start : 0, end});
            }
            break;
        default:
            break;
    }
    return pieces;
}

void CBitmapSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The bitmaps are drawn in their own pixels, times the skin's scale.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(m_scale, m_scale);
    if (m_channelSet) {
        for (const ChannelPiece& piece : ChannelPieces()) {
            if (piece.to > piece.from) {
                const QPixmap& image = piece.imageA ? m_channelA : m_channelB;
                const QRect part(piece.from, 0, piece.to - piece.from, m_height);
                painter.drawPixmap(part, image, part);
            }
        }
    }
    if (m_thumbSet) {
        painter.drawPixmap(PositionToPixel(m_position) - HalfThumb(), m_marginTop,
                           m_dragging ? m_draggingThumb : m_thumb);
    }
    painter.restore();
    if (m_drawFocusRect && hasFocus()) {
        painter.end();
        QStylePainter stylePainter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        stylePainter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    } else if (ShowsFocus(*this)) {
        // A skinned slider draws no system focus rectangle but still shows the keyboard's focus.
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
        DrawFocusRing(painter, outline);
    }
}

void CBitmapSlider::Notify(QEvent::Type type) {
    if (QWidget* target = parentWidget()) {
        QCoreApplication::postEvent(target, new SliderEvent(type, m_controlId, m_position));
    }
}

void CBitmapSlider::MoveThumbTo(int pointerX) {
    int x = pointerX - m_dragOffset;
    x = std::min(std::max(x, m_marginLeft + HalfThumb()), m_width - m_marginRight - HalfThumb());
    if (x != PositionToPixel(m_position)) {
        m_position = Clamp(PixelToPosition(x));
        update();
        Notify(SliderEvent::kTracking);
    }
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    const int x = BitmapX(*event);
    const int distance = x - PositionToPixel(m_position);
    // A press on the thumb keeps its grab point; elsewhere the thumb jumps to the pointer.
    m_dragOffset = std::abs(distance) > HalfThumb() ? 0 : distance;
    MoveThumbTo(x);
    update();
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        MoveThumbTo(BitmapX(*event));
    }
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    update();
    Notify(SliderEvent::kChanged);
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event) {
    int position = m_position;
    switch (event->key()) {
        case Qt::Key_PageUp:
            position -= m_pageSize;
            break;
        case Qt::Key_PageDown:
            position += m_pageSize;
            break;
        case Qt::Key_End:
            position = m_maximum;
            break;
        case Qt::Key_Home:
            position = m_minimum;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            position -= 1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            position += 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            QWidget::keyPressEvent(event);  // Tab still moves the focus on
            return;
        default:
            event->accept();  // the slider takes every other key: Escape closes nothing
            return;
    }
    MoveTo(position);
}

void CBitmapSlider::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CBitmapSlider::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

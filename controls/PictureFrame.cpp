#include "PictureFrame.h"

#include <QPainter>
#include <QRegion>

#include "SkinColours.h"

PictureFrame::PictureFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureFrame::SetPicture(const unsigned char* bgrBottomUp, int width, int height) {
    if (bgrBottomUp == nullptr || width <= 0 || height <= 0) {
        return;
    }
    // The rows are exactly width × 3 bytes: the image reads no further than the buffer.
    const QImage view(bgrBottomUp, width, height, width * 3, QImage::Format_BGR888);
    m_picture = view.mirrored(false, true);
    update();
}

void PictureFrame::ClearPicture() {
    m_picture = QImage();
    update();
}

void PictureFrame::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) {
        return;
    }
    // The picture keeps its shape (a circle stays round), centred; the rest is the preview's
    // background.
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    QPainter painter(this);
    const QRegion bars = QRegion(rect()).subtracted(QRegion(target));
    for (const QRect& bar : bars) {
        painter.fillRect(bar, QColor(skin::colour::kPreviewBackground));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
}

#include "PictureFrame.h"

#include <QPainter>

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
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}

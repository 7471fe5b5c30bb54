#include "SkinCursor.h"

#include <QPixmap>

#include "SkinIds.h"

QCursor SkinHandCursor() {
    const QImage image = skin::LoadBitmap(262);
    if (image.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(QPixmap::fromImage(image), 9, 1);
}

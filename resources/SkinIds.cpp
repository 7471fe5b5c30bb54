#include "SkinIds.h"

#include <QString>

#include "SkinBitmapIds.h"

namespace skin {

std::span<const int> AllBitmapIds() {
    return kBitmapIds;
}

QImage LoadBitmap(int id) {
    return QImage(QStringLiteral(":/skin/%1.png").arg(id));
}

}  // namespace skin

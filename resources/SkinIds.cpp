#include "SkinIds.h"

#include <QString>

namespace skin {

namespace {
constexpr int kIds[] = {177, 178, 180, 181, 182, 185, 186, 188, 189, 191, 196, 197, 199, 200,
                        204, 207, 208, 209, 210, 212, 226, 229, 243, 244, 249, 253, 254, 261,
                        262, 266, 269, 279, 280, 286, 290, 292, 293, 295, 296, 299, 300, 301,
                        302, 303, 304, 306, 307, 308, 309, 310, 311, 314, 319};
}

std::span<const int> AllBitmapIds() {
    return kIds;
}

QImage LoadBitmap(int id) {
    return QImage(QStringLiteral(":/skin/%1.png").arg(id));
}

}  // namespace skin

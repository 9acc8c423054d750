#include "TextStyle.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace {

constexpr double titleGrowth = 1.25;
constexpr double detailShrink = 0.9;

}  // namespace

QFont scaledFont(QFont base, double factor) {
    if (base.pointSizeF() > 0) {
        base.setPointSizeF(base.pointSizeF() * factor);
    } else if (base.pixelSize() > 0) {
        base.setPixelSize(std::max(1, static_cast<int>(std::lround(base.pixelSize() * factor))));
    }
    return base;
}

double smallestReadablePointSize() {
    const QFont small = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return std::min(small.pointSizeF(), general.pointSizeF());
}

QFont fontFor(TextStyle style, const QFont& base) {
    QFont font = base;
    switch (style) {
        case TextStyle::body:
            break;
        case TextStyle::emphasis:
        case TextStyle::heading:
            font.setBold(true);
            break;
        case TextStyle::title:
            font = scaledFont(base, titleGrowth);
            font.setBold(true);
            break;
        case TextStyle::detail:
            font = scaledFont(base, detailShrink);
            if (font.pointSizeF() > 0 && font.pointSizeF() < smallestReadablePointSize()) {
                font.setPointSizeF(std::min(base.pointSizeF(), smallestReadablePointSize()));
            }
            break;
    }
    return font;
}

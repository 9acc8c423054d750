#include "WindowPlacement.h"

#include <QCborMap>
#include <QCborStreamReader>
#include <algorithm>

#include "KeyedArchiveFile.h"

namespace {

constexpr qint64 largestFile = 4096;   // bytes; the file holds a handful of small numbers
constexpr int largestSide = 100000;    // points; larger sides are no real window
constexpr int titleBarAllowance = 40;  // points kept for the title bar the desktop adds
constexpr int tabCount = 4;

const QString xKey = QStringLiteral("X");
const QString yKey = QStringLiteral("Y");
const QString widthKey = QStringLiteral("Width");
const QString heightKey = QStringLiteral("Height");
const QString maximisedKey = QStringLiteral("Maximised");
const QString tabKey = QStringLiteral("Tab");

bool isSide(qint64 value) { return value > 0 && value <= largestSide; }
bool isPosition(qint64 value) { return value >= -largestSide && value <= largestSide; }

}  // namespace

std::optional<WindowPlacement> readWindowPlacement(const QString& path) {
    const std::optional<QCborMap> read = KeyedArchiveFile(path, largestFile).readMap();
    if (!read) return std::nullopt;
    const QCborMap& values = *read;
    for (const QString& key : {xKey, yKey, widthKey, heightKey, tabKey}) {
        if (!values.value(key).isInteger()) return std::nullopt;
    }
    if (!values.value(maximisedKey).isBool()) return std::nullopt;
    const qint64 x = values.value(xKey).toInteger();
    const qint64 y = values.value(yKey).toInteger();
    const qint64 width = values.value(widthKey).toInteger();
    const qint64 height = values.value(heightKey).toInteger();
    const qint64 tab = values.value(tabKey).toInteger();
    if (!isPosition(x) || !isPosition(y) || !isSide(width) || !isSide(height) || tab < 0 ||
        tab >= tabCount) {
        return std::nullopt;
    }
    return WindowPlacement{QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                                 static_cast<int>(height)),
                           values.value(maximisedKey).toBool(), static_cast<int>(tab)};
}

bool writeWindowPlacement(const QString& path, const WindowPlacement& placement) {
    QCborMap values;
    values.insert(xKey, placement.frame.x());
    values.insert(yKey, placement.frame.y());
    values.insert(widthKey, placement.frame.width());
    values.insert(heightKey, placement.frame.height());
    values.insert(maximisedKey, placement.maximised);
    values.insert(tabKey, placement.tab);
    return !KeyedArchiveFile(path, largestFile).write(values.toCborValue().toCbor());
}

QRect fitToScreen(QRect wanted, const QRect& available) {
    const QRect room =
        available.adjusted(0, std::min(titleBarAllowance, available.height() / 4), 0, 0);
    wanted.setSize(wanted.size().boundedTo(room.size()));
    wanted.moveLeft(std::clamp(wanted.left(), room.left(), room.right() + 1 - wanted.width()));
    wanted.moveTop(std::clamp(wanted.top(), room.top(), room.bottom() + 1 - wanted.height()));
    return wanted;
}

QRect openingFrame(const std::optional<WindowPlacement>& placement, QSize firstSize,
                   const QRect& available) {
    QRect wanted(QPoint(), firstSize);
    wanted.moveCenter(available.center());
    return fitToScreen(placement ? placement->frame : wanted, available);
}

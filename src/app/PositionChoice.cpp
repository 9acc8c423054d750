#include "PositionChoice.h"

#include <QCborMap>

#include "KeyedArchiveFile.h"

namespace {

constexpr qint64 largestFile = 1024;  // bytes; the file holds one short word
const QString sourceKey = QStringLiteral("Source");
const QString serviceWord = QStringLiteral("LocationService");
const QString fixedWord = QStringLiteral("FixedPosition");

}  // namespace

PositionChoice readPositionChoice(const QString& path) {
    if (path.isEmpty()) return PositionChoice::locationService;
    const std::optional<QCborMap> values = KeyedArchiveFile(path, largestFile).readMap();
    if (values && values->value(sourceKey).toString() == fixedWord) {
        return PositionChoice::fixedPosition;
    }
    return PositionChoice::locationService;
}

bool writePositionChoice(const QString& path, PositionChoice choice) {
    if (path.isEmpty()) return false;
    QCborMap values;
    values.insert(sourceKey, choice == PositionChoice::fixedPosition ? fixedWord : serviceWord);
    return !KeyedArchiveFile(path, largestFile).write(values.toCborValue().toCbor());
}

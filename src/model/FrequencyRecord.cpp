#include "FrequencyRecord.h"

namespace {

const QString keyUplink = QStringLiteral("Uplink");
const QString keyDownlink = QStringLiteral("Downlink");
const QString keyComment = QStringLiteral("Comment");
const QString keyActive = QStringLiteral("Active");

void insertText(QCborMap& map, const QString& key, const std::optional<QString>& text) {
    if (text) map.insert(key, *text);
}

std::optional<QString> text(const QCborMap& map, const QString& key) {
    const QCborValue value = map.value(key);
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

}  // namespace

QCborMap FrequencyRecord::toCbor() const {
    QCborMap map;
    insertText(map, keyUplink, uplink);
    insertText(map, keyDownlink, downlink);
    insertText(map, keyComment, comment);
    if (active) map.insert(keyActive, QCborValue(nullptr));
    return map;
}

FrequencyRecord FrequencyRecord::fromCbor(const QCborValue& value) {
    const QCborMap map = value.toMap();
    return {text(map, keyUplink), text(map, keyDownlink), text(map, keyComment),
            map.contains(keyActive)};
}

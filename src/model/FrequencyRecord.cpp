#include "FrequencyRecord.h"

namespace {

const QString keyUplink = QStringLiteral("Uplink");
const QString keyDownlink = QStringLiteral("Downlink");
const QString keyComment = QStringLiteral("Comment");
const QString keyActive = QStringLiteral("Active");
const QString keyMode = QStringLiteral("Mode");
const QString keyInverting = QStringLiteral("Inverting");
const QString keyImported = QStringLiteral("Imported");
const QString keyUuid = QStringLiteral("Uuid");
const QString keyFields = QStringLiteral("Fields");

void insertText(QCborMap& map, const QString& key, const std::optional<QString>& text) {
    if (text) map.insert(key, *text);
}

std::optional<QString> text(const QCborMap& map, const QString& key) {
    const QCborValue value = map.value(key);
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

std::optional<FrequencyRecord::Import> importFrom(const QCborMap& map) {
    const QCborMap imported = map.value(keyImported).toMap();
    const std::optional<QString> uuid = text(imported, keyUuid);
    const std::optional<QString> fields = text(imported, keyFields);
    if (!uuid || !fields) return std::nullopt;
    return FrequencyRecord::Import{*uuid, *fields};
}

}  // namespace

QString FrequencyRecord::fieldsText() const {
    const QChar separator(0x1f);  // the unit separator: never typed into a field
    return QStringList{uplink.value_or(QString()), downlink.value_or(QString()),
                       comment.value_or(QString()), mode.value_or(QString()),
                       inverting ? QStringLiteral("inverting") : QString()}
        .join(separator);
}

QCborMap FrequencyRecord::toCbor() const {
    QCborMap map;
    insertText(map, keyUplink, uplink);
    insertText(map, keyDownlink, downlink);
    insertText(map, keyComment, comment);
    if (active) map.insert(keyActive, QCborValue(nullptr));
    insertText(map, keyMode, mode);
    if (inverting) map.insert(keyInverting, QCborValue(nullptr));
    if (imported) {
        map.insert(keyImported, QCborMap{{keyUuid, imported->uuid}, {keyFields, imported->fields}});
    }
    return map;
}

FrequencyRecord FrequencyRecord::fromCbor(const QCborValue& value) {
    const QCborMap map = value.toMap();
    return {text(map, keyUplink),    text(map, keyDownlink), text(map, keyComment),
            map.contains(keyActive), text(map, keyMode),     map.contains(keyInverting),
            importFrom(map)};
}

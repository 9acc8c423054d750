#include "KeyedArchiver.h"

#include <QDateTime>
#include <cmath>
#include <limits>

namespace {

constexpr QCborTag unix_time{1};

}  // namespace

void KeyedArchiver::encodeString(const QString& key, const std::optional<QString>& value) {
    map_.insert(key, value ? QCborValue(*value) : QCborValue(nullptr));
}

void KeyedArchiver::encodeDate(const QString& key, std::optional<Date> value) {
    map_.insert(key,
                value ? QCborValue(unix_time, value->secondsSince1970()) : QCborValue(nullptr));
}

std::optional<QString> KeyedUnarchiver::decodeString(const QString& key) const {
    const QCborValue value = map_.value(key);
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

std::int32_t KeyedUnarchiver::decodeInt32(const QString& key) const {
    const QCborValue value = map_.value(key);
    if (!value.isInteger()) return 0;
    const qint64 number = value.toInteger();
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(number);
}

bool KeyedUnarchiver::decodeBool(const QString& key) const { return map_.value(key).toBool(false); }

double KeyedUnarchiver::decodeDouble(const QString& key) const {
    const QCborValue value = map_.value(key);
    if (value.isDouble()) return value.toDouble();
    if (value.isInteger()) return static_cast<double>(value.toInteger());
    return 0.0;
}

std::optional<Date> KeyedUnarchiver::decodeDate(const QString& key) const {
    const QCborValue value = map_.value(key);
    // Reading CBOR bytes turns tag 1 into a date-time to the millisecond.
    if (value.isDateTime()) {
        const QDateTime dateTime = value.toDateTime();
        if (!dateTime.isValid()) return std::nullopt;
        return Date::fromQDateTime(dateTime);
    }
    if (!value.isTag() || value.tag() != unix_time) return std::nullopt;
    const QCborValue seconds = value.taggedValue();
    double since1970 = 0.0;
    if (seconds.isDouble()) {
        since1970 = seconds.toDouble();
    } else if (seconds.isInteger()) {
        since1970 = static_cast<double>(seconds.toInteger());
    } else {
        return std::nullopt;
    }
    if (!std::isfinite(since1970)) return std::nullopt;
    return Date(since1970 - Date::reference_date_unix_seconds);
}

std::optional<QByteArray> KeyedUnarchiver::decodeBytes(const QString& key) const {
    const QCborValue value = map_.value(key);
    if (!value.isByteArray()) return std::nullopt;
    return value.toByteArray();
}

// The keyed archive: values stored under string keys in the order they are encoded, as one
// CBOR map. Optional values are written as null when absent; dates are CBOR tag 1 (seconds
// since 1970 as a double) and read back to the millisecond.
#pragma once

#include <QByteArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>
#include <cstdint>
#include <optional>

#include "Date.h"

class KeyedArchiver {
public:
    void encodeObject(const QString& key, const QCborValue& value) { map_.insert(key, value); }
    void encodeString(const QString& key, const std::optional<QString>& value);
    void encodeInt32(const QString& key, std::int32_t value) { map_.insert(key, value); }
    void encodeBool(const QString& key, bool value) { map_.insert(key, value); }
    void encodeDouble(const QString& key, double value) { map_.insert(key, value); }
    void encodeDate(const QString& key, std::optional<Date> value);
    void encodeBytes(const QString& key, const QByteArray& value) { map_.insert(key, value); }

    const QCborMap& map() const { return map_; }

private:
    QCborMap map_;
};

// Reads a keyed archive. A key that is absent or holds a value of another type decodes as
// absent: none, 0, false or an empty value.
class KeyedUnarchiver {
public:
    explicit KeyedUnarchiver(QCborMap map) : map_(std::move(map)) {}

    bool containsKey(const QString& key) const { return map_.contains(key); }
    QCborValue decodeObject(const QString& key) const { return map_.value(key); }
    std::optional<QString> decodeString(const QString& key) const;
    std::int32_t decodeInt32(const QString& key) const;
    bool decodeBool(const QString& key) const;
    double decodeDouble(const QString& key) const;
    std::optional<Date> decodeDate(const QString& key) const;
    std::optional<QByteArray> decodeBytes(const QString& key) const;

private:
    QCborMap map_;
};

// The public transmitter database's list of transmitters, in the JSON form of its API: an
// array of objects with "uuid", "description", "alive", "type", "uplink_low", "uplink_high",
// "downlink_low", "downlink_high", "mode", "invert", "baud", "norad_cat_id", "status" and
// "updated"; frequencies in Hz, absent values null. Each active transmitter becomes a frequency
// record of the satellite with its catalogue number.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "FrequencyRecord.h"

struct Transmitter {
    QString uuid;
    QString description;
    QString type;  // "Transmitter", "Transceiver" or "Transponder"
    QString mode;
    QString status;  // "active", "inactive" or "invalid"
    bool alive = false;
    bool invert = false;
    std::optional<double> uplinkLow;
    std::optional<double> uplinkHigh;
    std::optional<double> downlinkLow;
    std::optional<double> downlinkHigh;
    std::optional<double> baud;
    std::int32_t catalogNumber = 0;

    // Alive and marked active: the ones that become frequency records.
    bool isActive() const { return alive && status == u"active"; }
    // The frequency record for the transmitter, marked as imported from it.
    FrequencyRecord toRecord() const;
};

struct TransmitterList {
    std::vector<Transmitter> transmitters;
    int skipped = 0;  // entries without a usable identifier, catalogue number or frequency
};

// The limits on what is read: the size of the document and the number of entries.
inline constexpr qsizetype transmitterListMaxBytes = 32 * 1024 * 1024;
inline constexpr qsizetype transmitterListMaxEntries = 100000;

// The list, or why it cannot be read: not JSON, not an array, too large, or holding no usable
// transmitter at all. Entries that are not usable are skipped and counted.
std::variant<TransmitterList, QString> readTransmitterList(const QByteArray& json);

// A satellite's records after importing its active transmitters (those of its catalogue
// number). Records the user typed, and imported records the user has changed since, stay as
// they are. An untouched imported record is replaced by its transmitter's newer form in place,
// keeping its place and whether it is the active record, and removed when its transmitter is
// no longer listed as active, unless it is the active record. Transmitters without a record
// yet are appended.
QList<FrequencyRecord> mergeTransmitters(const QList<FrequencyRecord>& records,
                                         const std::vector<const Transmitter*>& transmitters);

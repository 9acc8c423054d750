// A satellite's archived values as a plain copy: what the saved state writes for it. Taken on
// the main thread between predictions, it is consistent and may be encoded on another thread;
// its strings and frequency list share their storage with the satellite until either changes.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

#include "Date.h"
#include "FrequencyRecord.h"
#include "records.h"

class KeyedArchiver;

struct ArchivedSatellite {
    QString tleFileName;
    std::int32_t catalogNumber = 0;
    QString operationalStatus;
    QString commonName;
    alignas(8) engine::sat_record_t record{};
    std::optional<Date> keplerDate;
    std::optional<QList<FrequencyRecord>> frequencyInfo;
    std::optional<QString> comments;

    // The eight "SatDat" entries, in their fixed order.
    void encodeWithCoder(KeyedArchiver& coder) const;
};

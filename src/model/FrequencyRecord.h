// One of the user's radio frequency entries for a satellite. Every field is optional; "Active"
// marks the entry whose frequencies the pass screen corrects for Doppler shift.
#pragma once

#include <QCborMap>
#include <QString>
#include <optional>

struct FrequencyRecord {
    std::optional<QString> uplink;
    std::optional<QString> downlink;
    std::optional<QString> comment;
    bool active = false;

    bool operator==(const FrequencyRecord&) const = default;

    // The archived form: a map with the keys "Uplink", "Downlink" and "Comment" for the fields
    // present, and "Active" holding null on the active entry. Values of another type are
    // read as absent.
    QCborMap toCbor() const;
    static FrequencyRecord fromCbor(const QCborValue& value);
};

// The settings of the radio and rotator control and of the transmitter import. They are kept
// in their own small file beside the saved state ("stationSettings", a CBOR map), so that the
// saved state keeps its fixed keys. Everything starts off.
#pragma once

#include <QCborMap>
#include <QString>
#include <QUrl>

#include "RotatorLimits.h"

// How the radio's VFOs carry the two links: one VFO (the downlink only), split (receiving on
// VFOA and sending on VFOB), or two VFOs (Main for the downlink, Sub for the uplink).
enum class VfoLayout { single, split, twoVfos };

struct RadioSettings {
    bool enabled = false;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 4532;
    double interval = 1.0;  // seconds between updates, 0.2 at least
    VfoLayout layout = VfoLayout::single;
    double step = 10.0;  // Hz: smaller changes are not sent
    bool operator==(const RadioSettings&) const = default;
};

struct RotatorSettings {
    bool enabled = false;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 4533;
    double interval = 1.0;  // seconds between updates
    RotatorLimits limits;
    bool operator==(const RotatorSettings&) const;
};

struct TransmitterSettings {
    // Where the transmitter list comes from; empty: the public database, or the sample tree's
    // list when the element sets come from the bundled samples.
    QUrl source;
    // Whether every element-set update imports the transmitters too.
    bool importWithUpdate = false;
    bool operator==(const TransmitterSettings&) const = default;
};

struct StationSettings {
    RadioSettings radio;
    RotatorSettings rotator;
    TransmitterSettings transmitters;
    bool operator==(const StationSettings&) const = default;

    static constexpr double shortestInterval = 0.2;  // seconds
    static constexpr double longestInterval = 60.0;
    // The settings with every value that is out of its range replaced by its default.
    StationSettings validated() const;

    QCborMap toCbor() const;
    // Unknown keys are ignored; missing or unreadable values take their defaults.
    static StationSettings fromCbor(const QCborMap& map);
    // The file: none when it is missing or unreadable; false when it could not be written.
    static std::optional<StationSettings> read(const QString& path);
    bool write(const QString& path) const;
};

// Everything the saved-state file holds, as plain values: taken from the application delegate
// on the main thread and encoded by the background writer, which so never reads live objects.
#pragma once

#include <QByteArray>
#include <QCborValue>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "ArchivedSatellite.h"
#include "Date.h"
#include "Location.h"

struct SavedState {
    struct Entry {
        QString name;  // the satellite's key in its category
        ArchivedSatellite satellite;
    };
    struct Category {
        QString name;
        std::vector<Entry> satellites;
    };

    std::vector<Category> knownSatellites;
    QStringList selectedSatellites;  // common names, in selection order
    QString currentSatellite;        // empty when there is none
    Date dateOfTLEUpdate;
    bool useUTC = false;
    bool useDecimalDegrees = false;
    double passTimetableDuration = 0.0;
    std::int32_t minimumPathElevation = 0;
    std::optional<Location> currentLocation;
    bool showHeldAngle = false;
    bool showSunAndMoon = false;
    bool showFootprintTrack = false;
    std::int32_t tleUpdateDays = 0;
    std::int32_t timelineDuration = 0;

    // What the element-set update fetches: the categories of the server's last index page
    // (name to file name), the ones the user chose (none: all of them), and the groups the
    // server has dropped (by file name).
    QMap<QString, QString> serverCategories;
    std::optional<QStringList> updateCategories;
    QStringList droppedGroups;

    // The file's bytes: one CBOR map of the fourteen keys in their fixed order, followed by the
    // keys of the update's choices, which readers that do not know them pass over.
    QByteArray toCbor() const;
};

// A saved-state file larger than this is not read: a catalogue of the largest size the
// application keeps takes about 165 MB.
inline constexpr qint64 max_state_file_bytes = 256 * 1024 * 1024;

// The keys of the saved-state file.
namespace savedStateKey {
inline const QString knownSatellites = QStringLiteral("KnownSatellites");
inline const QString selectedSatellites = QStringLiteral("SelectedSatellites");
inline const QString currentSatellite = QStringLiteral("CurrentSatellite");
inline const QString dateOfTLEUpdate = QStringLiteral("DateOfTLEUpdate");
inline const QString useUTC = QStringLiteral("UseUTC");
inline const QString useDecimalDegrees = QStringLiteral("UseDecimalDegrees");
inline const QString passTimetableDuration = QStringLiteral("PassTimetableDuration");
inline const QString minimumPathElevation = QStringLiteral("MinimumPathElevation");
inline const QString currentLocation = QStringLiteral("CurrentLocation");
inline const QString showHeldAngle = QStringLiteral("ShowHeldAngle");
inline const QString showSunAndMoon = QStringLiteral("ShowSunAndMoon");
inline const QString showFootprintTrack = QStringLiteral("ShowFootprintTrack");
inline const QString tleUpdateDays = QStringLiteral("TLEUpdateDays");
inline const QString timelineDuration = QStringLiteral("TimelineDuration");
inline const QString serverCategories = QStringLiteral("ServerCategories");
inline const QString updateCategories = QStringLiteral("UpdateCategories");
inline const QString droppedGroups = QStringLiteral("DroppedGroups");
}  // namespace savedStateKey

// A location as archived: a map of "Latitude" and "Longitude" in degrees and "Altitude" in
// metres; null when there is none. A value that is not such a map reads as none; an absent
// coordinate as 0.
QCborValue locationToCbor(const std::optional<Location>& location);
std::optional<Location> locationFromCbor(const QCborValue& value);

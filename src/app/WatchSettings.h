// The settings for watching the sky: when the observer counts as in darkness, whether only
// visible passes are listed, whether sunlight and shadow are shown (day and night on the map,
// the sunlit part of a pass on the radar plot), and the pass alerts (lead time,
// visible passes only, and the satellites they are on for). Everything is off or neutral by
// default. They are kept in their own small file beside the saved state ("watchSettings", a CBOR
// map), so that the saved state keeps its fixed keys.
#pragma once

#include <QCborValue>
#include <QString>
#include <QStringList>
#include <optional>

#include "PassVisibility.h"

struct WatchSettings {
    static constexpr double default_lead_time = 300.0;  // seconds
    static constexpr double longest_lead_time = 3600.0;
    static constexpr qsizetype most_alert_satellites = 1000;
    static constexpr qsizetype longest_name = 200;  // characters

    double darknessElevation = VisibilityConditions::default_darkness;  // degrees
    bool visiblePassesOnly = false;
    bool showSunlight = false;
    double alertLeadTime = default_lead_time;
    bool alertVisibleOnly = false;
    QStringList alertSatellites;  // common names, sorted, each once

    bool alertsOn(const QString& name) const { return alertSatellites.contains(name); }
    // Whether the list and the details say what of each pass can be seen: when the user asked
    // for visible passes or for sunlight and shadow.
    bool marksVisibility() const { return visiblePassesOnly || showSunlight; }
    // When a pass can be seen, for passes that must reach this elevation (degrees).
    VisibilityConditions conditions(double minimumElevation) const {
        return {darknessElevation, minimumElevation};
    }
    void setAlertsOn(const QString& name, bool on);

    bool operator==(const WatchSettings&) const = default;

    // The saved form: a map of the settings.
    QCborValue toCbor() const;
    // Reads the saved form; a missing or unreadable value gives that setting's default, a
    // number out of range its nearest limit, and the names beyond the limits are left out.
    static WatchSettings fromCbor(const QCborValue& value);
    // The file: none when it is missing or unreadable; false when it could not be written.
    static std::optional<WatchSettings> read(const QString& path);
    bool write(const QString& path) const;
};

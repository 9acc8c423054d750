// The user's settings and the observer's position, held once by the application delegate and
// read afresh by every satellite, screen and computation that needs them. Setters only store:
// whoever changes a value asks for a save itself. The store also carries the application's
// clock, so that tests decide what "now" is.
#pragma once

#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <functional>

#include "Date.h"
#include "records.h"

class SettingsStore {
public:
    using Clock = std::function<Date()>;

    SettingsStore();
    virtual ~SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool useUTC() const { return useUTC_; }
    void setUseUTC(bool value) { useUTC_ = value; }
    bool useDecimalDegrees() const { return useDecimalDegrees_; }
    void setUseDecimalDegrees(bool value) { useDecimalDegrees_ = value; }
    std::int32_t minimumPathElevation() const { return minimumPathElevation_; }
    void setMinimumPathElevation(std::int32_t value) { minimumPathElevation_ = value; }
    // Days times 3600; readers multiply by 24 for seconds. 0 means not set.
    double passTimetableDuration() const { return passTimetableDuration_; }
    void setPassTimetableDuration(double value) { passTimetableDuration_ = value; }
    bool showSunAndMoon() const { return showSunAndMoon_; }
    void setShowSunAndMoon(bool value) { showSunAndMoon_ = value; }
    bool showHeldAngle() const { return showHeldAngle_; }
    void setShowHeldAngle(bool value) { showHeldAngle_ = value; }
    bool showFootprintTrack() const { return showFootprintTrack_; }
    void setShowFootprintTrack(bool value) { showFootprintTrack_ = value; }
    std::int32_t tleUpdateDays() const { return tleUpdateDays_; }
    void setTleUpdateDays(std::int32_t value) { tleUpdateDays_ = value; }
    std::int32_t timelineDuration() const { return timelineDuration_; }
    void setTimelineDuration(std::int32_t value) { timelineDuration_ = value; }

    // The observer record by value: latitude and longitude in radians, altitude in km, theta 0.
    engine::geodetic_point_t observer_geodetic() const { return observer_geodetic_; }
    virtual void setObserver_geodetic(const engine::geodetic_point_t& observer);

    Date now() const { return clock_(); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // A clock time in the given date pattern ("HH:mm:ss", "dd-MMM HH:mm:ss"), in UTC when
    // useUTC is on and in the local time zone otherwise; the setting is read at each call.
    QString formatTime(Date date, const QString& pattern) const;
    // The zone of the shown clock times, and its abbreviation at an instant ("UTC", "CET").
    QTimeZone timeZone() const;
    QString zoneAbbreviation(Date date) const;

private:
    bool useUTC_ = false;
    bool useDecimalDegrees_ = false;
    std::int32_t minimumPathElevation_ = 0;
    double passTimetableDuration_ = 0.0;
    bool showSunAndMoon_ = false;
    bool showHeldAngle_ = false;
    bool showFootprintTrack_ = false;
    std::int32_t tleUpdateDays_ = 0;
    std::int32_t timelineDuration_ = 0;
    engine::geodetic_point_t observer_geodetic_{};
    Clock clock_;
};

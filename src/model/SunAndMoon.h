// The Sun's and the Moon's place in the observer's sky from low-precision analytic series: no
// ephemeris files, no propagator. Each call reads the observer record afresh. The Sun's place
// in space, its height over an observer and the point beneath it all come from the one solar
// series, so that they agree with each other.
#pragma once

#include <optional>

#include "AzimuthAndElevation.h"
#include "Date.h"
#include "records.h"

class SettingsStore;

class SunAndMoon {
public:
    SunAndMoon() = delete;

    // At the instant, or now when none.
    static AzimuthAndElevation sunAt(const SettingsStore& settings, std::optional<Date> date);
    static AzimuthAndElevation moonAt(const SettingsStore& settings, std::optional<Date> date);

    // The angle reduced to 0 up to 2 pi.
    static double rem2Pi(double angle);

    // The Sun at an instant: its place from the Earth's centre in the propagators' inertial
    // frame (km, w its distance), and its elevation (degrees, unrounded) for an observer record.
    struct Sun {
        engine::vector4_t position;
        double elevation;
    };
    static Sun sunFor(const engine::geodetic_point_t& observer, Date date);
    // The Sun's elevation alone (degrees, unrounded).
    static double sunElevation(const engine::geodetic_point_t& observer, Date date);

    // The point on the Earth beneath the Sun: latitude and longitude in degrees, east positive,
    // longitude in -180 to 180.
    struct GroundPoint {
        double latitude;
        double longitude;
    };
    static GroundPoint subsolarPoint(Date date);
};

// The Sun's and the Moon's place in the observer's sky from low-precision analytic series: no
// ephemeris files, no propagator. Each call reads the observer record afresh.
#pragma once

#include <optional>

#include "AzimuthAndElevation.h"
#include "Date.h"

class SettingsStore;

class SunAndMoon {
public:
    SunAndMoon() = delete;

    // At the instant, or now when none.
    static AzimuthAndElevation sunAt(const SettingsStore& appDelegate, std::optional<Date> date);
    static AzimuthAndElevation moonAt(const SettingsStore& appDelegate, std::optional<Date> date);

    // The angle reduced to 0 up to 2 pi.
    static double rem2Pi(double angle);
};

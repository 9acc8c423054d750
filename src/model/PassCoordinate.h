// One sample of a pass: where the satellite stood at an instant, in single precision.
#pragma once

#include <optional>

#include "Date.h"

struct PassCoordinate {
    float azimuth = 0.0f;      // degrees
    float elevation = 0.0f;    // degrees
    float altitude = 0.0f;     // km
    std::optional<Date> date;  // none for the single sample of a geostationary satellite
};

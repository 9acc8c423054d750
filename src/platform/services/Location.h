// A position on the Earth as the location service reports it, and one reading of it.
#pragma once

#include "Date.h"

struct Location {
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    double altitude = 0.0;   // metres

    bool operator==(const Location&) const = default;
};

struct LocationReading {
    Location location;
    Date timestamp;
};

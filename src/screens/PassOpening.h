// A pass known by its rise (from an alert or a list of the whole catalogue), made again for
// the pass screen.
#pragma once

#include <cstdint>
#include <memory>

#include "Date.h"
#include "PassData.h"

// The satellite's pass that rises at rise, searched from a minute before, so that the search
// finds that rise even when the one it was known by was placed a little later.
inline std::shared_ptr<PassData> passRisingAt(SatelliteData& satellite, Date rise,
                                              std::int32_t minimumElevation) {
    constexpr double before_rise = 60.0;  // seconds
    return std::make_shared<PassData>(satellite, rise - before_rise, minimumElevation);
}

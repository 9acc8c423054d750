// The night at the observer: from dusk, when the Sun sinks below the darkness elevation, to
// dawn, when it climbs back, by the one solar series.
#pragma once

#include <optional>

#include "Date.h"
#include "records.h"

struct Night {
    Date dusk;
    Date dawn;
};

// The night under way at from, or else the next one to begin within a day. A night that has
// no dusk or no dawn within a day of from (polar night) is cut to a day either side; none when
// the Sun stays up for the day after from (polar day). Dusk and dawn are found within a second.
std::optional<Night> nightAt(const engine::geodetic_point_t& observer, Date from,
                             double darknessElevation);

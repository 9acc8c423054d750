// Many satellites at one instant: each record propagated to the instant and seen from one
// observer, with what depends only on the instant and the observer (the sidereal angle, the
// observer's place turned with the Earth) made once for all. Each record gets the same numbers
// as a prediction of it alone.
#pragma once

#include <cstddef>

#include "observer.h"
#include "records.h"

namespace engine {

// Propagates each record to the Julian date jul_utc: sets jul_utc, tsince, pos and vel (km and
// km/s, w set) and the radian phase, as one prediction does. When looks is not null, looks[i]
// receives the look angles of records[i] from the site.
void Propagate_Batch(double jul_utc, const observer_site_t& site, sat_record_t* const* records,
                     std::size_t count, look_angles_t* looks);

}  // namespace engine

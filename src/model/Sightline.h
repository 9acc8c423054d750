// The line of sight from the observer to a satellite at any instant, by the propagation and the
// look angles alone: what the searches over a pass ask many times. A full prediction also
// works out the point beneath the satellite and its revolution number, which a search needs only
// at the points it settles on. The numbers are those of a full prediction, bit for bit.
#pragma once

#include "Date.h"
#include "observer.h"
#include "records.h"

class SatelliteData;

class Sightline {
public:
    struct Look {
        double elevation;            // degrees
        double range;                // km
        engine::vector4_t position;  // km from the Earth's centre, w the distance
    };

    // For the satellite's element set and observer as they are now; the satellite's own
    // predictions are left where they are.
    explicit Sightline(const SatelliteData& satellite);

    Look at(Date t);

private:
    engine::sat_record_t record_;
    engine::observer_site_t site_;
};

// An orbital record filled from mean elements in element-set units (degrees, revolutions per
// day), converted as the element parser converts them, so the engine runs without the model.
#pragma once

#include "constants.h"
#include "records.h"
#include "sidereal_time.h"

namespace engine::fixture {

struct Elements {
    double epoch = 80275.98708465, meanMotion = 15.5, eccentricity = 0.0005;
    double inclination = 51.6, node = 100.0, perigee = 90.0, anomaly = 30.0, bstar = 1.0e-4;
};

inline sat_record_t makeRecord(const Elements& e, bool deepSpace = false) {
    sat_record_t sat{};
    using constants::de2ra;
    sat.tle.epoch = e.epoch;
    sat.tle.bstar = e.bstar;
    sat.tle.xincl = e.inclination * de2ra;
    sat.tle.xnodeo = e.node * de2ra;
    sat.tle.eo = e.eccentricity;
    sat.tle.omegao = e.perigee * de2ra;
    sat.tle.xmo = e.anomaly * de2ra;
    sat.tle.xno = e.meanMotion * constants::twopi / 1440.0;
    sat.meanmo = e.meanMotion;
    sat.flags = deepSpace ? FLAG_DEEP_SPACE : 0;
    sat.jul_epoch = Julian_Date_of_Epoch(e.epoch);
    return sat;
}

// The published test sets of the near-Earth and the deep-space model.
inline const Elements set88888{80275.98708465, 16.05824518, 0.0086731, 72.8435,
                               115.9689,       52.6988,     110.5714,  0.66816e-4};
inline const Elements set11801{80230.29629788, 2.28537848, 0.7318036, 46.7916,
                               230.4354,       47.4722,    10.4117,   0.14311e-1};

}  // namespace engine::fixture

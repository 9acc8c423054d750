#include "Sightline.h"

#include "SatelliteData.h"
#include "SettingsStore.h"
#include "batch.h"
#include "vector_math.h"

Sightline::Sightline(const SatelliteData& satellite)
    : record_(satellite.satelliteData()),
      site_(engine::Observer_Site(satellite.appDelegate()->observer_geodetic())) {}

Sightline::Look Sightline::at(Date t) {
    engine::sat_record_t* const records[] = {&record_};
    engine::look_angles_t look{};
    engine::Propagate_Batch(t.julianDate(), site_, records, 1, &look);
    return {engine::Degrees(look.el), look.range, record_.pos};
}

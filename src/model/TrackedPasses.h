// Passes found in a satellite's samples through an approach to the observer's sky: the
// samples (a minute or so apart, from a scan or from single predictions) bracket each rise and
// set and the highest point, which are then narrowed by the satellite's own predictions. A
// pass that could rise and set between two samples, or a dip below the horizon between two,
// is looked for wherever the fastest the elevation can change allows one. The passes are
// those the horizon searches find, their rise and set placed within a tenth of a second.
#pragma once

#include <vector>

#include "Date.h"
#include "OrbitBounds.h"
#include "PassVisibility.h"
#include "Sightline.h"
#include "SunAndMoon.h"
#include "records.h"

class SatelliteData;

class TrackedPasses {
public:
    TrackedPasses(SatelliteData& satellite, const VisibilityConditions& conditions);

    // The satellite predicted at t; with the Sun there when it is known.
    SkySample sampleAt(Date t);
    SkySample sampleAt(Date t, const SunAndMoon::Sun& sun);

    // The passes that rise and set within the samples (in time order), as outlines whose
    // looking points are the samples within them; only those that bounds on the conditions'
    // rates leave a chance to be seen.
    std::vector<PassOutline> mayBeSeen(std::vector<SkySample> samples);

private:
    double elevationRate(double range) const;
    void findHidden(std::vector<SkySample>& samples);
    bool chance(const std::vector<SkySample>& samples, std::size_t first, std::size_t last) const;
    Date crossing(const SkySample& below, const SkySample& above);
    PassCoordinate highest(const std::vector<SkySample>& samples, std::size_t first,
                           std::size_t last, Date rise, Date set);

    SatelliteData& satellite_;
    Sightline sight_;  // for the probes of the searches
    VisibilityConditions conditions_;
    engine::geodetic_point_t observer_;
    OrbitBounds bounds_;
};

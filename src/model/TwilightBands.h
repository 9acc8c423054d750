// Day and night on the world map: where the Sun stands below the horizon (night side of the
// terminator) and below the limits of civil, nautical and astronomical twilight, as outlines in
// longitude and latitude (degrees, east and north positive) for a map that runs from -180 to
// 180 and from -90 to 90. Each region is a cap of the globe around the point opposite the Sun;
// on the map it is a set of polygons, one per stretch of meridians that cross it, each closed
// along the map's edges where the cap holds a pole or reaches past 180 degrees.
#pragma once

#include <array>
#include <vector>

#include "Date.h"
#include "SunAndMoon.h"

struct LonLat {
    double longitude;
    double latitude;
};
using MapOutline = std::vector<LonLat>;

class TwilightBands {
public:
    // The Sun's elevations that bound the bands: the horizon, then the ends of civil, nautical
    // and astronomical twilight.
    static constexpr std::array<double, 4> limits{0.0, -6.0, -12.0, -18.0};

    explicit TwilightBands(SunAndMoon::GroundPoint subsolar);
    // The bands at an instant, from the one solar series.
    static TwilightBands at(Date date) { return TwilightBands(SunAndMoon::subsolarPoint(date)); }

    // Where the Sun stands below the elevation (degrees, 0 down to -89): polygons, the first
    // point not repeated at the end. Filled one over the other for 0, -6, -12 and -18 they
    // darken band by band.
    std::vector<MapOutline> regionBelow(double elevation) const;
    // Where it stands at the elevation: the region's edge without the stretches along the map's
    // edges, as lines to stroke (the terminator for 0).
    std::vector<MapOutline> lineAt(double elevation) const;

private:
    double antisolarLatitude_;   // radians
    double antisolarLongitude_;  // radians
};

// Day and night on the map: the night side and the twilight bands as outlines in longitude
// and latitude, checked against the Sun's elevation over the points they enclose.
#include <gtest/gtest.h>

#include <cmath>

#include "TwilightBands.h"
#include "sample_sky.h"

using namespace sample;

namespace {

// Outline points are placed exactly; between the meridians a degree apart the edge is a
// straight chord, which strays from the true curve by well under this.
constexpr double edge_tolerance = 0.05;  // degrees of the Sun's elevation
// Points this far from an edge are judged inside or outside without doubt.
constexpr double clear_of_edge = 1.5;  // degrees of the Sun's elevation

double sunElevation(Date t, double latitude, double longitude) {
    return SunAndMoon::sunElevation({latitude * degree, longitude * degree, 0.0, 0.0}, t);
}

// Even-odd rule over all polygons of a region.
bool inside(const std::vector<MapOutline>& polygons, double longitude, double latitude) {
    bool in = false;
    for (const MapOutline& ring : polygons) {
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const LonLat& a = ring[i];
            const LonLat& b = ring[j];
            if ((a.latitude > latitude) != (b.latitude > latitude) &&
                longitude < (b.longitude - a.longitude) * (latitude - a.latitude) /
                                    (b.latitude - a.latitude) +
                                a.longitude) {
                in = !in;
            }
        }
    }
    return in;
}

// A solstice (polar night in the north), the equinox (night from pole to pole) and noon of
// the equinox's day (the night centred on the antimeridian).
const Date solstice(819583200.0);     // 2026-12-21T22:00:00Z
const Date equinox(795709620.0);      // 2026-03-20T14:27:00Z
const Date equinoxNoon(795700800.0);  // 2026-03-20T12:00:00Z

}  // namespace

TEST(TwilightBands, EdgesLieWhereTheSunStandsAtEachLimit) {
    for (const Date t : {epoch, solstice, equinox, equinoxNoon}) {
        const TwilightBands bands = TwilightBands::at(t);
        for (const double limit : TwilightBands::limits) {
            const auto lines = bands.lineAt(limit);
            ASSERT_FALSE(lines.empty()) << limit;
            for (const MapOutline& line : lines) {
                for (const LonLat& p : line) {
                    EXPECT_GE(p.longitude, -180.0);
                    EXPECT_LE(p.longitude, 180.0);
                    EXPECT_LE(std::fabs(p.latitude), 90.0);
                    if (std::fabs(p.latitude) < 90.0) {
                        EXPECT_NEAR(sunElevation(t, p.latitude, p.longitude), limit, edge_tolerance)
                            << limit << " at " << p.longitude << ", " << p.latitude;
                    }
                }
            }
        }
    }
}

TEST(TwilightBands, RegionsHoldThePointsWhereTheSunIsLowerAndNestInsideEachOther) {
    for (const Date t : {epoch, solstice, equinox, equinoxNoon}) {
        const TwilightBands bands = TwilightBands::at(t);
        std::vector<std::vector<MapOutline>> regions;
        for (const double limit : TwilightBands::limits)
            regions.push_back(bands.regionBelow(limit));
        for (double latitude = -87.5; latitude < 90.0; latitude += 5.0) {
            for (double longitude = -177.5; longitude < 180.0; longitude += 5.0) {
                const double sun = sunElevation(t, latitude, longitude);
                for (std::size_t k = 0; k < regions.size(); ++k) {
                    const double limit = TwilightBands::limits[k];
                    if (std::fabs(sun - limit) < clear_of_edge) continue;
                    EXPECT_EQ(inside(regions[k], longitude, latitude), sun < limit)
                        << limit << " at " << longitude << ", " << latitude;
                }
            }
        }
    }
}

TEST(TwilightBands, PolarNightEquinoxAndTheAntimeridian) {
    // December solstice: the night holds the north pole and runs round the whole map, so its
    // edge is one line across the map from side to side.
    const auto polar = TwilightBands::at(solstice).regionBelow(0.0);
    ASSERT_EQ(polar.size(), 1u);
    EXPECT_TRUE(inside(polar, 0.0, 89.0));
    EXPECT_FALSE(inside(polar, 0.0, -89.0));
    const auto terminator = TwilightBands::at(solstice).lineAt(0.0);
    ASSERT_EQ(terminator.size(), 1u);
    EXPECT_EQ(std::fabs(terminator.front().front().longitude), 180.0);
    EXPECT_EQ(terminator.front().back().longitude, -terminator.front().front().longitude);
    // Equinox: the terminator runs nearly along two meridians from pole to pole.
    for (const MapOutline& line : TwilightBands::at(equinox).lineAt(0.0)) {
        double west = 180.0, east = -180.0;
        for (const LonLat& p : line) {
            if (std::fabs(p.latitude) > 80.0) continue;
            west = std::min(west, p.longitude);
            east = std::max(east, p.longitude);
        }
        EXPECT_LT(east - west, 1.0);
    }
    // A night side that crosses the map's edge is cut there into two polygons, and no line is
    // drawn along the edge.
    const auto cut = TwilightBands::at(equinoxNoon).regionBelow(-18.0);
    EXPECT_EQ(cut.size(), 2u);
    for (const MapOutline& line : TwilightBands::at(equinoxNoon).lineAt(-18.0)) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            EXPECT_FALSE(std::fabs(line[i].longitude) == 180.0 &&
                         line[i - 1].longitude == line[i].longitude);
        }
    }
}

// The Sun from its one series in space and in the sky, and the Earth's shadow, against an
// independent reference: another solar series and the shadow written out as cones.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EarthShadow.h"
#include "PassData.h"
#include "PassVisibility.h"
#include "SunAndMoon.h"
#include "observer.h"
#include "sample_sky.h"
#include "shadow_reference.h"
#include "sidereal_time.h"

using namespace sample;
namespace ref = shadow_reference;

namespace {

// The two solar series differ by about a hundredth of a degree, which moves a shadow's edge
// across a low orbit by well under a second.
constexpr double series_agreement = 0.02;      // degrees
constexpr double distance_agreement = 2.0e-4;  // relative
// Entries into and exits from the shadow agree with the reference within this.
constexpr double crossing_agreement = 2.0;  // seconds

double angleBetween(const ref::Vec& a, const ref::Vec& b) {
    return std::acos(std::clamp(a.dot(b) / (a.norm() * b.norm()), -1.0, 1.0)) / degree;
}

Illumination lightOf(ref::Light light) {
    switch (light) {
        case ref::Light::umbra:
            return Illumination::umbra;
        case ref::Light::penumbra:
            return Illumination::penumbra;
        case ref::Light::sunlit:
            break;
    }
    return Illumination::sunlit;
}

struct Change {
    Date t;
    Illumination to;
};

}  // namespace

TEST(Sun, ItsPlaceInSpaceAndInTheSkyComeFromOneSeries) {
    Sky sky(52.0, -1.5);
    const engine::geodetic_point_t observer = sky.appDelegate.observer_geodetic();
    for (int hour = 0; hour < 24 * 200; hour += 37) {
        const Date t = epoch + hour * 3600.0;
        const SunAndMoon::Sun sun = SunAndMoon::sunFor(observer, t);
        // The same place seen from the observer by the orbit engine's geometry.
        engine::geodetic_point_t copy = observer;
        engine::look_angles_t look{};
        engine::Calculate_Obs(t.julianDate(), sun.position, {}, copy, look);
        const AzimuthAndElevation inTheSky = SunAndMoon::sunAt(sky.appDelegate, t);
        EXPECT_NEAR(look.el / degree, sun.elevation, 0.01) << hour;
        EXPECT_NEAR(sun.elevation, inTheSky.elevation, 1e-4) << hour;
        EXPECT_NEAR(std::remainder(look.az / degree - inTheSky.azimuth, 360.0), 0.0, 0.01) << hour;
        EXPECT_DOUBLE_EQ(SunAndMoon::sunElevation(observer, t), sun.elevation);
        // The independent series.
        const ref::Vec other = ref::sun(t.julianDate());
        EXPECT_LT(angleBetween(ref::of(sun.position), other), series_agreement) << hour;
        EXPECT_NEAR(sun.position.w / other.norm(), 1.0, distance_agreement) << hour;
    }
}

TEST(Sun, StandsOverheadAtTheSubsolarPoint) {
    for (int hour = 0; hour < 24 * 365; hour += 53) {
        const Date t = epoch + hour * 3600.0;
        const SunAndMoon::GroundPoint point = SunAndMoon::subsolarPoint(t);
        EXPECT_LE(std::fabs(point.latitude), 23.45);
        EXPECT_GE(point.longitude, -180.0);
        EXPECT_LE(point.longitude, 180.0);
        const engine::geodetic_point_t beneath{point.latitude * degree, point.longitude * degree,
                                               0.0, 0.0};
        EXPECT_NEAR(SunAndMoon::sunElevation(beneath, t), 90.0, 0.01) << hour;
    }
    // At 12:00 UTC on 6 December the Sun stands near Greenwich's meridian (the equation of time
    // puts it 2.2 degrees west at noon), 22.5 degrees south.
    const SunAndMoon::GroundPoint noon = SunAndMoon::subsolarPoint(epoch);
    EXPECT_NEAR(noon.latitude, -22.5, 0.1);
    EXPECT_NEAR(noon.longitude, -2.2, 0.1);
}

// A satellite in the three parts of the shadow and beyond it, placed by hand.
TEST(EarthShadow, UmbraPenumbraAndSunlightAroundTheEarth) {
    const engine::vector4_t sun{1.496e8, 0.0, 0.0, 1.496e8};
    const auto at = [&](double x, double y) { return EarthShadow({x, y, 0.0, 0.0}, sun); };
    EXPECT_EQ(at(7000.0, 0.0).illumination(), Illumination::sunlit);  // day side
    EXPECT_EQ(at(0.0, 7000.0).illumination(), Illumination::sunlit);  // over the terminator
    EXPECT_EQ(at(-7000.0, 0.0).illumination(), Illumination::umbra);  // behind the Earth
    EXPECT_FALSE(at(-7000.0, 0.0).sunlit());
    // Behind the Earth the umbra narrows by 0.0047 km per km, the penumbra widens as much:
    // at 7000 km behind, the edges lie 33 km either side of the Earth's radius.
    EXPECT_EQ(at(-7000.0, 6378.135 - 40.0).illumination(), Illumination::umbra);
    EXPECT_EQ(at(-7000.0, 6378.135 - 20.0).illumination(), Illumination::penumbra);
    EXPECT_FALSE(at(-7000.0, 6378.135 - 20.0).sunlit());
    EXPECT_TRUE(at(-7000.0, 6378.135 + 20.0).sunlit());
    EXPECT_EQ(at(-7000.0, 6378.135 + 20.0).illumination(), Illumination::penumbra);
    EXPECT_EQ(at(-7000.0, 6378.135 + 40.0).illumination(), Illumination::sunlit);
    // Far out, beyond the umbra's apex (1.38 million km), the Sun is never wholly hidden.
    EXPECT_EQ(at(-1.5e6, 0.0).illumination(), Illumination::penumbra);
    EXPECT_FALSE(EarthShadow({NAN, 0.0, 0.0, 0.0}, sun).sunlit());
}

// Along whole orbits, second by second: every change between sunlight, penumbra and umbra
// happens where the written-out cones with the other Sun put it.
TEST(EarthShadow, ChangesAlongOrbitsAgreeWithTheCones) {
    Sky sky(52.0, -1.5);
    const engine::geodetic_point_t observer = sky.appDelegate.observer_geodetic();
    // A seven-hour deep-space orbit, through the shadow on every revolution; a Molniya orbit,
    // which stays in sunlight in December.
    const Lines sevenHour{"SAMPLE SEVEN HOUR [P]",
                          "1 99304U 08004A   26340.50000000  .00000000  00000-0  00000-0 0  9997",
                          "2 99304  40.0000  10.0000 1000000  30.0000  50.0000  3.40000000 15015"};
    struct Case {
        Lines lines;
        double span;  // seconds scanned
        bool shadowed;
    };
    for (const Case& c : {Case{station, 3.0 * 5600.0, true}, Case{weather, 2.0 * 6100.0, true},
                          Case{sevenHour, 2.0 * 25400.0, true}, Case{molniya, 43200.0, false}}) {
        const auto satellite = sky.make(c.lines);
        std::vector<Change> mine, theirs;
        std::optional<Illumination> myLast, theirLast;
        for (double s = 0.0; s <= c.span; s += 1.0) {
            const Date t = epoch + s;
            satellite->predictLocationAt(t);
            const engine::vector4_t& pos = satellite->satelliteData().pos;
            const Illumination light =
                EarthShadow(pos, SunAndMoon::sunFor(observer, t).position).illumination();
            const Illumination other =
                lightOf(ref::Shadow(ref::sun(t.julianDate())).light(ref::of(pos)));
            if (myLast && light != *myLast) mine.push_back({t, light});
            if (theirLast && other != *theirLast) theirs.push_back({t, other});
            myLast = light;
            theirLast = other;
        }
        ASSERT_EQ(mine.size(), theirs.size()) << c.lines.name;
        EXPECT_EQ(mine.empty(), !c.shadowed) << c.lines.name;
        for (std::size_t i = 0; i < mine.size(); ++i) {
            EXPECT_EQ(mine[i].to, theirs[i].to) << c.lines.name << " " << i;
            EXPECT_LE(std::fabs(mine[i].t - theirs[i].t), crossing_agreement)
                << c.lines.name << " " << i;
        }
    }
}

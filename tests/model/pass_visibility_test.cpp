// Visible passes: the satellite sunlit and high enough while the observer is in darkness. The
// stretches, the shadow crossings and the light of every sample against the independent
// reference of the Sun and the shadow's cones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PassData.h"
#include "PassVisibility.h"
#include "SunAndMoon.h"
#include "TrackedPasses.h"
#include "sample_sky.h"
#include "shadow_reference.h"

using namespace sample;
namespace ref = shadow_reference;

namespace {

constexpr double crossing_agreement = 2.0;  // seconds, against the reference
constexpr double reference_step = 0.1;      // seconds between the reference's looks
// Stretch ends are checked this far inside and outside them; the reference Sun differs from
// the model's by about a hundredth of a degree, which moves an edge by a fraction of a second.
constexpr double edge_margin = 1.0;  // seconds

const Lines amateur{"SAMPLE AMATEUR 1 [+]",
                    "1 99005U 13066B   26340.50000000  .00000400  00000-0  50000-4 0  9992",
                    "2 99005  97.6000  10.0000 0011000 150.0000 210.0000 14.82000000 70012"};
const Lines navigation{"SAMPLE NAV A1 [+]",
                       "1 99101U 18109A   26340.50000000  .00000000  00000-0  00000-0 0  9999",
                       "2 99101  55.0000 180.0000 0050000 190.0000 170.0000  2.00563000 60017"};
const Lines sevenHour{"SAMPLE SEVEN HOUR [P]",
                      "1 99304U 08004A   26340.50000000  .00000000  00000-0  00000-0 0  9997",
                      "2 99304  40.0000  10.0000 1000000  30.0000  50.0000  3.40000000 15015"};
const Lines cubesat{"SAMPLE CUBESAT [B]",
                    "1 99006U 22002C   26340.50000000  .00003000  00000-0  40000-3 0  9990",
                    "2 99006  97.4000 250.0000 0008000  45.0000 315.0000 15.20000000 30011"};

bool centreHidden(SatelliteData& satellite, Date t) {
    satellite.predictLocationAt(t);
    return ref::Shadow(ref::sun(t.julianDate()))
        .centreHidden(ref::of(satellite.satelliteData().pos));
}

// The passes of one day from the epoch, with their visibility.
struct Looked {
    std::shared_ptr<PassData> pass;
    PassVisibility visibility;
};

std::vector<Looked> dayOfPasses(SatelliteData& satellite, const VisibilityConditions& conditions) {
    std::vector<Looked> passes;
    Date after = epoch;
    while (after < epoch + 86400.0) {
        auto pass = std::make_shared<PassData>(satellite, after, 0);
        if (!pass->los()) break;
        passes.push_back({pass, PassVisibility(satellite, *pass, conditions)});
        after = *pass->los();
    }
    return passes;
}

}  // namespace

// Every entry into and exit from the shadow during a pass lies where the reference's centre
// cone puts it, and the reference sees no crossing the pass does not report.
TEST(PassVisibility, ShadowCrossingsAgreeWithTheReference) {
    Sky north(52.0, -1.5);
    int crossings = 0;
    for (const Lines& lines : {station, weather, amateur, cubesat}) {
        const auto satellite = north.make(lines);
        for (const Looked& looked : dayOfPasses(*satellite, {})) {
            const PassData& pass = *looked.pass;
            std::vector<std::pair<Date, bool>> theirs;  // time, entering
            bool hidden = centreHidden(*satellite, *pass.aos());
            for (Date t = *pass.aos() + reference_step; t < *pass.los(); t = t + reference_step) {
                const bool now = centreHidden(*satellite, t);
                if (now != hidden) theirs.push_back({t, now});
                hidden = now;
            }
            const auto& mine = looked.visibility.shadowCrossings();
            ASSERT_EQ(mine.size(), theirs.size())
                << lines.name << " " << pass.aos()->secondsSince1970();
            for (std::size_t i = 0; i < mine.size(); ++i) {
                EXPECT_EQ(mine[i].entering, theirs[i].second);
                EXPECT_LE(std::fabs(mine[i].date - theirs[i].first), crossing_agreement);
                satellite->predictLocationAt(mine[i].date);
                EXPECT_NEAR(mine[i].place.elevation, satellite->elevation(), 0.01);
                ++crossings;
            }
        }
    }
    EXPECT_GE(crossings, 4);  // evening and morning passes of a December day at 52 degrees north
}

// Inside every visible stretch the satellite is sunlit, high enough and the observer in
// darkness; just outside it, within the pass, one of them fails.
TEST(PassVisibility, StretchesHoldExactlyWhereAllThreeConditionsHold) {
    Sky north(52.0, -1.5);
    const engine::geodetic_point_t observer = north.appDelegate.observer_geodetic();
    const VisibilityConditions conditions{-6.0, 10.0};
    const auto visibleAt = [&](SatelliteData& satellite, Date t) {
        satellite.predictLocationAt(t);
        return satellite.elevation() >= conditions.minimumElevation &&
               !centreHidden(satellite, t) &&
               SunAndMoon::sunElevation(observer, t) < conditions.darknessElevation;
    };
    int stretches = 0;
    // Low orbits, and high ones whose passes last hours and are looked at sparsely.
    for (const Lines& lines :
         {station, weather, amateur, cubesat, navigation, sevenHour, molniya}) {
        const auto satellite = north.make(lines);
        for (const Looked& looked : dayOfPasses(*satellite, conditions)) {
            const PassData& pass = *looked.pass;
            const auto& spans = looked.visibility.visibleSpans();
            for (const auto& span : spans) {
                ++stretches;
                const double step = std::max(5.0, (span.end - span.start) / 200.0);
                for (Date t = span.start + edge_margin; t < span.end - edge_margin; t = t + step) {
                    EXPECT_TRUE(visibleAt(*satellite, t)) << lines.name;
                }
                if (*pass.aos() < span.start - edge_margin) {
                    EXPECT_FALSE(visibleAt(*satellite, span.start - edge_margin)) << lines.name;
                }
                if (span.end + edge_margin < *pass.los()) {
                    EXPECT_FALSE(visibleAt(*satellite, span.end + edge_margin)) << lines.name;
                }
            }
            // Between the stretches, and in a pass without any, nothing can be seen.
            const double step = std::max(20.0, (*pass.los() - *pass.aos()) / 300.0);
            for (Date t = *pass.aos() + 2.0; t < *pass.los() - 2.0; t = t + step) {
                bool inside = false;
                for (const auto& span : spans) {
                    inside = inside || (span.start - edge_margin < t && t < span.end + edge_margin);
                }
                if (!inside) {
                    EXPECT_FALSE(visibleAt(*satellite, t)) << lines.name;
                }
            }
            const std::optional<VisiblePart> part = looked.visibility.visiblePart();
            ASSERT_EQ(part.has_value(), !spans.empty());
            if (!part) continue;
            EXPECT_EQ(part->start, spans.front().start);
            EXPECT_EQ(part->end, spans.back().end);
            // The highest point while visible: inside the part and no lower than its ends.
            ASSERT_TRUE(part->highest.date);
            EXPECT_FALSE(*part->highest.date < part->start || part->end < *part->highest.date);
            for (const Date end : {part->start, part->end}) {
                satellite->predictLocationAt(end);
                EXPECT_GE(part->highest.elevation, satellite->elevation() - 0.01);
            }
            EXPECT_GE(part->highest.elevation, conditions.minimumElevation);
            EXPECT_LE(part->highest.elevation, pass.highestElevationEntry()->elevation);
        }
    }
    EXPECT_GE(stretches, 3);
}

// Samples already made at looking points (as a scan of the catalogue makes them) stand in for
// the predictions there: with the true ones the answers are the same to the bit; samples that
// put every looking point in the shadow leave nothing to see.
TEST(PassVisibility, SamplesMadeBeforeAreUsedAsTheyAre) {
    Sky north(52.0, -1.5);
    int visible = 0;
    for (const Lines& lines : {station, amateur, cubesat, sevenHour}) {
        const auto satellite = north.make(lines);
        TrackedPasses sampler(*satellite, {});
        for (const Looked& looked : dayOfPasses(*satellite, {})) {
            const PassOutline bare = *PassOutline::of(*looked.pass);
            PassOutline sampled = bare;
            std::vector<Date> points = bare.lookingPoints;
            points.push_back(*bare.highest.date);
            std::sort(points.begin(), points.end());
            for (const Date t : points) sampled.samples.push_back(sampler.sampleAt(t));
            const PassVisibility alone(*satellite, bare, {});
            const PassVisibility shared(*satellite, sampled, {});
            ASSERT_EQ(shared.visibleSpans().size(), alone.visibleSpans().size()) << lines.name;
            for (std::size_t i = 0; i < alone.visibleSpans().size(); ++i) {
                EXPECT_EQ(shared.visibleSpans()[i].start, alone.visibleSpans()[i].start);
                EXPECT_EQ(shared.visibleSpans()[i].end, alone.visibleSpans()[i].end);
            }
            ASSERT_EQ(shared.shadowCrossings().size(), alone.shadowCrossings().size());
            for (std::size_t i = 0; i < alone.shadowCrossings().size(); ++i) {
                EXPECT_EQ(shared.shadowCrossings()[i].date, alone.shadowCrossings()[i].date);
            }
            if (!alone.isVisible()) continue;
            ++visible;
            EXPECT_EQ(shared.visiblePart()->highest.elevation,
                      alone.visiblePart()->highest.elevation);
            for (SkySample& sample : sampled.samples) sample.shadowMargin = -1.0;
            EXPECT_FALSE(PassVisibility(*satellite, sampled, {}).isVisible()) << lines.name;
        }
    }
    EXPECT_GE(visible, 3);
}

TEST(PassVisibility, LightOfEverySample) {
    Sky north(52.0, -1.5);
    const auto satellite = north.make(station);
    const engine::geodetic_point_t observer = north.appDelegate.observer_geodetic();
    for (const Looked& looked : dayOfPasses(*satellite, {})) {
        const PassData& pass = *looked.pass;
        const auto lights = PassVisibility::sampleLights(*satellite, pass, {});
        ASSERT_EQ(static_cast<int>(lights.size()), pass.passItemCount());
        for (int i = 0; i < pass.passItemCount(); ++i) {
            const Date t = *pass.passItemAtIndex(i).date;
            const SkyLight light = PassVisibility::lightAt(*satellite, t, {});
            EXPECT_EQ(lights[i].sunlit, light.sunlit);
            EXPECT_EQ(lights[i].illumination, light.illumination);
            EXPECT_EQ(lights[i].sunlit, !centreHidden(*satellite, t));
            EXPECT_EQ(lights[i].darkness, SunAndMoon::sunElevation(observer, t) < -6.0);
        }
    }
    // A geostationary satellite's one sample is lit at the clock's instant; it has no pass to
    // see.
    const auto geo = north.make(geostationary);
    const PassData still(*geo);
    EXPECT_EQ(PassVisibility::sampleLights(*geo, still, {}).size(), 1u);
    const PassVisibility none(*geo, still, {});
    EXPECT_FALSE(none.isVisible());
    EXPECT_FALSE(none.visiblePart());
    EXPECT_TRUE(none.shadowCrossings().empty());
}

// The sunlit stretches of a pass's track: cut at each crossing of the shadow's edge, the
// crossing's place at the stretch's end, whatever the light at the rise.
#include <gtest/gtest.h>

#include "RadarShadowMarks.h"

namespace {

using radar::sunlitStretches;

// Samples a minute apart from t = 0, the azimuth counting the minutes.
std::vector<PassCoordinate> samples(int count) {
    std::vector<PassCoordinate> list;
    for (int i = 0; i < count; ++i) {
        list.push_back({static_cast<float>(i), 30.0f, 500.0f, Date(60.0 * i)});
    }
    return list;
}

ShadowCrossing crossing(double t, bool entering) {
    return {Date(t), entering, {static_cast<float>(t / 60.0), 30.0f, 500.0f, Date(t)}};
}

std::vector<float> azimuths(const std::vector<PassCoordinate>& stretch) {
    std::vector<float> list;
    for (const PassCoordinate& p : stretch) list.push_back(p.azimuth);
    return list;
}

}  // namespace

TEST(ShadowMarks, StretchesEndAtTheShadowsEdges) {
    const std::vector<PassCoordinate> track = samples(6);  // minutes 0 to 5
    // Sunlit from the rise into the shadow at 2.5 min, out again at 4.5.
    const std::vector<ShadowCrossing> both{crossing(150.0, true), crossing(270.0, false)};
    const auto stretches = sunlitStretches(track, both, true);
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(azimuths(stretches[0]), (std::vector<float>{0.0f, 1.0f, 2.0f, 2.5f}));
    EXPECT_EQ(azimuths(stretches[1]), (std::vector<float>{4.5f, 5.0f}));

    // In the shadow at the rise, out at 1.5 min: one stretch from the exit to the set.
    const auto late = sunlitStretches(track, std::vector{crossing(90.0, false)}, false);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(azimuths(late[0]), (std::vector<float>{1.5f, 2.0f, 3.0f, 4.0f, 5.0f}));

    // Without crossings the whole track or none of it; a crossing at the last sample's time.
    EXPECT_EQ(sunlitStretches(track, {}, true).size(), 1u);
    EXPECT_TRUE(sunlitStretches(track, {}, false).empty());
    const auto atEnd = sunlitStretches(track, std::vector{crossing(300.0, true)}, true);
    ASSERT_EQ(atEnd.size(), 1u);
    EXPECT_EQ(atEnd[0].back().azimuth, 5.0f);
}

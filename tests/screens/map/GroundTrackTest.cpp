// The ground track: its samples over three revolutions, its polylines in each half with the
// date-line crossing, and the touch that picks a time on it.
#include <gtest/gtest.h>

#include "FootprintGeometry.h"
#include "SatelliteData.h"
#include "SettingsStore.h"

namespace {

using namespace footprint;

const Date start(818251200.0);  // 2026-12-06T12:00:00Z

// Samples a minute apart along the equator at the given longitudes.
std::vector<TrackSample> along(std::initializer_list<float> longitudes) {
    std::vector<TrackSample> track;
    for (const float longitude : longitudes) {
        track.push_back({start + 60.0 * static_cast<double>(track.size()), 0.0f, longitude});
    }
    return track;
}

std::vector<double> xs(const std::vector<QPointF>& segment) {
    std::vector<double> result;
    for (const QPointF& point : segment) result.push_back(std::round(point.x() * 10) / 10);
    return result;
}

// A station in a low orbit, 15.5 revolutions a day, with the clock at start.
static std::shared_ptr<SatelliteData> lowOrbit(SettingsStore& settings) {
    settings.setClock([] { return start; });
    return SatelliteData::createSatellite(
        &settings, "STATION", "test.txt", 99001, "STATION",
        "1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998",
        "2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019");
}

TEST(GroundTrack, SamplesEveryStepUntilTheThirdRevolutionAfterStart) {
    SettingsStore settings;
    const auto satellite = lowOrbit(settings);
    ASSERT_TRUE(satellite);
    satellite->predictLocationAt(start);
    const std::int32_t orbit = satellite->orbit();
    const std::vector<TrackSample> track = groundTrack(*satellite, start, 60.0);
    EXPECT_EQ(satellite->orbit(), orbit + 3);
    const double period = 86400.0 / 15.5;
    EXPECT_GT(track.size(), static_cast<std::size_t>(2 * period / 60));
    EXPECT_LE(track.size(), static_cast<std::size_t>(3 * period / 60) + 2);
    for (std::size_t i = 0; i < track.size(); ++i)
        EXPECT_EQ(track[i].date, start + 60.0 * static_cast<double>(i));
}

TEST(GroundTrack, EndsAtTheFirstPredictionThatIsNotFinite) {
    SettingsStore settings;
    const auto satellite = lowOrbit(settings);
    ASSERT_TRUE(satellite);
    satellite->setSatelliteData(engine::sat_record_t{});  // no elements: nothing is finite
    EXPECT_LE(groundTrack(*satellite, start, 60.0).size(), 2u);
}

TEST(GroundTrack, SegmentsReachTheEdgesAcrossTheDateLine) {
    const auto track = along({165, 170, 179, -179, -175, -170});
    const auto east = trackSegments(track, MapHalf::east);
    ASSERT_EQ(east.size(), 1u);
    EXPECT_EQ(xs(east[0]), (std::vector<double>{469.3, 483.6, 509.2, 514.8}));
    const auto west = trackSegments(track, MapHalf::west);
    ASSERT_EQ(west.size(), 1u);
    EXPECT_EQ(xs(west[0]), (std::vector<double>{-2.8, 2.8, 14.2, 28.4}));
}

TEST(GroundTrack, LeavingAndEnteringAtTheMeridianOpensNewSegments) {
    const auto east = trackSegments(along({2, 1, -1, -2, -1, 1}), MapHalf::east);
    ASSERT_EQ(east.size(), 2u);
    EXPECT_EQ(xs(east[0]), (std::vector<double>{5.7, 2.8, -2.8}));
    EXPECT_EQ(xs(east[1]), (std::vector<double>{-2.8, 2.8}));
    EXPECT_TRUE(trackSegments(along({-10, -20, -30}), MapHalf::east).empty());
}

TEST(GroundTrack, TouchWithinFifteenPointsPicksTheFirstStepAfterStart) {
    const auto track = along({0, 10, 40, 10});
    const QPointF step = mapPoint(0.0f, 10.0f, MapHalf::east);
    EXPECT_EQ(touchedTrackTime(track, step + QPointF(14, -14), MapHalf::east), start + 60.0);
    EXPECT_FALSE(touchedTrackTime(track, step + QPointF(15, 0), MapHalf::east));
    EXPECT_FALSE(touchedTrackTime(track, step + QPointF(0, 15), MapHalf::east));
    EXPECT_FALSE(touchedTrackTime(track, mapPoint(0.0f, 0.0f, MapHalf::east), MapHalf::east))
        << "the sample at start is not a step";
}

}  // namespace

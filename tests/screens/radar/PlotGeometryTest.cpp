// The radar plot's geometry: projection, grid, the marks of a pass, the Sun and Moon and the
// held-angle ring, on a 320 by 200 view whose horizon ring has radius 95 about (160, 100).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "HeldAngle.h"
#include "RadarPassMarks.h"
#include "RadarSkyMarks.h"
#include "SettingsStore.h"

namespace {

using namespace radar;

const RadarFrame frame{QSizeF(320, 200), 95.0f};
const float nan = std::numeric_limits<float>::quiet_NaN();
// A made-up font: lines 12 points apart, every character 8 points wide.
const TextMetrics metrics{
    12.0, [](const QString& text) { return 8.0 * static_cast<double>(text.size()); }};

void expectNear(QPointF actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, 1e-4);
    EXPECT_NEAR(actual.y(), y, 1e-4);
}

TEST(Projection, ZenithCentreHorizonRingNorthUpEastRight) {
    EXPECT_FLOAT_EQ(maxRadiusFor(QSizeF(320, 200)), 95.0f);
    expectNear(locateAzimuth(123.0f, 90.0f, frame), 160, 100);
    expectNear(locateAzimuth(0.0f, 0.0f, frame), 160, 5);
    expectNear(locateAzimuth(90.0f, 0.0f, frame), 255, 100);
    expectNear(locateAzimuth(180.0f, 0.0f, frame), 160, 195);
    const QPointF p = locateAzimuth(45.0f, 30.0f, frame);
    EXPECT_NEAR(std::hypot(p.x() - 160, p.y() - 100), radarGrid(frame, metrics).ringRadii[1], 1e-4);
}

TEST(Projection, BelowTheHorizonGoesToTheCornerAndNotFiniteCannotBeDrawn) {
    EXPECT_EQ(locateAzimuth(90.0f, -0.06f, frame), QPointF(0, 0));
    EXPECT_EQ(locateAzimuth(90.0f, -0.05f, frame), QPointF(0, 0));
    EXPECT_EQ(locateAzimuth(-0.06f, 10.0f, frame), QPointF(0, 0));
    EXPECT_GT(locateAzimuth(90.0f, -0.04f, frame).x(), 255.0);
    EXPECT_FALSE(isDrawable(locateAzimuth(nan, 30.0f, frame)));
    EXPECT_FALSE(isDrawable(locateAzimuth(30.0f, nan, frame)));
    EXPECT_FALSE(skyPoint(90.0f, -0.05f, frame)) << "the plot does not show the corner point";
    EXPECT_FALSE(skyPoint(nan, 10.0f, frame));
    expectNear(skyPoint(90.0f, 0.0f, frame).value_or(QPointF()), 255, 100);
}

TEST(Grid, AxesRingsAndLettersJustOutsideTheRingBesideTheirAxes) {
    const RadarGrid grid = radarGrid(frame, metrics);
    EXPECT_EQ(grid.vertical, QLineF(160, 0, 160, 200));
    EXPECT_EQ(grid.horizontal, QLineF(0, 100, 320, 100));
    EXPECT_FLOAT_EQ(grid.ringRadii[2], 95.0f / 3.0f);
    const std::array<PlotText, 4> letters{{{QPointF(162, -7), "N"},
                                           {QPointF(257, 88), "E"},
                                           {QPointF(162, 195), "S"},
                                           {QPointF(55, 88), "W"}}};
    EXPECT_EQ(grid.letters, letters);
}

TEST(TimeMarks, EveryThirdSampleWhileFourRemainThenTheLast) {
    EXPECT_EQ(timeMarkIndexes(0), std::vector<int>{});
    EXPECT_EQ(timeMarkIndexes(3), std::vector<int>{2});
    EXPECT_EQ(timeMarkIndexes(4), (std::vector<int>{0, 3}));
    EXPECT_EQ(timeMarkIndexes(5), (std::vector<int>{0, 4}));
    EXPECT_EQ(timeMarkIndexes(7), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(timeMarkIndexes(8), (std::vector<int>{0, 3, 7}));
}

TEST(PassMarks, TrackAndClockTimesLeaveOutWhatCannotBeDrawn) {
    std::vector<PassCoordinate> pass;  // from 2001-01-01 10:58 UTC, one sample a minute
    for (float i = 0; i < 8; ++i) pass.push_back({10 * i, 45.0f, 800.0f, Date(39480.0 + 60 * i)});
    pass[3].azimuth = nan;
    SettingsStore settings;
    settings.setUseUTC(true);
    const std::vector<PlotText> marks = timeMarks(pass, frame, settings);
    const QPointF last = locateAzimuth(70.0f, 45.0f, frame);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].text, "10:58");
    EXPECT_EQ(marks[1], (PlotText{QPointF(last.x() + 5, last.y() - 5), "11:05"}));
    const std::vector<QPointF> track = passTrack(pass, frame);
    ASSERT_EQ(track.size(), 7u);
    EXPECT_EQ(track[3], locateAzimuth(40.0f, 45.0f, frame));
}

TEST(Marks, SatelliteSunAndMoonOnlyAboveTheHorizon) {
    EXPECT_EQ(satelliteMark(0.0, 90.0, frame), QRectF(156, 96, 8, 8));
    EXPECT_EQ(satelliteMark(0.0, -10.0, frame), std::nullopt) << "no mark in the corner";
    EXPECT_EQ(satelliteMark(std::nan(""), 10.0, frame), std::nullopt);
    EXPECT_EQ(sunMark({0.0f, 90.0f}, frame)->centre, QPointF(160, 100));
    EXPECT_FALSE(sunMark({0.0f, 0.0f}, frame));
    EXPECT_FALSE(sunMark({nan, 10.0f}, frame));
    EXPECT_FALSE(moonMark({0.0f, -5.0f}, frame));
}

TEST(Marks, GrowWithALargePlot) {
    const RadarFrame large{QSizeF(1000, 1000), 360.0f};
    EXPECT_EQ(satelliteMark(0.0, 90.0, large)->size(), QSizeF(16, 16));
    EXPECT_DOUBLE_EQ(sunMark({0.0f, 90.0f}, large)->radius, 6.0);
    EXPECT_DOUBLE_EQ((*moonMark({0.0f, 90.0f}, large))[1].radius, 2 * 4.2425);
    EXPECT_EQ(markScale(frame), 1.0);
}

TEST(Marks, MoonCrescentRunsBottomRightTopThenBack) {
    const auto moon = moonMark({0.0f, 90.0f}, frame);
    ASSERT_TRUE(moon);
    const auto at = [](const PlotArc& arc, float angle) {
        return arc.centre + arc.radius * QPointF(std::cos(angle), std::sin(angle));
    };
    const auto [outer, inner] = *moon;
    expectNear(at(outer, outer.startAngle), 160, 103);
    expectNear(at(outer, (outer.startAngle + outer.endAngle) / 2), 163, 100);
    expectNear(at(outer, outer.endAngle), 160, 97);
    expectNear(at(inner, inner.startAngle), 160, 97);
    expectNear(at(inner, (inner.startAngle + inner.endAngle) / 2), 161.2425, 100);
    expectNear(at(inner, inner.endAngle), 160, 103);
}

TEST(HeldAngle, ReadingSmoothedWithinOneGAndRingFromCentreToTwiceTheHorizon) {
    double y = smoothedOrientation(0.0, -1.0);
    EXPECT_DOUBLE_EQ(y, -0.25);
    for (int i = 0; i < 200; ++i) y = smoothedOrientation(y, -1.3);
    EXPECT_DOUBLE_EQ(y, -1.0);
    EXPECT_DOUBLE_EQ(smoothedOrientation(0.5, std::nan("")), 0.5);
    EXPECT_NEAR(*heldAngleRadius(y, 95.0f), 0.0, 1e-4);
    EXPECT_DOUBLE_EQ(*heldAngleRadius(0.0, 95.0f), 95.0);
    EXPECT_NEAR(*heldAngleRadius(1.0, 95.0f), 190.0, 1e-4);
    EXPECT_EQ(heldAngleRadius(1.5, 95.0f), std::nullopt);
}

}  // namespace

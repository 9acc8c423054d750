// The footprint map: map points, distances, the footprint outline with its date-line and pole
// cases, and the scroll positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "FootprintGeometry.h"

namespace {

using namespace footprint;

void expectNear(QPointF actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, 1e-3);
    EXPECT_NEAR(actual.y(), y, 1e-3);
}

TEST(MapPoint, KnownPlacesInEachHalf) {
    expectNear(mapPoint(0.0f, 0.0f, MapHalf::east), 0, 256);
    expectNear(mapPoint(0.0f, 0.0f, MapHalf::west), 512, 256);
    expectNear(mapPoint(90.0f, -180.0f, MapHalf::west), 0, 0);
    EXPECT_DOUBLE_EQ(mapPoint(-90.0f, 45.0f, MapHalf::east).y(), 512.0);
    expectNear(nearPoint(0.0f, 170.0f, MapHalf::west, {10, 0}), -28.444, 256);
    expectNear(nearPoint(0.0f, 170.0f, MapHalf::east, {400, 0}), 483.556, 256);
}

TEST(GreatCircle, QuarterCoincidentAntipodesAndPoles) {
    EXPECT_NEAR(greatCircleDistance(0, 0, 0, 90), 89.99999 * 111.2, 1e-6);
    EXPECT_NEAR(greatCircleDistance(0, 0, 90, 0), 90 * 111.2, 1e-6);
    EXPECT_EQ(greatCircleDistance(12, 34, 12, 34), 0.0);
    EXPECT_EQ(greatCircleDistance(0, 0, 180, 0), 20016.0);
}

TEST(Footprint, MarkAndOutlineAreMirroredAboutTheSatellite) {
    const auto print = footprintAt(20.0, 30.0, 4000.0, MapHalf::east);
    ASSERT_TRUE(print);
    const QPointF mark = mapPoint(20.0f, 30.0f, MapHalf::east);
    expectNear(print->mark, mark.x(), mark.y());
    ASSERT_EQ(print->outline.size(), 360u);
    const double top = 20.0 + 2000.0 / 6378.135 * 180.0 / std::numbers::pi;
    expectNear(print->outline[0], mark.x(), 256.0 - top * 256.0 / 90.0);
    for (std::size_t i = 0; i < 180; ++i) {
        const QPointF west = print->outline[i];
        const QPointF east = print->outline[359 - i];
        EXPECT_LE(west.x(), mark.x() + 1e-3) << i;
        EXPECT_NEAR(west.x() + east.x(), 2 * mark.x(), 1e-3) << i;
        EXPECT_EQ(west.y(), east.y()) << i;
    }
}

TEST(Footprint, EachHalfFollowsItsOwnCopyAcrossTheDateLine) {
    const auto west = footprintAt(0.0, 179.0, 4000.0, MapHalf::west);
    const auto east = footprintAt(0.0, 179.0, 4000.0, MapHalf::east);
    ASSERT_TRUE(west && east);
    EXPECT_NEAR(west->mark.x(), -2.844, 1e-3);
    EXPECT_NEAR(east->mark.x(), 509.156, 1e-3);
    for (const auto& print : {*west, *east}) {
        const auto [low, high] =
            std::minmax_element(print.outline.begin(), print.outline.end(),
                                [](QPointF a, QPointF b) { return a.x() < b.x(); });
        EXPECT_LT(low->x(), print.mark.x() - 40);
        EXPECT_GT(high->x(), print.mark.x() + 40);
        EXPECT_LT(high->x() - low->x(), 200);
    }
}

TEST(Footprint, CircleOverAPoleFillsTheBandToThatEdge) {
    EXPECT_EQ(footprintAt(60.0, 10.0, 5000.0, MapHalf::east)->outline.size(), 360u)
        << "3336 km from the pole: no band";
    for (const double latitude : {80.0, -80.0}) {
        const auto print = footprintAt(latitude, 10.0, 5000.0, MapHalf::east);
        ASSERT_TRUE(print);
        const std::vector<QPointF>& band = print->outline;
        ASSERT_EQ(band.size(), 364u);
        const double edge = latitude > 0 ? 0.0 : 512.0;
        EXPECT_EQ(band.front(), QPointF(-1, edge));
        EXPECT_EQ(band.back(), QPointF(513, edge));
        EXPECT_TRUE(std::is_sorted(band.begin() + 2, band.end() - 2,
                                   [](QPointF a, QPointF b) { return a.x() < b.x(); }));
        EXPECT_GT(band[361].x() - band[2].x(), 1000) << "the band spans the whole map";
    }
}

TEST(Footprint, ValuesThatAreNotFiniteDrawNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(footprintAt(nan, 0, 1000, MapHalf::east));
    EXPECT_FALSE(footprintAt(0, 0, std::numeric_limits<double>::infinity(), MapHalf::west));
    EXPECT_FALSE(initialScrollRect(0, nan, 1000));
    EXPECT_FALSE(halfOffsetsForScroll(nan));
}

TEST(Scrolling, HalvesCoverTheTileUnderTheEdgeAndTheNext) {
    const auto expectOffsets = [](double x, double west, double east) {
        const auto offsets = halfOffsetsForScroll(x);
        ASSERT_TRUE(offsets);
        EXPECT_EQ(offsets->west, west) << x;
        EXPECT_EQ(offsets->east, east) << x;
    };
    expectOffsets(0, 0, 512);
    expectOffsets(700, 1024, 512);
    expectOffsets(1600, 2048, 1536);
}

TEST(Scrolling, InitialRectKeepsTheSatelliteInTheMiddleTwoHalves) {
    const double r = 4000.0 * 512 / 40000;
    const QRectF east = *initialScrollRect(45.0, 90.0, 4000.0);
    EXPECT_NEAR(east.center().x(), 768, 1e-9);
    EXPECT_NEAR(east.center().y(), 128, 1e-9);
    EXPECT_NEAR(east.width(), 2 * r, 1e-9);
    EXPECT_NEAR(initialScrollRect(0.0, -179.0, 4000.0)->center().x(), 1024 + 2.844, 1e-3);
}

}  // namespace

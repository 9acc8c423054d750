// The plot's texts placed with a made-up font (lines 12 points apart, characters 7 points wide)
// in a 320 by 240 view: corner blocks against the edges, the ring kept clear of them and of the
// edges with room for the letters, and clock times moved off the corners and each other.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "PassReadout.h"
#include "RadarTextLayout.h"

namespace {

using namespace radar;

const QSizeF size(320, 240);
const TextMetrics metrics{
    12.0, [](const QString& text) { return 7.0 * static_cast<double>(text.size()); }};

TEST(CornerBlocks, StandAgainstTheirEdgesAndHoldTheirLines) {
    const std::vector<QString> lines{"Range:   1234 km", " Az:   12.35°", "Elv:   45.68°"};
    EXPECT_EQ(cornerBlock(Corner::topLeft, lines, size, metrics), QRectF(0, 0, 112, 36));
    EXPECT_EQ(cornerBlock(Corner::bottomRight, lines, size, metrics), QRectF(208, 204, 112, 36));
    EXPECT_TRUE(cornerBlock(Corner::topRight, {}, size, metrics).isEmpty());
    // Fewer lines than the block keeps sit at its edge: the last at the bottom below.
    const QRectF block = cornerBlock(Corner::bottomLeft, lines, size, metrics);
    const std::vector<PlotText> placed =
        placeLines(Corner::bottomLeft, {"Doppler:  1001 Hz"}, block, metrics);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].topLeft, QPointF(0, 228));
    EXPECT_EQ(placeLines(Corner::topLeft, lines, QRectF(0, 0, 112, 36), metrics)[2].topLeft,
              QPointF(0, 24));
}

TEST(CornerBlocks, ANarrowViewStacksTheBlocksThatWouldMeet) {
    const std::array<QRectF, 4> wide{QRectF(0, 0, 100, 36), QRectF(220, 0, 100, 24),
                                     QRectF(0, 204, 100, 36), QRectF(220, 192, 100, 48)};
    EXPECT_EQ(arrangeBlocks(wide), wide);
    const std::array<QRectF, 4> narrow{QRectF(0, 0, 170, 36), QRectF(160, 0, 160, 24),
                                       QRectF(0, 204, 170, 36), QRectF(150, 192, 170, 48)};
    const std::array<QRectF, 4> stacked = arrangeBlocks(narrow);
    EXPECT_EQ(stacked[1], QRectF(160, 36, 160, 24)) << "the top right below the top left";
    EXPECT_EQ(stacked[2], QRectF(0, 156, 170, 36)) << "the bottom left above the bottom right";
}

TEST(FitFrame, TheRingKeepsClearOfTheCornersAndLeavesRoomForTheLetters) {
    const QRectF block(0, 0, 112, 36);
    const RadarFrame plot = fitFrame(size, {block, QRectF(208, 204, 112, 36)}, metrics);
    const QPointF c = plot.centre();
    const double toBlock = std::hypot(c.x() - block.right(), c.y() - block.bottom());
    EXPECT_LT(plot.maxRadius, toBlock);
    EXPECT_LE(plot.maxRadius, c.y() - metrics.lineSpacing) << "room for N and S";
    EXPECT_GT(plot.maxRadius, 80.0f) << "as large as the corners allow";
    EXPECT_FLOAT_EQ(fitFrame(QSizeF(1000, 1000), {}, metrics).maxRadius, 475.0f);
    EXPECT_FLOAT_EQ(fitFrame(QSizeF(10, 10), {block}, metrics).maxRadius, 0.0f);
}

TEST(TimeMarks, MoveOffTheCornersTheEdgesAndEachOther) {
    const QRectF corner(208, 204, 112, 36);
    const std::vector<PlotText> placed = placeTimeMarks({{QPointF(205, 200), "12:35"},
                                                         {QPointF(100, 100), "12:32"},
                                                         {QPointF(100, 100), "12:33"},
                                                         {QPointF(317, 50), "12:20"}},
                                                        size, {corner}, metrics);
    const auto box = [](const PlotText& mark) {
        return QRectF(mark.topLeft, QSizeF(7.0 * static_cast<double>(mark.text.size()), 12));
    };
    EXPECT_FALSE(box(placed[0]).intersects(corner)) << "off the corner's lines";
    EXPECT_EQ(placed[1].topLeft, QPointF(100, 100)) << "a mark that fits keeps its place";
    EXPECT_FALSE(box(placed[2]).intersects(box(placed[1])));
    EXPECT_TRUE(QRectF(QPointF(), size).contains(box(placed[3]))) << "inside the view";
    // A mark with no free place is left out rather than drawn over another text.
    EXPECT_TRUE(
        placeTimeMarks({{QPointF(100, 100), "12:40"}}, size, {QRectF(QPointF(), size)}, metrics)
            .empty());
}

}  // namespace

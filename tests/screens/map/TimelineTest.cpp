// The timeline: search span, origin, rows and bars, the axis of each half, names beside the
// bars and touches.
#include <gtest/gtest.h>

#include <QTimeZone>
#include <limits>

#include "SettingsStore.h"
#include "TimelineGeometry.h"

namespace {

using namespace timeline;

const Date origin(818251200.0);  // 2026-12-06T12:00:00Z
const QRectF left(0, 0, 320, 431);
const QRectF right(320, 0, 320, 431);

TEST(TimelineSpan, TimetableDaysElseTheTimelineHours) {
    EXPECT_EQ(passSearchSpan(2 * 3600.0, 12), 172800.0);
    EXPECT_EQ(passSearchSpan(0.0, 12), 43200.0);
    EXPECT_EQ(passSearchSpan(std::numeric_limits<double>::quiet_NaN(), 24), 86400.0);
}

TEST(TimelineOrigin, StartOfTheHourOnTheZonesClock) {
    const Date now = origin + 1234.5;
    EXPECT_EQ(hourOrigin(now, QTimeZone::utc()), origin);
    EXPECT_EQ(hourOrigin(now, QTimeZone(5 * 3600 + 1800)), origin - 1800);
    EXPECT_FALSE(hourOrigin(Date(std::numeric_limits<double>::infinity()), QTimeZone::utc()));
}

TEST(TimelineRows, RowHeightsAndBarHeights) {
    EXPECT_EQ(rowSizes(portraitHeight, 4)->rowHeight, 86.25f);
    EXPECT_EQ(rowSizes(portraitHeight, 4)->barHeight, 25.0f);
    EXPECT_EQ(rowSizes(portraitHeight, 20)->rowHeight, 17.25f);
    EXPECT_EQ(rowSizes(portraitHeight, 20)->barHeight, 8.625f);
}

TEST(TimelineRows, BarsRunFromRiseToSetAndEntriesWithoutARiseHaveNone) {
    const std::vector<PassTimes> pass{{origin + 1800.0, origin + 2400.0}};
    const auto rows = layoutRows({{}, {{}}, {}, pass}, portraitHeight, origin, 12);
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(rows[1].size(), 1u);
    EXPECT_FALSE(rows[1][0]);
    const float k = static_cast<float>(638.0 / (12 * 3600.0));
    const QRectF bar = *rows[3][0];
    EXPECT_EQ(bar.left(), static_cast<float>(1800.0 * k + 1.0));
    EXPECT_FLOAT_EQ(static_cast<float>(bar.right()), static_cast<float>(2400.0 * k + 1.0));
    EXPECT_EQ(bar.top(), 3 * 86.25);
    EXPECT_EQ(bar.height(), 25.0);
    EXPECT_FALSE(layoutRows({pass}, portraitHeight, origin, 0)[0][0]) << "no hours, no bars";
}

TEST(TimelineAxis, TwelveHoursInTwoHalves) {
    SettingsStore settings;
    settings.setUseUTC(true);
    EXPECT_EQ(hourWidth(320, 12), 53.0);
    EXPECT_EQ(hourWidth(320, 24), 26.0);
    const auto axis = timelineAxis(left, 12, origin, origin + 5400.0, settings);
    ASSERT_TRUE(axis);
    ASSERT_EQ(axis->ticks.size(), 8u);
    EXPECT_EQ(axis->ticks[0], QLineF(54, 430, 54, 426));
    ASSERT_EQ(axis->hourLines.size(), 4u);
    EXPECT_EQ(axis->hourLines[0], QLineF(160, 430, 160, 2));
    ASSERT_EQ(axis->labels.size(), 5u);
    EXPECT_EQ(axis->labels[0].topLeft, QPointF(1, 411));
    EXPECT_EQ(axis->labels[0].text, "12:00");
    EXPECT_EQ(axis->labels[4].text, "00:00");
    EXPECT_EQ(axis->now, QLineF(80.5, 430, 80.5, 2));
    const auto second = timelineAxis(right, 12, origin, origin, settings);
    EXPECT_EQ(second->labels[4].topLeft, QPointF(637 - 320, 411));
    const auto day = timelineAxis(left, 24, origin, origin, settings);
    ASSERT_EQ(day->labels.size(), 9u);
    EXPECT_EQ(day->labels[8].topLeft.x(), 625);
    EXPECT_FALSE(timelineAxis(left, 0, origin, origin, settings));
}

TEST(TimelineNames, ANameNeedsMoreThan120PointsFromTheLastNamedBar) {
    const auto named = [](double secondEnd) {
        const TimelineRow row{QRectF(20, 0, 30, 25), QRectF(secondEnd - 10, 0, 10, 25)};
        return rowsInView({row}, left)[0].labels.size();
    };
    EXPECT_EQ(named(150), 1u);
    EXPECT_EQ(named(180), 2u);
    const auto other = rowsInView({{QRectF(300, 25, 40, 25), QRectF(500, 25, 9, 25)}}, right)[0];
    EXPECT_EQ(other.bars, (std::vector<QRectF>{{-20, 25, 40, 25}, {180, 25, 9, 25}}));
    EXPECT_EQ(other.labels.size(), 2u);
    EXPECT_TRUE(rowsInView({{QRectF(330, 0, 10, 25)}}, left)[0].bars.empty());
    // Both halves name the same bars: the first one only, whose long name the right half goes
    // on drawing; the second ends too close to it.
    const TimelineRow seam{QRectF(100, 0, 50, 25), QRectF(240, 0, 10, 25)};
    EXPECT_EQ(rowsInView({seam}, left)[0].labels, (std::vector<QPointF>{{152, 0}}));
    const auto seamRight = rowsInView({seam}, right)[0];
    EXPECT_EQ(seamRight.bars, (std::vector<QRectF>{{-80, 0, 10, 25}}));
    EXPECT_EQ(seamRight.labels, (std::vector<QPointF>{{-168, 0}}));
}

TEST(TimelineTouch, HitsABarWithinTenPointsAndNothingElse) {
    const std::vector<TimelineRow> rows{{std::nullopt, QRectF(100, 0, 30, 25)},
                                        {QRectF(400, 86.25, 30, 25)}};
    EXPECT_EQ(touchedPass(rows, {139, 12}, left), (TimelineHit{0, 1}));
    EXPECT_FALSE(touchedPass(rows, {140, 12}, left));
    EXPECT_FALSE(touchedPass(rows, {1, 12}, left)) << "an entry without a rise";
    EXPECT_FALSE(touchedPass(rows, {115, 55}, left)) << "between rows";
    EXPECT_EQ(touchedPass(rows, {95, 100}, right), (TimelineHit{1, 0}));
}

}  // namespace

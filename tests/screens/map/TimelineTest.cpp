// The timeline: search span, origin, content size, rows and bars, the axis of each half, names
// beside the bars, touches and the keyboard's steps from bar to bar. Texts are measured with a
// made-up font: lines 14 points apart, every character 7 points wide.
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
const TextMetrics metrics{
    14.0, [](const QString& text) { return 7.0 * static_cast<double>(text.size()); }};
constexpr double line = 14.0;
const QSizeF portrait(640, 365);

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

TEST(TimelineContent, TheViewportsSizeOrMoreWhereTheRowsNeedIt) {
    EXPECT_EQ(contentSize(QSizeF(360, 600), 4, line), QSizeF(640, 600));
    EXPECT_EQ(contentSize(QSizeF(1280, 800), 4, line), QSizeF(1280, 800));
    // Twenty rows need a name and a bar each: 20 for the axis, 22 a row.
    EXPECT_EQ(contentSize(QSizeF(360, 365), 20, line), QSizeF(640, 460));
    EXPECT_EQ(axisBand(line), 20.0);
    EXPECT_EQ(axisBand(30.0), 34.0) << "a large font gets a deeper band";
}

TEST(TimelineRows, RowHeightsNameBandsAndBarHeights) {
    const RowSizes four = *rowSizes(365.0f, 4, line);
    EXPECT_EQ(four.rowHeight, 86.25f);
    EXPECT_EQ(four.nameHeight, 14.0f);
    EXPECT_EQ(four.barHeight, 25.0f);
    const RowSizes twenty = *rowSizes(460.0f, 20, line);
    EXPECT_EQ(twenty.rowHeight, 22.0f);
    EXPECT_EQ(twenty.barHeight, 6.0f);
    EXPECT_GE(twenty.rowHeight, twenty.nameHeight + twenty.barHeight);
    EXPECT_FALSE(rowSizes(365.0f, 0, line));
}

TEST(TimelineRows, BarsRunFromRiseToSetBelowTheNameAndEntriesWithoutARiseHaveNone) {
    const std::vector<PassTimes> pass{{origin + 1800.0, origin + 2400.0, std::nullopt}};
    const auto rows = layoutRows({{}, {{}}, {}, pass}, portrait, origin, 12, line);
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(rows[1].size(), 1u);
    EXPECT_FALSE(rows[1][0]);
    const float k = static_cast<float>(638.0 / (12 * 3600.0));
    const QRectF bar = *rows[3][0];
    EXPECT_EQ(bar.left(), static_cast<float>(1800.0 * k + 1.0));
    EXPECT_FLOAT_EQ(static_cast<float>(bar.right()), static_cast<float>(2400.0 * k + 1.0));
    EXPECT_EQ(bar.top(), 3 * 86.25 + 16);
    EXPECT_EQ(bar.height(), 25.0);
    EXPECT_FALSE(layoutRows({pass}, portrait, origin, 0, line)[0][0]) << "no hours, no bars";
    // A wider content spreads the same hours over its width.
    const QRectF wide = *layoutRows({pass}, QSizeF(1280, 365), origin, 12, line)[0][0];
    EXPECT_NEAR(wide.left() - 1, 2 * (bar.left() - 1) * 1278 / 1276, 0.01);
}

TEST(TimelineRows, AVisiblePartIsAStripeWithinItsBar) {
    const PassVisibility::Span inside{origin + 2000.0, origin + 2200.0};
    const PassVisibility::Span beyond{origin + 5300.0, origin + 6100.0};
    const std::vector<PassTimes> passes{{origin + 1800.0, origin + 2400.0, inside},
                                        {origin + 3600.0, origin + 4200.0, std::nullopt},
                                        {origin + 5400.0, origin + 6000.0, beyond},
                                        {std::nullopt, std::nullopt, inside}};
    const auto bars = layoutRows({passes}, portrait, origin, 12, line);
    const auto stripes = visibleStripes({passes}, bars, portrait.width(), origin, 12);
    ASSERT_EQ(stripes.size(), 1u);
    ASSERT_EQ(stripes[0].size(), 4u);
    const float k = static_cast<float>(638.0 / (12 * 3600.0));
    const QRectF bar = *bars[0][0];
    const QRectF stripe = *stripes[0][0];
    EXPECT_FLOAT_EQ(static_cast<float>(stripe.left()), 2000.0f * k + 1.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(stripe.right()), 2200.0f * k + 1.0f);
    EXPECT_EQ(stripe.top(), bar.top() + bar.height() / 4);
    EXPECT_EQ(stripe.height(), bar.height() / 2);
    EXPECT_FALSE(stripes[0][1]) << "a pass that cannot be seen";
    ASSERT_TRUE(stripes[0][2]);
    EXPECT_EQ(stripes[0][2]->left(), bars[0][2]->left()) << "held within its bar";
    EXPECT_EQ(stripes[0][2]->right(), bars[0][2]->right());
    EXPECT_FALSE(stripes[0][3]) << "no bar, no stripe";
    EXPECT_FALSE(visibleStripes({passes}, bars, portrait.width(), origin, 0)[0][0]);
}

TEST(TimelineAxis, TwelveHoursInTwoHalvesTheFirstLabelNamingTheZone) {
    SettingsStore settings;
    settings.setUseUTC(true);
    EXPECT_EQ(hourWidth(320, 12), 53.0);
    EXPECT_EQ(hourWidth(320, 24), 26.0);
    const auto axis = timelineAxis(left, 12, origin, origin + 5400.0, settings, metrics);
    ASSERT_TRUE(axis);
    ASSERT_EQ(axis->ticks.size(), 8u);
    EXPECT_EQ(axis->ticks[0], QLineF(54, 430, 54, 426));
    ASSERT_EQ(axis->hourLines.size(), 4u);
    EXPECT_EQ(axis->hourLines[0], QLineF(160, 430, 160, 2));
    ASSERT_EQ(axis->labels.size(), 5u);
    EXPECT_EQ(axis->labels[0].topLeft, QPointF(1, 411));
    EXPECT_EQ(axis->labels[0].text, "12:00 UTC");
    EXPECT_EQ(axis->labels[1].text, "15:00");
    EXPECT_EQ(axis->labels[4].text, "00:00");
    EXPECT_EQ(axis->labels[4].topLeft, QPointF(605, 411)) << "moved left to end at the edge";
    EXPECT_EQ(axis->now, QLineF(80.5, 430, 80.5, 2));
    const auto second = timelineAxis(right, 12, origin, origin, settings, metrics);
    EXPECT_EQ(second->labels[4].topLeft, QPointF(605 - 320, 411));
    const auto day = timelineAxis(left, 24, origin, origin, settings, metrics);
    ASSERT_EQ(day->labels.size(), 9u);
    EXPECT_FALSE(timelineAxis(left, 0, origin, origin, settings, metrics));
}

TEST(TimelineAxis, LabelsStandFurtherApartWhereTheyWouldMeet) {
    SettingsStore settings;
    settings.setUseUTC(true);
    const auto axis = timelineAxis(left, 60, origin, origin, settings, metrics);
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->hourLines.size(), 20u) << "a dashed line every third hour still";
    ASSERT_EQ(axis->labels.size(), 7u) << "a label every ninth hour";
    for (std::size_t i = 1; i < axis->labels.size(); ++i) {
        const TimelineLabel& before = axis->labels[i - 1];
        EXPECT_GT(axis->labels[i].topLeft.x(), before.topLeft.x() + metrics.width(before.text));
    }
}

TEST(TimelineNames, ANameNeedsMoreThan120PointsOrItsWidthFromTheLastNamedBar) {
    const auto named = [](double secondEnd, double nameWidth) {
        const TimelineRow row{QRectF(20, 0, 30, 25), QRectF(secondEnd - 10, 0, 10, 25)};
        return rowsInView({row}, {nameWidth}, left)[0].labels.size();
    };
    EXPECT_EQ(named(150, 50), 1u);
    EXPECT_EQ(named(180, 50), 2u);
    EXPECT_EQ(named(180, 200), 1u) << "a long name would meet the next";
    // A name that would run into the next bar is left to that bar.
    const TimelineRow close{QRectF(20, 0, 10, 25), QRectF(60, 0, 10, 25)};
    EXPECT_EQ(rowsInView({close}, {50}, left)[0].labels, (std::vector<QPointF>{{72, 0}}));
    const auto other =
        rowsInView({{QRectF(300, 25, 40, 25), QRectF(500, 25, 9, 25)}}, {50}, right)[0];
    EXPECT_EQ(other.bars, (std::vector<QRectF>{{-20, 25, 40, 25}, {180, 25, 9, 25}}));
    EXPECT_EQ(other.labels.size(), 2u);
    EXPECT_TRUE(rowsInView({{QRectF(330, 0, 10, 25)}}, {}, left)[0].bars.empty());
    // Both halves name the same bars: the first one only, whose long name the right half goes
    // on drawing; the second ends too close to it.
    const TimelineRow seam{QRectF(100, 0, 50, 25), QRectF(240, 0, 10, 25)};
    EXPECT_EQ(rowsInView({seam}, {50}, left)[0].labels, (std::vector<QPointF>{{152, 0}}));
    const auto seamRight = rowsInView({seam}, {50}, right)[0];
    EXPECT_EQ(seamRight.bars, (std::vector<QRectF>{{-80, 0, 10, 25}}));
    EXPECT_EQ(seamRight.labels, (std::vector<QPointF>{{-168, 0}}));
    // A row's own name stands at the top of the row, at the left edge the window shows.
    EXPECT_EQ(rowNamePlace(2, *rowSizes(365.0f, 4, line), 300.0), QPointF(304, 172.5));
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

TEST(TimelineKeyboard, StepsGoAlongARowAndToTheNearestBarOfTheNextRowWithBars) {
    const std::vector<TimelineRow> rows{
        {std::nullopt, QRectF(100, 0, 30, 25), QRectF(400, 0, 30, 25)},
        {std::nullopt, std::nullopt},
        {QRectF(50, 200, 30, 25), QRectF(380, 200, 30, 25)}};
    const auto first = stepFrom(rows, std::nullopt, Step::next);
    EXPECT_EQ(first, (TimelineHit{0, 1})) << "the first bar of the first row with bars";
    EXPECT_EQ(stepFrom(rows, first, Step::next), (TimelineHit{0, 2}));
    EXPECT_FALSE(stepFrom(rows, first, Step::previous)) << "no bar before it";
    EXPECT_EQ(stepFrom(rows, TimelineHit{0, 2}, Step::down), (TimelineHit{2, 1}))
        << "over the row without bars, to the bar nearest across";
    EXPECT_EQ(stepFrom(rows, TimelineHit{2, 0}, Step::up), (TimelineHit{0, 1}));
    EXPECT_FALSE(stepFrom(rows, TimelineHit{2, 0}, Step::down));
}

}  // namespace

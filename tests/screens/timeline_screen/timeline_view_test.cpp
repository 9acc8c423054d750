// The timeline's views: a click on a bar opens its pass, a click beside every bar opens
// nothing, and both halves draw the axis and the bars with or without satellites.
#include "PassViewController.h"
#include "timeline_fixture.h"

namespace {

QRectF firstBar(const TimelineEntries& row) {
    for (const TimelineEntry& entry : row) {
        if (entry.location) return *entry.location;
    }
    return {};
}

TEST_F(TimelineScreen, AClickOnABarOpensThatPass) {
    open({"SAMPLE GEO EAST", "SAMPLE STATION"});
    const TimelineEntry& entry = timeline->satellites()[1][0];
    ASSERT_TRUE(entry.location);
    click(entry.location->center());
    ASSERT_EQ(navigation->count(), 3);
    const auto* pass = dynamic_cast<PassViewController*>(navigation->topViewController());
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->specificPass(), entry.pass);
    EXPECT_EQ(&pass->targetSatellite(), app.findSatelliteByCommonName("SAMPLE STATION").get());
}

TEST_F(TimelineScreen, AClickWithinTenPointsOfABarInTheRightHalfOpensIt) {
    app.setTimelineDuration(24);
    open({"SAMPLE STATION"});
    const auto& row = timeline->satellites()[0];
    const auto inRightHalf = std::find_if(row.begin(), row.end(), [](const TimelineEntry& entry) {
        return entry.location && entry.location->left() > 330 && entry.location->right() < 620;
    });
    ASSERT_NE(inRightHalf, row.end());
    click(QPointF(inRightHalf->location->right() + 8, inRightHalf->location->top() - 8));
    const auto* pass = dynamic_cast<PassViewController*>(navigation->topViewController());
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->specificPass(), inRightHalf->pass);
}

TEST_F(TimelineScreen, AClickBesideEveryBarOpensNothing) {
    open({"SAMPLE GEO EAST", "SAMPLE STATION"});
    click(QPointF(1, 5));
    EXPECT_EQ(navigation->count(), 2) << "the geostationary row's entries have no bars";
    const QRectF bar = firstBar(timeline->satellites()[1]);
    click(QPointF(bar.center().x(), bar.top() - 40));
    EXPECT_EQ(navigation->count(), 2) << "between the rows";
    click(QPointF(bar.right() + 11, bar.center().y()));
    EXPECT_EQ(navigation->count(), 2) << "beyond a bar's reach";
}

// The colour of a content point as the stack shows it.
QColor shown(TimelineController& timeline, QPointF content) {
    timeline.scrollView()->ensureVisible(static_cast<int>(content.x()),
                                         static_cast<int>(content.y()));
    TimelineView* view = content.x() < 320 ? timeline.view1() : timeline.view2();
    return view->grab().toImage().pixelColor((content - QPointF(view->x(), 0)).toPoint());
}

TEST_F(TimelineScreen, BothHalvesDrawTheAxisWithoutSatellites) {
    open({});
    EXPECT_TRUE(timeline->satellites().empty());
    EXPECT_LT(shown(*timeline, {100, 364}).lightness(), 60) << "the axis";
    EXPECT_LT(shown(*timeline, {500, 364}).lightness(), 60);
    EXPECT_EQ(shown(*timeline, {100, 100}).rgb(), QColor::fromRgbF(0.94f, 0.91f, 0.82f).rgb());
    timeline->scrollView()->setContentOffset({0, 0});
    shoot("empty");
}

TEST_F(TimelineScreen, BarsTakeTheirRowsColours) {
    now = now + 1200.0;
    const QStringList names{"SAMPLE STATION",   "SAMPLE WEATHER 1", "SAMPLE AMATEUR 1",
                            "SAMPLE GEO EAST",  "SAMPLE MOLNIYA",   "SAMPLE NAV A1",
                            "SAMPLE TELESCOPE", "SAMPLE CUBESAT"};
    open(names);
    for (std::size_t n : {0u, 1u, 2u}) {
        const QRectF bar = firstBar(timeline->satellites()[n]);
        ASSERT_FALSE(bar.isEmpty());
        const timeline::RowColour colour = timeline::rowColour(n);
        const QColor pixel = shown(*timeline, QPointF(bar.left() + 1, bar.center().y()));
        EXPECT_NEAR(pixel.redF(), colour.red, 0.01);
        EXPECT_NEAR(pixel.greenF(), colour.green, 0.01);
        EXPECT_NEAR(pixel.blueF(), colour.blue, 0.01);
    }
    timeline->scrollView()->setContentOffset({0, 0});
    shoot("left");
    timeline->scrollView()->setContentOffset({320, 0});
    shoot("right");
    saveShot(*timeline->scrollView()->content(), QStringLiteral("timeline-content"));
}

}  // namespace

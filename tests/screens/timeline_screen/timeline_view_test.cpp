// The timeline's views: a click on a bar opens its pass, a click beside every bar opens
// nothing, both halves draw the axis and the bars with or without satellites in the palette's
// colours, and every row is named at the left edge of what the window shows.
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

}  // namespace

class TimelineViews : public TimelineScreen {
protected:
    // The colour of a content point as the stack shows it.
    QColor shown(QPointF content) {
        timeline->scrollView()->ensureVisible(static_cast<int>(content.x()),
                                              static_cast<int>(content.y()));
        TimelineView* view = viewAt(content);
        return view->grab().toImage().pixelColor((content - QPointF(view->x(), 0)).toPoint());
    }
};

TEST_F(TimelineViews, BothHalvesDrawTheAxisWithoutSatellitesInThePalettesColours) {
    open({});
    EXPECT_TRUE(timeline->satellites().empty());
    const int bottom = timeline->scrollView()->contentSize().height() - 1;
    EXPECT_LT(shown({100, static_cast<double>(bottom)}).lightness(), 60) << "the axis";
    EXPECT_LT(shown({500, static_cast<double>(bottom)}).lightness(), 60);
    EXPECT_EQ(shown({100, 100}), timeline->view1()->palette().color(QPalette::Base));

    QPalette dark = timeline->view1()->palette();
    dark.setColor(QPalette::Base, QColor(25, 27, 30));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    timeline->view1()->setPalette(dark);
    EXPECT_EQ(shown({100, 100}), QColor(25, 27, 30));
    EXPECT_GT(shown({100, static_cast<double>(bottom)}).lightness(), 200) << "a light axis";
    shoot("empty");
}

TEST_F(TimelineViews, EveryRowIsNamedAtTheLeftEdgeTheWindowShows) {
    open({"SAMPLE GEO EAST", "SAMPLE STATION"});
    const timeline::RowSizes sizes = *timeline->rowSizes();
    const auto inkIn = [this](QPointF content) {
        const QColor base = timeline->view1()->palette().color(QPalette::Base);
        for (int dx = 0; dx < 60; ++dx) {
            if (shown(content + QPointF(dx, 0)) != base) return true;
        }
        return false;
    };
    const double middle = sizes.nameHeight / 2;
    EXPECT_TRUE(inkIn({6, middle})) << "the geostationary row, without bars, is named";
    EXPECT_TRUE(inkIn({6, sizes.rowHeight + middle}));
    timeline->scrollView()->setContentOffset({200, 0});
    EXPECT_EQ(timeline->visibleLeft(), 200.0);
    EXPECT_TRUE(inkIn({206, sizes.rowHeight + middle})) << "the name follows the scrolling";
}

TEST_F(TimelineViews, BarsTakeTheirRowsColoursInEveryPalette) {
    now = now + 1200.0;
    const QStringList names{"SAMPLE STATION",   "SAMPLE WEATHER 1", "SAMPLE AMATEUR 1",
                            "SAMPLE GEO EAST",  "SAMPLE MOLNIYA",   "SAMPLE NAV A1",
                            "SAMPLE TELESCOPE", "SAMPLE CUBESAT"};
    open(names);
    QPalette dark = timeline->view1()->palette();
    dark.setColor(QPalette::Base, QColor(25, 27, 30));
    for (const bool darkened : {false, true}) {
        if (darkened) {
            timeline->view1()->setPalette(dark);
            timeline->view2()->setPalette(dark);
        }
        for (std::size_t n : {0u, 1u, 2u}) {
            const QRectF bar = firstBar(timeline->satellites()[n]);
            ASSERT_FALSE(bar.isEmpty());
            const timeline::RowColour colour = timeline::rowColour(n);
            const QColor pixel = shown(QPointF(bar.left() + 2, bar.center().y()));
            EXPECT_NEAR(pixel.redF(), colour.red, 0.01);
            EXPECT_NEAR(pixel.greenF(), colour.green, 0.01);
            EXPECT_NEAR(pixel.blueF(), colour.blue, 0.01);
        }
    }
    timeline->scrollView()->setContentOffset({0, 0});
    shoot("left");
    timeline->scrollView()->setContentOffset({320, 0});
    shoot("right");
    saveShot(*timeline->scrollView()->content(), QStringLiteral("timeline-content"));
}

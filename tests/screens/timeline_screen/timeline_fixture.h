// A navigation stack in a window of the given size with a stand-in screen at its root, as the
// list screen would be, and the timeline of some sample satellites computed and pushed on it
// the way the list screen does.
#pragma once

#include <QDir>
#include <QTest>
#include <QTimeZone>

#include "NavigationController.h"
#include "PassData.h"
#include "ScrollView.h"
#include "TimelineController.h"
#include "TimelineView.h"
#include "screen_fixture.h"

class TimelineScreen : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        app.setTimelineDuration(12);
        app.setUseUTC(true);
    }

    TimelineController& open(const QStringList& names, QSize window = {360, 640}) {
        for (const QString& name : names) select(name);
        navigation = std::make_unique<NavigationController>(std::make_unique<ViewController>());
        navigation->resize(window);
        navigation->show();
        auto screen = std::make_unique<TimelineController>();
        screen->loadSelectedSatellites();
        timeline = screen.get();
        navigation->pushViewController(std::move(screen), true);
        return *timeline;
    }

    // The start of the hour holding the fixture's now, on the clock of the zone shown.
    Date origin() const { return *timeline::hourOrigin(now, app.timeZone()); }

    // Points per second of a timeline of this many hours across the content.
    float scale(int hours) const {
        const double width = timeline->scrollView()->contentSize().width();
        return static_cast<float>((width - 2) / (hours * 3600.0));
    }

    // The half of the content that holds a content point.
    TimelineView* viewAt(QPointF content) const {
        return content.x() < timeline->view2()->x() ? timeline->view1() : timeline->view2();
    }

    // Clicks the content point in the half that holds it, scrolled into sight first.
    void click(QPointF content) {
        timeline->scrollView()->ensureVisible(static_cast<int>(content.x()),
                                              static_cast<int>(content.y()));
        TimelineView* view = viewAt(content);
        const QPoint point = (content - QPointF(view->x(), 0)).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, {}, point);
    }

    // Saves a picture of the stack when SKELVOR_SHOTS names a directory.
    void shoot(const QString& name) const {
        saveShot(*navigation, QStringLiteral("timeline-") + name);
    }

    std::unique_ptr<NavigationController> navigation;
    TimelineController* timeline = nullptr;
};

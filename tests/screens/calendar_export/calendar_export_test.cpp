// Exporting passes as a calendar from the details, the list and Tonight: the file the screen
// writes is read back by an independent parser with one event per pass the screen stands for;
// an export without passes writes nothing and says why; a write that fails is told and leaves
// no file behind.
#include <QApplication>
#include <QJsonObject>
#include <QMainWindow>
#include <QTest>
#include <QTimeZone>
#include <cmath>

#include "FakeAlerts.h"
#include "FirstViewController.h"
#include "MainInterface.h"
#include "NavigationController.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "SatelliteDetailsController.h"
#include "TonightController.h"
#include "calendar_reader.h"
#include "screen_fixture.h"

SKELVOR_SCREEN_TEST_APPLICATION("calendar_export_tests");

namespace {

constexpr double twentyDays = 20 * 86400.0;  // the details' span while the setting is unset

// The instant to the whole second, as the parser gives the calendar's times.
QString toSecond(Date date) {
    return QDateTime::fromSecsSinceEpoch(std::llround(date.secondsSince1970()), QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss'Z'"));
}

class CalendarExportTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        if (!canReadCalendars()) GTEST_SKIP() << "no python3 to read the calendar with";
        app.setAlertViewFactory(board.factory());
        app.setUseUTC(true);
    }

    // The user reads each box and closes it, before the board goes.
    void TearDown() override {
        while (!board.live.isEmpty()) board.live.first()->clickButton(0);
        ScreenFixture::TearDown();
    }

    // The list at the root of a stack, shown at the first window size.
    FirstViewController& showList() {
        stack = std::make_unique<NavigationController>(std::make_unique<FirstViewController>());
        stack->resize(400, 720);
        stack->show();
        return static_cast<FirstViewController&>(*stack->viewControllerAt(0));
    }

    // Answers the save dialog with the path, keeping the name it suggested.
    void answerWith(CalendarExport& exporter, const QString& path) {
        exporter.setFileChoice([this, path](QWidget*, const QString& suggested) {
            suggestions << suggested;
            return path;
        });
    }

    QString told() const { return board.shown.join(u'\n'); }

    AlertBoard board;
    std::unique_ptr<NavigationController> stack;
    QStringList suggestions;
};

}  // namespace

// Every pass over the span, not only the ten the screen shows: the first ten events are the
// screen's passes, and the next pass after the last event rises beyond the span. Ctrl+Shift+E
// in the window exports from the shown screen alone, and does not also edit it as Ctrl+E does.
TEST_F(CalendarExportTest, TheDetailsExportTheSatellitesPassesOverTheSpan) {
    const auto station = app.findSatelliteByCommonName(QStringLiteral("SAMPLE STATION"));
    app.setCurrentSatellite(station);
    QMainWindow window;
    auto* tabs = new MainInterface;
    window.setCentralWidget(tabs);
    window.resize(400, 720);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    NavigationController& tracking = *tabs->stackOf(MainInterface::tracking);
    auto& list = static_cast<FirstViewController&>(*tracking.topViewController());
    tracking.pushViewController(std::make_unique<SatelliteDetailsController>(), true);
    auto& details = static_cast<SatelliteDetailsController&>(*tracking.topViewController());
    const QString path = directory.filePath(QStringLiteral("station.ics"));
    answerWith(details.calendarExport(), path);
    answerWith(list.calendarExport(), directory.filePath(QStringLiteral("wrong.ics")));

    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &window, Qt::Key_E,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(suggestions, QStringList{"SAMPLE STATION-passes.ics"});
    EXPECT_FALSE(QFileInfo::exists(directory.filePath(QStringLiteral("wrong.ics"))));
    EXPECT_FALSE(details.isEditing());

    const QJsonArray events = calendarEvents(path);
    const auto& shown = details.futurePasses();
    ASSERT_EQ(shown.size(), 10u);
    ASSERT_GT(events.size(), 10);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QJsonObject event = events[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(event["start"].toString(), toSecond(*shown[i]->aos()));
        EXPECT_TRUE(event["summary"].toString().startsWith("SAMPLE STATION, highest "));
    }
    const QDateTime lastSet =
        QDateTime::fromString(events.last().toObject()["end"].toString(), Qt::ISODate);
    const PassData after(*station, Date::fromQDateTime(lastSet) + 1.0, app.minimumPathElevation());
    ASSERT_TRUE(after.aos());
    EXPECT_GT(*after.aos() - now, twentyDays);
    EXPECT_TRUE(board.shown.isEmpty()) << told().toStdString();
}

// A name with a slash is offered as a file name all the same; a geostationary satellite, which
// never rises or sets, has nothing to export and no file is asked for.
TEST_F(CalendarExportTest, TheDetailsOfferASafeNameAndTellWhenThereIsNothing) {
    const auto cubesat = app.findSatelliteByCommonName(QStringLiteral("SAMPLE CUBESAT"));
    cubesat->setCommonName(QStringLiteral("CUBE/SAT: 1"));
    app.setCurrentSatellite(cubesat);
    showList();
    stack->pushViewController(std::make_unique<SatelliteDetailsController>(), true);
    auto* details = static_cast<SatelliteDetailsController*>(stack->topViewController());
    answerWith(details->calendarExport(), directory.filePath(QStringLiteral("cube.ics")));
    details->calendarExport().button()->click();
    EXPECT_EQ(suggestions, QStringList{"CUBE_SAT_ 1-passes.ics"});
    EXPECT_TRUE(QFileInfo::exists(directory.filePath(QStringLiteral("cube.ics"))));

    stack->popViewControllerAnimated(true);
    app.setCurrentSatellite(app.findSatelliteByCommonName(QStringLiteral("SAMPLE GEO EAST")));
    stack->pushViewController(std::make_unique<SatelliteDetailsController>(), true);
    details = static_cast<SatelliteDetailsController*>(stack->topViewController());
    answerWith(details->calendarExport(), directory.filePath(QStringLiteral("geo.ics")));
    EXPECT_FALSE(details->calendarExport().run());
    EXPECT_EQ(suggestions.size(), 1) << "no dialog without passes";
    EXPECT_FALSE(QFileInfo::exists(directory.filePath(QStringLiteral("geo.ics"))));
    ASSERT_EQ(board.shown.size(), 1);
    EXPECT_TRUE(board.shown[0].startsWith("Nothing to Export: No pass of SAMPLE GEO EAST rises"))
        << told().toStdString();
}

// The listed satellites' passes together, each satellite's as its details would export them;
// an empty list says so and writes nothing.
TEST_F(CalendarExportTest, TheListExportsTheListedSatellitesPasses) {
    FirstViewController& list = showList();
    answerWith(list.calendarExport(), directory.filePath(QStringLiteral("none.ics")));
    EXPECT_FALSE(list.calendarExport().run());
    EXPECT_TRUE(suggestions.isEmpty());
    ASSERT_EQ(board.shown.size(), 1);
    EXPECT_TRUE(board.shown[0].startsWith("Nothing to Export: The list is empty"));
    EXPECT_FALSE(QFileInfo::exists(directory.filePath(QStringLiteral("none.ics"))));

    select(QStringLiteral("SAMPLE STATION"));
    select(QStringLiteral("SAMPLE WEATHER 1"));
    select(QStringLiteral("SAMPLE GEO EAST"));
    const QString path = directory.filePath(QStringLiteral("list.ics"));
    answerWith(list.calendarExport(), path);
    list.calendarExport().button()->click();
    EXPECT_EQ(suggestions, QStringList{"passes.ics"});
    const QJsonArray events = calendarEvents(path);
    QMap<QString, int> perSatellite;
    for (const QJsonValue& event : events) {
        const QString summary = event.toObject()["summary"].toString();
        ++perSatellite[summary.left(summary.indexOf(QStringLiteral(", highest")))];
    }
    EXPECT_EQ(perSatellite.keys(), (QStringList{"SAMPLE STATION", "SAMPLE WEATHER 1"}));
    for (const QString& name : perSatellite.keys()) {
        const auto alone = CalendarExport::futurePasses({app.findSatelliteByCommonName(name)});
        EXPECT_EQ(perSatellite[name], static_cast<int>(alone.size())) << name.toStdString();
    }
    EXPECT_EQ(board.shown.size(), 1) << told().toStdString();
}

// Tonight's listed passes, each a visible one; a folder that does not exist is told, and no
// file appears.
TEST_F(CalendarExportTest, TonightExportsItsListAndTellsAFailedWrite) {
    showList();
    stack->pushViewController(std::make_unique<TonightController>(), true);
    auto& tonight = static_cast<TonightController&>(*stack->topViewController());
    QTRY_VERIFY_WITH_TIMEOUT(!tonight.isScanning(), 60000);
    ASSERT_GT(tonight.tonight().passes.size(), 10u);
    const QString path = directory.filePath(QStringLiteral("tonight.ics"));
    answerWith(tonight.calendarExport(), path);
    ASSERT_TRUE(tonight.calendarExport().run());
    EXPECT_EQ(suggestions, QStringList{"tonight.ics"});
    const QJsonArray events = calendarEvents(path);
    ASSERT_EQ(events.size(), static_cast<qsizetype>(tonight.tonight().passes.size()));
    for (const QJsonValue& event : events) {
        EXPECT_TRUE(event.toObject()["summary"].toString().endsWith(", visible"));
    }

    const QString missing = directory.filePath(QStringLiteral("gone/tonight.ics"));
    answerWith(tonight.calendarExport(), missing);
    EXPECT_FALSE(tonight.calendarExport().run());
    EXPECT_FALSE(QFileInfo::exists(directory.filePath(QStringLiteral("gone"))));
    ASSERT_EQ(board.shown.size(), 1);
    EXPECT_TRUE(
        board.shown[0].startsWith("Calendar Not Saved: The passes could not be written "
                                  "to " +
                                  missing + ": "))
        << told().toStdString();
}

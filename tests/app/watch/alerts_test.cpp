// Pass alerts on a private session bus with a small notification service on it, the clock
// moved by the test: the right notifications at the right moments, none twice, none for a pass
// that has begun when the clock jumps past its rise, clicks that open the pass, and the window
// told when no service answers.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "DesktopNotifications.h"
#include "FakeNotifications.h"
#include "PassAlertSchedule.h"
#include "SessionBus.h"
#include "qt_environment.h"
#include "sample_sky.h"
#include "wait_until.h"

namespace {

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QCoreApplication>("watch_tests"));

constexpr int answer_ms = 5000;  // for an answer over the bus

class Alerts : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
        sky.appDelegate.setUseUTC(true);
        settings.setAlertsOn(station->commonName(), true);
    }

    std::unique_ptr<PassAlertSchedule> scheduleOn(DesktopNotifications* notifications) {
        auto schedule = std::make_unique<PassAlertSchedule>(
            sky.appDelegate, [this] { return std::vector{station}; }, [this] { return settings; },
            notifications);
        QObject::connect(schedule.get(), &PassAlertSchedule::alertForWindow,
                         [this](const PassAlert& alert) { inWindow.push_back(alert); });
        QObject::connect(schedule.get(), &PassAlertSchedule::passOpened,
                         [this](const PassAlert& alert) { opened.push_back(alert); });
        return schedule;
    }

    // The next alert to come, looked for at the clock's now.
    std::pair<Date, PassAlert> next(PassAlertSchedule& schedule) {
        const auto found = schedule.nextAlert();
        EXPECT_TRUE(found);
        return found.value_or(std::pair(Date(), PassAlert()));
    }

    void lookAt(PassAlertSchedule& schedule, Date t) {
        sky.setNow(t);
        schedule.look();
    }

    SessionBus bus;
    sample::Sky sky;
    std::shared_ptr<SatelliteData> station = sky.make(sample::station);
    WatchSettings settings;
    std::vector<PassAlert> inWindow;
    std::vector<PassAlert> opened;
};

}  // namespace

// Every look that should give nothing comes before one that gives an alert; the client's
// messages reach the service in the order sent, so the service's count after each alert shows
// that nothing was sent in between.
TEST_F(Alerts, ComeALeadTimeBeforeEachRiseOnceAndNeverForAPassThatHasBegun) {
    FakeNotifications service;
    ASSERT_TRUE(service.registerOn(bus.connect(QStringLiteral("service"))));
    DesktopNotifications notifications(bus.connect(QStringLiteral("client")));
    const auto schedule = scheduleOn(&notifications);

    const auto [due, first] = next(*schedule);
    EXPECT_EQ(first.rise - due, WatchSettings::default_lead_time);
    lookAt(*schedule, due - 1.0);  // a second early
    lookAt(*schedule, due + 1.0);
    ASSERT_SOON(service.received().size() == 1, answer_ms);
    // Looked at again, after a sleep, and with the clock set back and forward: not again.
    lookAt(*schedule, due + 30.0);
    lookAt(*schedule, first.rise - 1.0);
    lookAt(*schedule, due - 600.0);
    lookAt(*schedule, due + 2.0);

    // The clock jumps past the next rise: that pass has begun and is never announced.
    sky.setNow(first.rise + 1.0);
    const auto [secondDue, second] = next(*schedule);
    EXPECT_GT(second.rise - first.rise, 3000.0);
    lookAt(*schedule, second.rise + 60.0);
    const auto [thirdDue, third] = next(*schedule);
    EXPECT_GT(third.rise - second.rise, 3000.0);
    lookAt(*schedule, thirdDue + 10.0);
    ASSERT_SOON(service.received().size() == 2, answer_ms);
    EXPECT_TRUE(inWindow.empty());

    const QString riseClock = sky.appDelegate.formatTime(first.rise, QStringLiteral("HH:mm:ss"));
    const FakeNotifications::Received& told = service.received()[0];
    EXPECT_EQ(told.summary, QStringLiteral("SAMPLE STATION rises at %1").arg(riseClock));
    EXPECT_TRUE(
        told.body.contains(QStringLiteral("azimuth %1°").arg(std::lround(first.riseAzimuth))))
        << told.body.toStdString();
    EXPECT_TRUE(
        told.body.contains(QStringLiteral("highest %1°").arg(std::lround(first.highestElevation))));
    EXPECT_TRUE(told.body.contains(first.visible ? QStringLiteral("Visible from")
                                                 : QStringLiteral("Not visible")));
    EXPECT_EQ(told.actions.value(0), DesktopNotifications::default_action);
    EXPECT_TRUE(service.received()[1].summary.endsWith(
        sky.appDelegate.formatTime(third.rise, QStringLiteral("HH:mm:ss"))));

    // A click on the second notification opens its pass; a closed one opens nothing.
    service.close(told.id);
    service.click(told.id, DesktopNotifications::default_action);
    service.click(service.received()[1].id, DesktopNotifications::default_action);
    ASSERT_SOON(opened.size() == 1, answer_ms);
    EXPECT_EQ(opened[0].rise, third.rise);
    EXPECT_EQ(opened[0].satellite, station->commonName());
}

TEST_F(Alerts, GoToTheWindowWithoutANotificationService) {
    // On a bus where no one offers the service, the call fails and the window is told.
    DesktopNotifications notifications(bus.connect(QStringLiteral("client")));
    const auto schedule = scheduleOn(&notifications);
    const auto [due, alert] = next(*schedule);
    lookAt(*schedule, due);
    ASSERT_SOON(inWindow.size() == 1, answer_ms);
    EXPECT_EQ(inWindow[0].rise, alert.rise);
    // Without a bus at all, at once.
    const auto alone = scheduleOn(nullptr);
    const auto [laterDue, later] = next(*alone);
    lookAt(*alone, laterDue + 1.0);
    ASSERT_EQ(inWindow.size(), 2u);
    EXPECT_EQ(inWindow[1].rise, later.rise);
}

// Visible passes only: each alert is for a pass that can be seen, and a later lead time moves
// the moment, not the pass.
TEST_F(Alerts, VisiblePassesOnlyAndTheLeadTime) {
    const auto schedule = scheduleOn(nullptr);
    settings.alertVisibleOnly = true;
    const auto [due, alert] = next(*schedule);
    ASSERT_TRUE(alert.visible);
    EXPECT_TRUE(alert.body.contains(QStringLiteral("Visible from")));
    settings.alertLeadTime = 900.0;
    const auto [earlier, same] = next(*schedule);
    EXPECT_EQ(same.rise, alert.rise);
    EXPECT_EQ(due - earlier, 600.0);
}

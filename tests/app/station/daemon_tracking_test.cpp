// Tracking a sample pass on a simulated clock against the real daemons with their dummy
// models, reading back with the daemons' own get commands that the radio follows the Doppler
// curve within the step and the rotator follows the track within the tolerance; and a session
// against an imitation that refuses.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "../../model/sample_sky.h"
#include "ControlConnection.h"
#include "Daemon.h"
#include "ImitationDaemon.h"
#include "PassData.h"
#include "SkelvorAppDelegate.h"
#include "StationControl.h"
#include "TrackingSession.h"
#include "wait_until.h"

namespace {

// The daemon stores whole hertz; the session sends values rounded to whole hertz.
constexpr double rounding = 1.0;  // Hz
// The daemon keeps positions to two decimals, as they are sent.
constexpr double positionRounding = 0.01;  // degrees

FrequencyRecord fmRepeater() {
    FrequencyRecord record;
    record.uplink = QStringLiteral("145.990");
    record.downlink = QStringLiteral("437.800 MHz");
    record.mode = QStringLiteral("FM");
    record.active = true;
    return record;
}

class DaemonTracking : public testing::Test {
protected:
    DaemonTracking() : satellite(sky.make(sample::station)), pass(*satellite, sample::epoch) {}

    void connectTo(ControlConnection& link, const Daemon& daemon) {
        ASSERT_TRUE(daemon.isRunning()) << "the hamlib daemons are not installed (tools/setup.sh)";
        link.open(QStringLiteral("127.0.0.1"), daemon.port());
        ASSERT_SOON(link.isReady(), 5000);
    }
    // Moves the clock and lets the session send everything it wants to.
    void stepTo(TrackingSession& session, const CommandLink& link, Date t) {
        sky.setNow(t);
        session.tick();
        ASSERT_SOON(link.isIdle(), 5000);
    }
    double rangeRateAt(Date t) {
        satellite->predictLocationAt(t);
        return satellite->rangeRate();
    }

    sample::Sky sky;
    std::shared_ptr<SatelliteData> satellite;
    PassData pass;
    StationSettings settings;
};

}  // namespace

TEST_F(DaemonTracking, SplitRadioFollowsTheDopplerCurveWithinTheStep) {
    Daemon rigctld(QStringLiteral("rigctld"));
    ControlConnection link;
    ASSERT_NO_FATAL_FAILURE(connectTo(link, rigctld));
    settings.radio.layout = VfoLayout::split;
    const radio::Channel channel = *radio::channelOf(fmRepeater());
    TrackingSession session(satellite, pass, channel, settings, sky.appDelegate, &link, nullptr);

    const Date aos = *pass.aos();
    const Date los = *pass.los();
    int checked = 0;
    for (Date t = aos - 30.0; t <= los; t = t + 15.0) {
        ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t));
        const double rangeRate = rangeRateAt(t);
        const double downlink = radio::receivedOnGround(437.8e6, rangeRate);
        const double uplink = radio::sentFromGround(145.99e6, rangeRate);
        EXPECT_NEAR(*rigctld.number("f"), downlink, settings.radio.step + rounding)
            << t.secondsSinceReferenceDate();
        EXPECT_NEAR(*rigctld.number("i"), uplink, settings.radio.step + rounding);
        ++checked;
    }
    EXPECT_GT(checked, 20);
    EXPECT_EQ(rigctld.ask("m", 2).value(0), "FM");
    EXPECT_EQ(rigctld.ask("x", 2).value(0), "FM");
    EXPECT_EQ(rigctld.ask("s", 2).value(0), "1");
    EXPECT_TRUE(session.status().radioProblem.isEmpty())
        << session.status().radioProblem.toStdString();

    // After the pass the radio is left where it is.
    const std::optional<double> last = rigctld.number("f");
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, los + 60.0));
    EXPECT_EQ(rigctld.number("f"), last);
    EXPECT_EQ(session.status().phase, TrackingSession::Phase::finished);
}

TEST_F(DaemonTracking, TwoVfoTransponderKeepsTheUplinkPairedToTheTunedDownlink) {
    Daemon rigctld(QStringLiteral("rigctld"));
    ControlConnection link;
    ASSERT_NO_FATAL_FAILURE(connectTo(link, rigctld));
    settings.radio.layout = VfoLayout::twoVfos;
    FrequencyRecord linear;
    linear.uplink = QStringLiteral("145.900-145.950");
    linear.downlink = QStringLiteral("435.800-435.850");
    linear.mode = QStringLiteral("USB");
    linear.inverting = true;
    linear.active = true;
    TrackingSession session(satellite, pass, *radio::channelOf(linear), settings, sky.appDelegate,
                            &link, nullptr);
    const Date middle = *pass.aos() + (*pass.los() - *pass.aos()) / 2;
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, middle - 60.0));

    // The user tunes the main VFO 12 kHz up the passband.
    const double tuned = *rigctld.number("f") + 12000.0;
    ASSERT_EQ(rigctld.ask(QStringLiteral("F %1").arg(qRound64(tuned)), 1).value(0), "RPRT 0");
    for (Date t = middle - 50.0; t <= middle + 60.0; t = t + 10.0) {
        ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t));
        const double rangeRate = rangeRateAt(t);
        const double downlink = *rigctld.number("f");
        ASSERT_EQ(rigctld.ask("V Sub", 1).value(0), "RPRT 0");
        const double uplink = *rigctld.number("f");
        EXPECT_EQ(rigctld.ask("m", 2).value(0), "LSB");  // the inverting uplink's sideband
        ASSERT_EQ(rigctld.ask("V Main", 1).value(0), "RPRT 0");
        // The pair: the satellite hears the uplink where its passband mirrors the downlink
        // it sends, both within the step.
        const double heard = radio::receivedOnGround(uplink, rangeRate);  // first order
        const double sent = radio::sentBySatellite(downlink, rangeRate);
        EXPECT_NEAR(heard, 145.950e6 - (sent - 435.800e6), 2 * (settings.radio.step + rounding));
        EXPECT_GT(sent, 435.825e6 + 11000.0);  // still where the user tuned, less Doppler drift
    }
    EXPECT_EQ(rigctld.ask("m", 2).value(0), "USB");
}

TEST_F(DaemonTracking, RotatorFollowsTheTrackWithinTheTolerance) {
    // A rotator reaching two whole turns; the pass (278 to 164 degrees) can be followed either
    // way, and is followed on the one starting nearer the park position.
    Daemon rotctld(QStringLiteral("rotctld"), {"-C", "min_az=-300,max_az=420"});
    ControlConnection link;
    ASSERT_NO_FATAL_FAILURE(connectTo(link, rotctld));
    RotatorLimits& limits = settings.rotator.limits;
    limits.azimuthMin = -300.0;
    limits.azimuthMax = 420.0;
    limits.tolerance = 2.0;
    // The dummy rotator turns about six degrees a second: the test follows the first half of
    // the pass and parks near where it leaves off, so as not to wait for it long.
    const double duration = *pass.los() - *pass.aos();
    satellite->predictLocationAt(*pass.aos() + duration * 0.5);
    limits.park = {std::round(satellite->azimuth()) - 360.0, std::round(satellite->elevation())};
    TrackingSession session(satellite, pass, std::nullopt, settings, sky.appDelegate, nullptr,
                            &link);
    const RotatorPlan& plan = session.rotatorSteering()->plan();
    // The dummy rotator turns a few degrees a second: wait until it stands where it was sent.
    const auto settle = [&] {
        const RotatorPosition sent = *session.status().rotatorSent;
        ASSERT_SOON(
            [&] {
                const QStringList at = rotctld.ask("p", 2);
                return at.size() == 2 &&
                       std::abs(at[0].toDouble() - sent.azimuth) <= positionRounding &&
                       std::abs(at[1].toDouble() - sent.elevation) <= positionRounding;
            }(),
            90000);
    };

    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, *pass.aos() - 120.0));
    settle();
    EXPECT_EQ(*session.status().rotatorSent, plan.risePosition());
    EXPECT_LT(plan.risePosition().azimuth, 0.0);

    for (const double fraction : {0.1, 0.3, 0.5}) {
        const Date t = *pass.aos() + duration * fraction;
        ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t));
        settle();
        satellite->predictLocationAt(t);
        const RotatorPosition track =
            plan.positionFor({satellite->azimuth(), satellite->elevation()});
        const std::optional<double> azimuth = rotctld.number("p", 0, 2);
        const std::optional<double> elevation = rotctld.number("p", 1, 2);
        EXPECT_NEAR(*azimuth, track.azimuth, limits.tolerance + positionRounding);
        EXPECT_NEAR(*elevation, track.elevation, limits.tolerance + positionRounding);
    }
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, *pass.los() + 5.0));
    settle();
    EXPECT_EQ(*session.status().rotatorSent, limits.park);
    EXPECT_EQ(session.status().phase, TrackingSession::Phase::finished);
}

TEST_F(DaemonTracking, RefusalsAreShownAndSentAgainNeverTakenAsDone) {
    int refusals = 0;
    ImitationDaemon imitation([&](const QString& command) {
        if (command.startsWith(u"F ") && refusals++ < 2) return ImitationDaemon::text("RPRT -9\n");
        return ImitationDaemon::text("RPRT 0\n");
    });
    ControlConnection link;
    link.open(QStringLiteral("127.0.0.1"), imitation.port());
    ASSERT_SOON(link.isReady(), 5000);
    FrequencyRecord beacon;
    beacon.downlink = QStringLiteral("437.8");
    beacon.mode = QStringLiteral("bad mode!");
    beacon.active = true;
    TrackingSession session(satellite, pass, *radio::channelOf(beacon), settings, sky.appDelegate,
                            &link, nullptr);
    const Date t = *pass.aos();
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t));
    EXPECT_NE(session.status().radioProblem.indexOf("RPRT -9"), -1);
    EXPECT_FALSE(session.status().radioSent.downlink);
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t + 1.0));
    ASSERT_NO_FATAL_FAILURE(stepTo(session, link, t + 2.0));
    EXPECT_TRUE(session.status().radioSent.downlink);
    EXPECT_TRUE(session.status().radioProblem.isEmpty());
    // The same frequency was asked for until acknowledged; a mode the protocol cannot carry
    // was never written.
    const QStringList frequencies = imitation.received().filter(QRegularExpression("^F "));
    EXPECT_EQ(frequencies.size(), 3);
    EXPECT_TRUE(imitation.received().filter(QRegularExpression("^M ")).isEmpty());
}

TEST(StationControl, StartsAndStopsTrackingFromTheSettings) {
    ImitationDaemon imitation([](const QString&) { return ImitationDaemon::text("RPRT 0\n"); });
    SkelvorAppDelegate appDelegate;
    appDelegate.setClock([] { return sample::epoch; });
    appDelegate.setObserver_geodetic({51.4779 * sample::degree, 0.0, 0.046, 0.0});
    const QString name = QString::fromLatin1(sample::station.name);
    const auto satellite = SatelliteData::createSatellite(
        &appDelegate, QStringLiteral("SAMPLE STATION"), QStringLiteral("sample.txt"), 99001, name,
        QString::fromLatin1(sample::station.line1), QString::fromLatin1(sample::station.line2));
    StationControl& station = appDelegate.station();

    EXPECT_FALSE(station.startTracking(satellite).isEmpty());  // everything is off
    StationSettings settings;
    settings.radio.enabled = true;
    settings.radio.port = imitation.port();
    station.setSettings(settings);
    EXPECT_FALSE(station.startTracking(satellite).isEmpty());  // no active frequency

    satellite->setFrequencyInfo(QList{fmRepeater()});
    QSignalSpy changed(&station, &StationControl::trackingChanged);
    EXPECT_EQ(station.startTracking(satellite), QString());
    EXPECT_TRUE(station.isTracking());
    EXPECT_EQ(station.tracking()->status().phase, TrackingSession::Phase::waiting);
    EXPECT_FALSE(station.rotatorConnection());
    ASSERT_TRUE(station.rigConnection());
    ASSERT_SOON(station.tracking()->status().radioSent.downlink.has_value(), 5000);
    EXPECT_FALSE(imitation.received().filter(QRegularExpression("^F 4378\\d{5}$")).isEmpty());
    EXPECT_GT(changed.count(), 1);

    station.stopTracking();
    EXPECT_FALSE(station.isTracking());
    ASSERT_TRUE(station.tracking()) << "kept as the last session until the next starts";
    EXPECT_EQ(station.tracking()->status().phase, TrackingSession::Phase::stopped);
    EXPECT_FALSE(station.rigConnection());
}

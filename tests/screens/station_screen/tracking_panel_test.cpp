// The pass screen's tracking block: hidden while radio and rotator control are off; with the
// real daemons' dummy models it starts and stops tracking and shows what the devices took;
// error answers, lost connections and refusals are shown in words; and it shares the text
// block's area without covering the plot, in a tall and in a wide window. Also the block's
// texts on their own.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "Daemon.h"
#include "ImitationDaemon.h"
#include "PassData.h"
#include "PassViewController.h"
#include "RadarView.h"
#include "StationControl.h"
#include "TrackingPanel.h"
#include "TrackingStatusText.h"
#include "station_fixture.h"
#include "wait_until.h"

namespace {

FrequencyRecord fmRepeater() {
    FrequencyRecord record;
    record.uplink = QStringLiteral("145.990");
    record.downlink = QStringLiteral("437.800");
    record.mode = QStringLiteral("FM");
    record.active = true;
    return record;
}

class TrackingBlock : public StationScreen {
protected:
    void SetUp() override {
        StationScreen::SetUp();
        app.setUseUTC(true);
        station = select(QStringLiteral("SAMPLE STATION"));
        station->setFrequencyInfo(QList{fmRepeater()});
        // Early in a pass, so that tracking sends at once.
        const PassData pass(*station, now, 0);
        ASSERT_TRUE(pass.aos() && pass.los());
        now = *pass.aos() + (*pass.los() - *pass.aos()) * 0.3;
        app.station().setConnectionLimits(
            {std::chrono::milliseconds(2000), std::chrono::milliseconds(2000),
             std::chrono::milliseconds(100), std::chrono::milliseconds(400), 16});
    }

    void TearDown() override {
        app.station().stopTracking();
        StationScreen::TearDown();
    }

    void showPass(QSize size = {400, 720}) {
        screen = show(std::make_unique<PassViewController>(station, nullptr), size);
        panel = screen->trackingPanel();
        ASSERT_NE(panel, nullptr);
    }

    // Switches devices on, as on the radio and rotator screen, and comes back to the pass.
    void switchOn(std::optional<quint16> rig, std::optional<quint16> rotator) {
        StationSettings settings = app.station().settings();
        settings.radio.enabled = rig.has_value();
        settings.radio.port = rig.value_or(settings.radio.port);
        settings.rotator.enabled = rotator.has_value();
        settings.rotator.port = rotator.value_or(settings.rotator.port);
        settings.rotator.limits.tolerance = 0.1;
        app.station().setSettings(settings);
        navigation->hide();
        navigation->show();
    }

    QString details() const { return panel->details()->text(); }

    // The plot, the block and the text share the view without overlapping.
    void expectSharedArea() {
        EXPECT_SOON(panel->height() >= panel->heightFor(panel->width()), 2000)
            << "the block has the room its lines need";
        const QRect plot = screen->radarView()->geometry();
        const QRect block = panel->geometry();
        const QRect text = screen->passDataView()->geometry();
        EXPECT_FALSE(plot.intersects(block));
        EXPECT_FALSE(block.intersects(text));
        EXPECT_GE(text.height(), 4 * screen->passDataView()->fontMetrics().lineSpacing());
        EXPECT_TRUE(screen->view()->rect().contains(block));
    }

    std::shared_ptr<SatelliteData> station;
    PassViewController* screen = nullptr;
    TrackingPanel* panel = nullptr;
};

}  // namespace

TEST_F(TrackingBlock, HiddenUntilARadioOrRotatorIsSwitchedOn) {
    showPass();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(screen->passDataView()->geometry().top(),
              screen->radarView()->geometry().bottom() + 1)
        << "the text block takes the room as before";

    switchOn(4532, std::nullopt);
    ASSERT_SOON(!panel->isHidden() && panel->height() > 0, 2000);
    EXPECT_EQ(panel->trackButton()->text(), QStringLiteral("Start tracking"));
    EXPECT_EQ(panel->phase()->text(), QStringLiteral("Sends this pass to the radio."));
    expectSharedArea();
    saveShot(window, QStringLiteral("pass-tracking-idle"));
}

TEST_F(TrackingBlock, TracksWithTheDaemonsAndShowsWhatTheyTook) {
    const Daemon rigctld(QStringLiteral("rigctld"));
    const Daemon rotctld(QStringLiteral("rotctld"));
    ASSERT_TRUE(rigctld.isRunning() && rotctld.isRunning())
        << "the hamlib daemons are not installed (tools/setup.sh)";
    showPass();
    switchOn(rigctld.port(), rotctld.port());
    panel->trackButton()->click();
    EXPECT_EQ(panel->trackButton()->text(), QStringLiteral("Stop tracking"));
    ASSERT_SOON(details().contains(QStringLiteral("Radio: connected  ·  Rotator: connected")) &&
                    details().contains(QStringLiteral("Azimuth")) &&
                    details().contains(QStringLiteral("Down ")) &&
                    details().contains(QStringLiteral("FM")),
                10000);
    EXPECT_TRUE(panel->phase()->text().startsWith(QStringLiteral("Tracking until LOS at ")));
    EXPECT_TRUE(panel->phase()->text().endsWith(QStringLiteral(" UTC")));

    // The frequency shown is the one the radio holds, to the hertz.
    const std::optional<double> held = const_cast<Daemon&>(rigctld).number(QStringLiteral("f"));
    ASSERT_TRUE(held);
    const QString shown = QString::number(*held / 1e6, 'f', 6) + QStringLiteral(" MHz");
    EXPECT_TRUE(details().startsWith(QStringLiteral("Down ") + shown)) << details().toStdString();
    // The position shown is the last one the rotator took (the dummy rotator then turns there
    // at its own pace).
    const QRegularExpressionMatch pointing =
        QRegularExpression(QStringLiteral("Azimuth (\\d+\\.\\d)°  ·  Elevation (\\d+\\.\\d)°"))
            .match(details());
    ASSERT_TRUE(pointing.hasMatch());
    const std::optional<RotatorPosition> taken = app.station().tracking()->status().rotatorSent;
    ASSERT_TRUE(taken);
    EXPECT_NEAR(pointing.captured(1).toDouble(), taken->azimuth, 0.05);
    EXPECT_NEAR(pointing.captured(2).toDouble(), taken->elevation, 0.05);
    expectSharedArea();
    saveShot(window, QStringLiteral("pass-tracking"));

    panel->trackButton()->click();
    EXPECT_EQ(panel->trackButton()->text(), QStringLiteral("Start tracking"));
    EXPECT_EQ(panel->phase()->text(), QStringLiteral("Tracking stopped."));
    EXPECT_TRUE(details().startsWith(QStringLiteral("Down ") + shown)) << "what they last took";
    EXPECT_FALSE(details().contains(QStringLiteral("connected")));
    EXPECT_FALSE(app.station().isTracking());
}

TEST_F(TrackingBlock, ErrorAnswersAndLostConnectionsAreShownInWords) {
    ImitationDaemon refusing([](const QString& command) {
        return ImitationDaemon::text(command.startsWith(u"F ") ? "RPRT -11\n" : "RPRT 0\n");
    });
    quint16 closedPort = 0;
    {
        ImitationDaemon gone([](const QString&) { return ImitationDaemon::text("RPRT 0\n"); });
        closedPort = gone.port();
    }
    showPass();
    switchOn(refusing.port(), closedPort);
    panel->trackButton()->click();
    ASSERT_SOON(details().contains(QStringLiteral("RPRT -11 (not available)")), 10000);
    EXPECT_TRUE(details().contains(QStringLiteral("Radio: connected — F 4378")))
        << details().toStdString();
    ASSERT_SOON(details().contains(QStringLiteral("Rotator: lost: ")), 10000);
    EXPECT_TRUE(details().contains(QStringLiteral("trying again in"))) << details().toStdString();
    EXPECT_TRUE(details().contains(QStringLiteral("(not available)\nRotator: lost")))
        << "a line each once there is something to read";
    EXPECT_FALSE(details().contains(QStringLiteral("Down "))) << "nothing was taken";
    expectSharedArea();
    saveShot(window, QStringLiteral("pass-tracking-errors"));
}

TEST_F(TrackingBlock, ARefusedStartSaysWhy) {
    station->setFrequencyInfo(std::nullopt);
    showPass();
    switchOn(4532, std::nullopt);
    panel->trackButton()->click();
    EXPECT_FALSE(app.station().isTracking());
    EXPECT_EQ(panel->phase()->text(),
              QStringLiteral("SAMPLE STATION has no active frequency with a number in it."));
    EXPECT_EQ(panel->trackButton()->text(), QStringLiteral("Start tracking"));
}

// In a wide window the block heads the text block beside the plot.
TEST_F(TrackingBlock, SharesTheTextAreaInAWideWindow) {
    showPass({1280, 900});
    switchOn(4532, 4533);
    ASSERT_SOON(!panel->isHidden() && panel->height() > 0, 2000);
    EXPECT_GE(panel->geometry().left(), screen->radarView()->geometry().right());
    expectSharedArea();
}

TEST(TrackingText, SaysThePhaseWhatWasTakenAndNothingBeforeIt) {
    SettingsStore settings;
    settings.setUseUTC(true);
    TrackingSession::Status status;
    status.aos = Date(818251200.0);  // 2026-12-06 12:00:00 UTC
    status.los = status.aos + 600.5;
    EXPECT_EQ(tracking_text::phaseText(status, settings),
              QStringLiteral("Waiting for AOS at 12:00:00 UTC"));
    status.phase = TrackingSession::Phase::tracking;
    EXPECT_EQ(tracking_text::phaseText(status, settings),
              QStringLiteral("Tracking until LOS at 12:10:00 UTC"));

    EXPECT_EQ(tracking_text::frequenciesText(status), QString());
    EXPECT_EQ(tracking_text::pointingText(status), QString());
    EXPECT_EQ(tracking_text::connectionText(QStringLiteral("Radio"), nullptr, QString()), QString())
        << "a device not in use says nothing";
    status.radioSent.uplink = 145990012.0;
    EXPECT_EQ(tracking_text::frequenciesText(status), QStringLiteral("Up 145.990012 MHz"));
    status.radioSent.downlink = 437801234.0;
    status.modeSent = QStringLiteral("USB");
    EXPECT_EQ(tracking_text::frequenciesText(status),
              QStringLiteral("Down 437.801234 MHz  ·  Up 145.990012 MHz  ·  USB"));
    status.rotatorSent = RotatorPosition{-12.345, 134.96};
    EXPECT_EQ(tracking_text::pointingText(status),
              QStringLiteral("Azimuth -12.3°  ·  Elevation 135.0°"));
}

// Reading typed bands, the active record's channel, transponder pairing, and which frequencies
// the radio is sent as the range rate moves.
#include <gtest/gtest.h>

#include "RadioSteering.h"

using namespace radio;

namespace {

// Doppler at 145.9 MHz for 7 km/s is about 3.4 kHz; a step of 10 Hz passes 0.02 km/s.
constexpr double step = 10.0;  // Hz

FrequencyRecord record(const char* uplink, const char* downlink, bool inverting = false) {
    FrequencyRecord r;
    if (uplink) r.uplink = QString::fromUtf8(uplink);
    if (downlink) r.downlink = QString::fromUtf8(downlink);
    r.active = true;
    r.inverting = inverting;
    return r;
}

}  // namespace

TEST(RadioFrequency, BandsAreReadFromTypedText) {
    EXPECT_DOUBLE_EQ(bandFromText("435.030-435.060").low, 435.030e6);
    EXPECT_DOUBLE_EQ(bandFromText("435.030-435.060").high, 435.060e6);
    EXPECT_DOUBLE_EQ(bandFromText(" 145.95 - 145.90 MHz").low, 145.90e6);  // reversed edges
    const FrequencyBand kilohertz = bandFromText("10489550 - 10489800 kHz");
    EXPECT_DOUBLE_EQ(kilohertz.low, 10489.55e6);
    EXPECT_DOUBLE_EQ(kilohertz.high, 10489.8e6);
    const FrequencyBand single = bandFromText("FM 145.825");
    EXPECT_FALSE(single.isPassband());
    EXPECT_DOUBLE_EQ(single.low, 145.825e6);
    EXPECT_DOUBLE_EQ(bandFromText("no digits").low, 0.0);
}

TEST(RadioFrequency, GroundAndSatelliteFrequenciesAreInverses) {
    const double f = 435.1e6;
    for (const double rangeRate : {-7.0, 0.0, 3.5}) {
        EXPECT_NEAR(sentBySatellite(receivedOnGround(f, rangeRate), rangeRate), f, 1e-6);
    }
    // Approaching: heard higher, sent lower, by the same first-order shift.
    EXPECT_GT(receivedOnGround(f, -5.0), f);
    EXPECT_NEAR(receivedOnGround(f, -5.0) - f, f - sentFromGround(f, -5.0), 1e-6);
    EXPECT_EQ(megahertzText(145900000.0), "145.9");
    EXPECT_EQ(megahertzText(435030500.4), "435.0305");
    EXPECT_EQ(megahertzText(145000000.0), "145");
}

TEST(RadioChannel, TheActiveRecordWithAFrequencyIsTheChannel) {
    FrequencyRecord inactive = record("145.9", "435.1");
    inactive.active = false;
    FrequencyRecord active = record(nullptr, "437.8");
    active.mode = QStringLiteral("FM");
    const std::optional<Channel> channel = activeChannel(QList{inactive, active});
    ASSERT_TRUE(channel);
    EXPECT_FALSE(channel->uplink);
    EXPECT_DOUBLE_EQ(channel->downlink->low, 437.8e6);
    EXPECT_EQ(channel->mode, "FM");
    EXPECT_FALSE(activeChannel(QList{inactive}));
    EXPECT_FALSE(activeChannel(QList{record("beacon", "CW")}));
    EXPECT_FALSE(activeChannel(std::nullopt));
}

TEST(RadioChannel, TransponderUplinkFollowsTheDownlinkAcrossThePassband) {
    const Channel normal = *channelOf(record("145.900-145.950", "435.800-435.850"));
    const Channel inverting = *channelOf(record("145.900-145.950", "435.800-435.850", true));
    ASSERT_TRUE(normal.isTransponder());
    EXPECT_EQ(initialTuning(normal), (LinkFrequencies{435.825e6, 145.925e6}));
    EXPECT_EQ(pairedTuning(normal, 435.810e6), (LinkFrequencies{435.810e6, 145.910e6}));
    EXPECT_EQ(pairedTuning(inverting, 435.810e6), (LinkFrequencies{435.810e6, 145.940e6}));
    // Tuned beyond the passband: held at its edge.
    EXPECT_EQ(pairedTuning(inverting, 436.0e6), (LinkFrequencies{435.850e6, 145.900e6}));
}

TEST(RadioSteering, OnlyChangesOfAStepOrMoreAreSent) {
    FrequencyRecord fm = record("145.850", "436.795");
    fm.mode = QStringLiteral("FM");
    RadioSteering steering(*channelOf(fm), step);
    RadioCommand first = steering.changes(-6.0);
    ASSERT_TRUE(first.frequencies.downlink && first.frequencies.uplink);
    EXPECT_DOUBLE_EQ(*first.frequencies.downlink, receivedOnGround(436.795e6, -6.0));
    EXPECT_DOUBLE_EQ(*first.frequencies.uplink, sentFromGround(145.850e6, -6.0));
    EXPECT_EQ(first.mode, "FM");

    steering.downlinkSent(*first.frequencies.downlink);
    steering.uplinkSent(*first.frequencies.uplink);
    steering.modeSent();
    // 0.005 km/s moves the downlink by 7 Hz and the uplink by 2 Hz: nothing to send.
    EXPECT_TRUE(steering.changes(-5.995).isEmpty());
    // 0.01 km/s moves the downlink by 14.6 Hz, the uplink by 4.9 Hz: the downlink alone.
    const RadioCommand next = steering.changes(-5.99);
    EXPECT_TRUE(next.frequencies.downlink);
    EXPECT_FALSE(next.frequencies.uplink);
    EXPECT_FALSE(next.mode);
}

TEST(RadioSteering, UnacknowledgedValuesAreSentAgain) {
    RadioSteering steering(*channelOf(record(nullptr, "437.8")), step);
    EXPECT_TRUE(steering.changes(1.0).frequencies.downlink);
    // Nothing acknowledged (the radio answered an error): the same is asked for again.
    EXPECT_TRUE(steering.changes(1.0).frequencies.downlink);
}

TEST(RadioSteering, ATransponderFollowsTheUsersTuning) {
    RadioSteering steering(*channelOf(record("145.900-145.950", "435.800-435.850", true)), step);
    ASSERT_TRUE(steering.followsRadio());
    const double rangeRate = -4.0;
    const LinkFrequencies start = steering.wanted(rangeRate);
    steering.downlinkSent(*start.downlink);
    steering.uplinkSent(*start.uplink);

    // A readback within the step is the radio where it was put: nothing moves.
    steering.radioDownlinkReadBack(*start.downlink + 4.0, rangeRate);
    EXPECT_EQ(steering.tuning(), (LinkFrequencies{435.825e6, 145.925e6}));

    // The user tunes 10 kHz up on the ground: the satellite's downlink moved by as much, less
    // its Doppler share, and the inverting uplink moves down by the same amount.
    const double tuned = *start.downlink + 10000.0;
    steering.radioDownlinkReadBack(tuned, rangeRate);
    const double satelliteDownlink = sentBySatellite(tuned, rangeRate);
    EXPECT_NEAR(*steering.tuning().downlink, satelliteDownlink, 1e-6);
    EXPECT_NEAR(*steering.tuning().uplink, 145.950e6 - (satelliteDownlink - 435.800e6), 1e-6);
    const RadioCommand command = steering.changes(rangeRate);
    EXPECT_FALSE(command.frequencies.downlink);  // the radio is there already
    ASSERT_TRUE(command.frequencies.uplink);
    EXPECT_NEAR(*command.frequencies.uplink, sentFromGround(*steering.tuning().uplink, rangeRate),
                1e-6);
}

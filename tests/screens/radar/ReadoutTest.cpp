// The plot's text lines in their corners: the position, the pass figures at a given range and
// range rate, the reading of typed frequencies and their Doppler correction.
#include <gtest/gtest.h>

#include <limits>

#include "PassReadout.h"
#include "RadioFrequency.h"

namespace {

using namespace radar;
using namespace radio;

FrequencyRecord record(std::optional<QString> uplink, std::optional<QString> downlink,
                       bool active = true) {
    return {std::move(uplink), std::move(downlink), std::nullopt, active};
}

using Lines = std::vector<QString>;

TEST(FrequencyText, MegahertzUnlessKilohertzFollows) {
    EXPECT_DOUBLE_EQ(frequencyFromText("145.9"), 145.9e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("435.1 MHz"), 435.1e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("2400kHz"), 2.4e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("2400   KHZ"), 2.4e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("2400 Mhz"), 2400e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("2400"), 2400e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("FM 145.825-145.850 kHz"), 145.825e6);
    EXPECT_DOUBLE_EQ(frequencyFromText("CW beacon"), 0.0);
}

TEST(Readout, PositionAtTheTopCorners) {
    Readout readout;
    addPosition(readout, {1234.4, 12.345, 45.678, 812.0, 7.4567, 0.0});
    EXPECT_EQ(readout[Corner::topLeft],
              (Lines{"Range:   1234 km", " Az:   12.35°", "Elv:   45.68°"}));
    EXPECT_EQ(readout[Corner::topRight], (Lines{"Alt:  812.00 km", "Vel:   7.457 km/s"}));
    EXPECT_TRUE(readout[Corner::bottomLeft].empty());
}

TEST(Readout, PassFiguresAtOneThousandKilometresAtTheBottomCorners) {
    Readout readout;
    addPassFigures(readout, {1000.0, 0, 0, 0, 0, -3.0});
    EXPECT_EQ(readout[Corner::bottomLeft], (Lines{"Doppler:  1001 Hz"}));
    EXPECT_EQ(readout[Corner::bottomRight], (Lines{"Delay:  3.34 mSec", "Loss: 132.40 dB"}));
}

TEST(Readout, ActiveFrequenciesCorrectedByTheirOwnShiftBelowTheFigures) {
    Readout readout;
    addPassFigures(readout, {1000.0, 0, 0, 0, 0, -3.0});
    addFrequencies(readout, QList{record("1269.0", "29.4", false), record("145.9", "435.1 MHz")},
                   -3.0);
    EXPECT_EQ(readout[Corner::bottomLeft], (Lines{"Doppler:  1001 Hz", "Uplink:  145.899"}));
    EXPECT_EQ(readout[Corner::bottomRight].back(), "Downlink:  435.104");
}

TEST(Readout, MissingFrequenciesAndRecords) {
    Readout none;
    addFrequencies(none, std::nullopt, -3.0);
    addFrequencies(none, QList{record("145.9", "435.1", false)}, -3.0);
    for (const Corner corner : corners) EXPECT_TRUE(none[corner].empty());
    Readout downlinkOnly;
    addFrequencies(downlinkOnly, QList{record(std::nullopt, "2400 kHz")}, 3.0);
    EXPECT_EQ(downlinkOnly[Corner::bottomRight], (Lines{"Downlink:    2.400"}));
    EXPECT_TRUE(downlinkOnly[Corner::bottomLeft].empty());
    Readout unreadable;
    addFrequencies(unreadable, QList{record("tbd", std::nullopt)}, -3.0);
    EXPECT_EQ(unreadable[Corner::bottomLeft], (Lines{"Uplink:    0.000"}));
}

TEST(Readout, ValuesThatAreNotFiniteArePrintedAsSuch) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Readout failed;
    addPosition(failed, {nan, nan, nan, nan, nan, nan});
    addPassFigures(failed, {nan, nan, nan, nan, nan, nan});
    EXPECT_EQ(failed[Corner::topLeft][0], "Range:    nan km");
    EXPECT_EQ(failed[Corner::bottomLeft][0], "Doppler:   nan Hz");
    Readout zero;
    addPassFigures(zero, SatelliteReadings{});
    EXPECT_EQ(zero[Corner::bottomRight][1], "Loss:   -inf dB");
}

TEST(Readout, TheWidestReadoutHoldsEveryLineAtLeastAsWideAsAnyReal) {
    const Readout widest = widestReadout();
    Readout geostationary;
    addPosition(geostationary, {41000.0, 359.0, -89.0, 35786.0, 3.075, -0.5});
    addPassFigures(geostationary, {41000.0, 359.0, -89.0, 35786.0, 3.075, -0.5});
    for (const Corner corner : corners) {
        ASSERT_GE(widest[corner].size(), geostationary[corner].size());
        for (std::size_t i = 0; i < geostationary[corner].size(); ++i) {
            EXPECT_GE(widest[corner][i].size(), geostationary[corner][i].size())
                << geostationary[corner][i].toStdString();
        }
    }
}

}  // namespace

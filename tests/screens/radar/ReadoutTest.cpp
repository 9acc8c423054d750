// The plot's text lines: the position, the pass figures at a given range and range rate, the
// reading of typed frequencies and their Doppler correction.
#include <gtest/gtest.h>

#include <limits>

#include "PassReadout.h"
#include "RadioFrequency.h"

namespace {

using namespace radar;
using namespace radio;

const QSizeF size(320, 200);

FrequencyRecord record(std::optional<QString> uplink, std::optional<QString> downlink,
                       bool active = true) {
    return {std::move(uplink), std::move(downlink), std::nullopt, active};
}

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

TEST(Readout, PositionLines) {
    const SatelliteReadings readings{1234.4, 12.345, 45.678, 812.0, 7.4567, 0.0};
    const std::vector<PlotText> expected{
        {QPointF(0, 0), "Range:   1234 km"},     {QPointF(15, 12), " Az:   12.35°"},
        {QPointF(15, 24), "Elv:   45.68°"},      {QPointF(230, 0), "Alt:  812.00 km"},
        {QPointF(230, 12), "Vel:   7.457 km/s"},
    };
    EXPECT_EQ(positionLines(readings, size), expected);
}

TEST(Readout, PassLinesAtOneThousandKilometres) {
    const SatelliteReadings readings{1000.0, 0, 0, 0, 0, -3.0};
    const std::vector<PlotText> expected{
        {QPointF(0, 185), "Doppler:  1001 Hz"},
        {QPointF(220, 176), "Delay:  3.34 mSec"},
        {QPointF(220, 188), "Loss: 132.40 dB"},
    };
    EXPECT_EQ(passLines(readings, size), expected);
}

TEST(Readout, ActiveFrequenciesCorrectedByTheirOwnShift) {
    const QList<FrequencyRecord> records{record("1269.0", "29.4", false),
                                         record("145.9", "435.1 MHz")};
    const std::vector<PlotText> expected{
        {QPointF(0, 190), "Uplink:  145.899"},
        {QPointF(220, 190), "Downlink:  435.104"},
    };
    EXPECT_EQ(frequencyLines(records, -3.0, size), expected);
}

TEST(Readout, MissingFrequenciesAndRecords) {
    EXPECT_TRUE(frequencyLines(std::nullopt, -3.0, size).empty());
    EXPECT_TRUE(frequencyLines(QList{record("145.9", "435.1", false)}, -3.0, size).empty());
    const std::vector<PlotText> downlinkOnly{{QPointF(220, 190), "Downlink:    2.400"}};
    EXPECT_EQ(frequencyLines(QList{record(std::nullopt, "2400 kHz")}, 3.0, size), downlinkOnly);
    const std::vector<PlotText> unreadable{{QPointF(0, 190), "Uplink:    0.000"}};
    EXPECT_EQ(frequencyLines(QList{record("tbd", std::nullopt)}, -3.0, size), unreadable);
}

TEST(Readout, ValuesThatAreNotFiniteArePrintedAsSuch) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SatelliteReadings failed{nan, nan, nan, nan, nan, nan};
    EXPECT_EQ(positionLines(failed, size)[0].text, "Range:    nan km");
    EXPECT_EQ(passLines(failed, size)[0].text, "Doppler:   nan Hz");
    EXPECT_EQ(passLines(SatelliteReadings{}, size)[2].text, "Loss:   -inf dB");
    EXPECT_EQ(frequencyLines(QList{record("145.9", std::nullopt)}, nan, size)[0].text,
              "Uplink:      nan");
}

}  // namespace

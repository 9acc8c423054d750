// The plot's text lines kept inside the view and apart, on a 320 by 200 view with 12-point
// lines, in a font 6 or 7 points wide per character.
#include <gtest/gtest.h>

#include "PassReadout.h"
#include "RadarTextLayout.h"

namespace {

using namespace radar;

const QSizeF size(320, 200);

std::function<double(const QString&)> perCharacter(double width) {
    return [width](const QString& text) { return width * static_cast<double>(text.size()); };
}

std::vector<QPointF> placesOf(const std::vector<PlotText>& lines) {
    std::vector<QPointF> places;
    for (const PlotText& line : lines) places.push_back(line.topLeft);
    return places;
}

TEST(TextLayout, LinesThatFitKeepTheirPlaces) {
    const SatelliteReadings readings{1000.0, 12.0, 45.0, 800.0, 7.5, -3.0};
    std::vector<PlotText> lines = positionLines(readings, size);
    const std::vector<PlotText> pass = passLines(readings, size);
    lines.insert(lines.end(), pass.begin(), pass.end());
    EXPECT_EQ(fitTextLines(lines, size, 12, perCharacter(5)), lines);
}

TEST(TextLayout, CorrectedFrequenciesPushTheFiguresAboveThemUp) {
    const SatelliteReadings readings{1000.0, 0, 0, 0, 0, -3.0};
    std::vector<PlotText> lines = passLines(readings, size);
    const FrequencyRecord active{"145.9", "435.1", std::nullopt, true};
    const std::vector<PlotText> frequencies = frequencyLines(QList{active}, -3.0, size);
    lines.insert(lines.end(), frequencies.begin(), frequencies.end());
    // Doppler, delay, loss, uplink, downlink.
    const std::vector<QPointF> expected{{0, 176}, {220, 164}, {220, 176}, {0, 188}, {220, 188}};
    EXPECT_EQ(placesOf(fitTextLines(lines, size, 12, perCharacter(5))), expected);
}

TEST(TextLayout, AColumnRunningPastTheRightEdgeMovesLeftAsAWhole) {
    const std::vector<PlotText> lines{{QPointF(220, 176), "Delay:  3.34 mSec"},  // 17 characters
                                      {QPointF(220, 188), "Loss: 132.40 dB"},
                                      {QPointF(0, 0), "Range:   1234 km"},
                                      {QPointF(300, 0), QString(60, u'x')}};
    const std::vector<QPointF> expected{{201, 176}, {201, 188}, {0, 0}, {0, 0}};
    EXPECT_EQ(placesOf(fitTextLines(lines, size, 12, perCharacter(7))), expected);
}

}  // namespace

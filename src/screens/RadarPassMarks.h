// What the radar plot draws for a pass: the track through its samples, clock-time labels along
// it, and the square marking where the satellite is now.
#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>
#include <span>
#include <vector>

#include "PassCoordinate.h"
#include "RadarGeometry.h"

class PassData;
class SettingsStore;

namespace radar {

// The pass's samples in order.
std::vector<PassCoordinate> passSamples(const PassData& pass);

// The projections of the samples, in order, leaving out those below the horizon and those that
// cannot be drawn.
std::vector<QPointF> passTrack(std::span<const PassCoordinate> samples, const RadarFrame& frame);

// The samples labelled with their time: every third from the first while at least four samples
// remain from it, then the last.
std::vector<int> timeMarkIndexes(int count);

// The "HH:mm" labels of those samples, in UTC or local time by the settings, each just above
// and right of its sample. Samples without a time or without a point on the plot get none.
std::vector<PlotText> timeMarks(std::span<const PassCoordinate> samples, const RadarFrame& frame,
                                const SettingsStore& settings);

// The 8 by 8 square (larger on a large plot) centred on the satellite's present projection;
// none while the satellite is below the horizon or its position cannot be drawn.
std::optional<QRectF> satelliteMark(double azimuth, double elevation, const RadarFrame& frame);

}  // namespace radar

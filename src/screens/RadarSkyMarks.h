// The Sun and the Moon on the radar plot, drawn only while they are above the horizon: the Sun
// as a small disc, the Moon as a crescent lit on its right; both larger on a large plot.
#pragma once

#include <QPointF>
#include <array>
#include <optional>

#include "AzimuthAndElevation.h"
#include "RadarGeometry.h"

namespace radar {

struct PlotCircle {
    QPointF centre;
    double radius = 0.0;
};

// An arc of a circle from startAngle to endAngle, in radians measured from the +x axis towards
// +y (down the view); it runs through the angles between the two.
struct PlotArc {
    QPointF centre;
    double radius = 0.0;
    float startAngle = 0.0f;
    float endAngle = 0.0f;
};

// A disc of radius 3 about the Sun's projection.
std::optional<PlotCircle> sunMark(AzimuthAndElevation sun, const RadarFrame& frame);

// One closed outline of two arcs: the right half of the Moon's radius-3 circle from bottom to
// top, then a flatter arc about a centre 3 to the left back down to the bottom.
std::optional<std::array<PlotArc, 2>> moonMark(AzimuthAndElevation moon, const RadarFrame& frame);

}  // namespace radar

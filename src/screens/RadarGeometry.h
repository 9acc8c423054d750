// The radar plot's frame and projection: a view of the observer's sky with north up and east to
// the right, the zenith at the centre and the horizon on a circle of radius maxRadius. The plot
// has its origin at the top-left corner of the view, y growing downwards.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <numbers>
#include <optional>

#include "Angles.h"
#include "TextMetrics.h"

namespace radar {

// Single-precision values of pi and pi/180 used by all plot arithmetic.
inline constexpr float onePi = static_cast<float>(std::numbers::pi);
inline constexpr float radiansPerDegree = static_cast<float>(radians_per_degree);

// A text drawn with its top-left corner at the point.
struct PlotText {
    QPointF topLeft;
    QString text;
    bool operator==(const PlotText&) const = default;
};

struct RadarFrame {
    QSizeF size;
    float maxRadius = 0.0f;  // radius of the horizon circle
    QPointF centre() const { return {size.width() / 2, size.height() / 2}; }
};

// The horizon radius for a view of this size: 0.475 of its smaller side.
float maxRadiusFor(QSizeF size);

// How much larger the marks of the Sun, the Moon and the satellite are drawn on a large plot:
// 1 up to a horizon ring of 180 points, in proportion beyond.
double markScale(const RadarFrame& frame);

// Points between a compass letter and the ring or axis it stands by.
inline constexpr double letterGap = 2.0;

// The point of the sky at azimuth and elevation (degrees). Anything below the horizon (elevation
// -0.05 or lower, or azimuth below -0.05) lands on the view's corner (0, 0). Values that are not
// finite give a point that is not finite.
QPointF locateAzimuth(float azimuth, float elevation, const RadarFrame& frame);

// Whether a point can be drawn: both coordinates finite.
bool isDrawable(QPointF point);

// The point of the sky on the plot; none for a direction below the horizon, which the plot does
// not show, and for values that are not finite.
std::optional<QPointF> skyPoint(float azimuth, float elevation, const RadarFrame& frame);

// The fixed parts of the plot: the two axes across the whole view, the rings of elevation 0, 30
// and 60 degrees about the centre, and the compass letters just outside the horizon ring, each
// beside the axis it names.
struct RadarGrid {
    QLineF vertical;
    QLineF horizontal;
    QPointF centre;
    std::array<float, 3> ringRadii;
    std::array<PlotText, 4> letters;
};
RadarGrid radarGrid(const RadarFrame& frame, const TextMetrics& metrics);

}  // namespace radar

#include "RadarGeometry.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace radar {

float maxRadiusFor(QSizeF size) {
    return static_cast<float>(0.475 * std::min(size.width(), size.height()));
}

QPointF locateAzimuth(float azimuth, float elevation, const RadarFrame& frame) {
    if (azimuth < -0.05 || elevation <= -0.05) return {0.0, 0.0};
    const float a = azimuth * radiansPerDegree;
    const float r = frame.maxRadius * (elevation / -90.0f + 1.0f);
    const QPointF c = frame.centre();
    const double angle = a;
    return {c.x() + r * std::sin(angle), c.y() - r * std::cos(angle)};
}

double markScale(const RadarFrame& frame) {
    constexpr double referenceRadius = 180.0;  // points: the plot of a phone-sized window
    return std::max(1.0, frame.maxRadius / referenceRadius);
}

bool isDrawable(QPointF point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

std::optional<QPointF> skyPoint(float azimuth, float elevation, const RadarFrame& frame) {
    if (!(azimuth >= -0.05f) || !(elevation > -0.05f)) return std::nullopt;
    const QPointF point = locateAzimuth(azimuth, elevation, frame);
    if (!isDrawable(point)) return std::nullopt;
    return point;
}

RadarGrid radarGrid(const RadarFrame& frame, const TextMetrics& metrics) {
    const double w = frame.size.width();
    const double h = frame.size.height();
    const QPointF c = frame.centre();
    const float m = frame.maxRadius;
    const double line = metrics.lineSpacing;
    const QString west = QCoreApplication::translate("RadarGeometry", "W");
    return {
        .vertical = QLineF(c.x(), 0.0, c.x(), h),
        .horizontal = QLineF(0.0, c.y(), w, c.y()),
        .centre = c,
        .ringRadii = {m, (m + m) / 3.0f, m / 3.0f},
        .letters = {{
            {QPointF(c.x() + letterGap, c.y() - m - line),
             QCoreApplication::translate("RadarGeometry", "N")},
            {QPointF(c.x() + m + letterGap, c.y() - line),
             QCoreApplication::translate("RadarGeometry", "E")},
            {QPointF(c.x() + letterGap, c.y() + m),
             QCoreApplication::translate("RadarGeometry", "S")},
            {QPointF(c.x() - m - letterGap - metrics.width(west), c.y() - line), west},
        }},
    };
}

}  // namespace radar

#include "RadarSkyMarks.h"

namespace radar {

namespace {

// The body's projection while it stands above the horizon and can be drawn.
std::optional<QPointF> visibleBody(AzimuthAndElevation body, const RadarFrame& frame) {
    if (!(body.elevation > 0.0f)) return std::nullopt;
    return skyPoint(body.azimuth, body.elevation, frame);
}

}  // namespace

std::optional<PlotCircle> sunMark(AzimuthAndElevation sun, const RadarFrame& frame) {
    const std::optional<QPointF> p = visibleBody(sun, frame);
    if (!p) return std::nullopt;
    return PlotCircle{*p, 3.0 * markScale(frame)};
}

std::optional<std::array<PlotArc, 2>> moonMark(AzimuthAndElevation moon, const RadarFrame& frame) {
    const std::optional<QPointF> p = visibleBody(moon, frame);
    if (!p) return std::nullopt;
    const float quarter = onePi / 4.0f;
    const double scale = markScale(frame);
    return std::array<PlotArc, 2>{{
        {*p, 3.0 * scale, onePi / 2.0f, -onePi / 2.0f},
        {QPointF(p->x() - 3 * scale, p->y()), 4.2425 * scale, -quarter, quarter},
    }};
}

}  // namespace radar

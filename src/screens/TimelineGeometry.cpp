#include "TimelineGeometry.h"

#include <QDateTime>
#include <QTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>

namespace timeline {

namespace {

constexpr double axisBand = 20.0;      // points below the rows for the clock labels
constexpr float maxBarHeight = 25.0f;  // points
constexpr double drawnWidth = 638.0;   // points of the content the hours span
constexpr double touchReach = 10.0;    // points, in each direction

bool isFinite(const QRectF& rect) {
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

// Points per second of the axis; none when hours is not positive.
std::optional<float> pointsPerSecond(std::int32_t hours) {
    if (hours <= 0) return std::nullopt;
    return static_cast<float>(drawnWidth / (hours * 3600.0));
}

// Where an instant falls across the content, one point in from its left edge.
float contentX(double secondsFromOrigin, float scale) {
    return static_cast<float>(secondsFromOrigin * scale + 1.0);
}

std::optional<QRectF> passBar(const PassTimes& pass, Date origin, std::optional<float> scale,
                              float top, float height) {
    if (!pass.aos || !scale) return std::nullopt;
    const float x = contentX(*pass.aos - origin, *scale);
    const float right = contentX(pass.los ? *pass.los - origin : 0.0, *scale);
    const QRectF bar(x, top, right - x, height);
    if (!isFinite(bar)) return std::nullopt;
    return bar;
}

// Whether two rectangles share some area; a rectangle without width or height meets nothing.
bool overlaps(const QRectF& a, const QRectF& b) {
    const QRectF first = a.normalized();
    const QRectF second = b.normalized();
    return first.left() < second.right() && second.left() < first.right() &&
           first.top() < second.bottom() && second.top() < first.bottom();
}

}  // namespace

double passSearchSpan(double passTimetableDuration, std::int32_t timelineDuration) {
    const double span = passTimetableDuration * 24.0;
    return span >= 1.0 ? span : timelineDuration * 3600.0;
}

std::optional<Date> hourOrigin(Date now, const QTimeZone& zone) {
    const double seconds = std::floor(now.secondsSinceReferenceDate());
    if (!std::isfinite(seconds)) return std::nullopt;
    const QTime clock = Date(seconds).toQDateTime().toTimeZone(zone).time();
    if (!clock.isValid()) return std::nullopt;
    return Date(seconds - clock.minute() * 60.0 - clock.second());
}

std::optional<RowSizes> rowSizes(float contentHeight, std::size_t rowCount) {
    if (rowCount == 0 || !std::isfinite(contentHeight)) return std::nullopt;
    const auto rowHeight =
        static_cast<float>((contentHeight - axisBand) / static_cast<double>(rowCount));
    return RowSizes{rowHeight, std::min(rowHeight * 0.5f, maxBarHeight)};
}

std::vector<TimelineRow> layoutRows(const std::vector<std::vector<PassTimes>>& passes,
                                    float contentHeight, Date origin, std::int32_t hours) {
    std::vector<TimelineRow> rows;
    const std::optional<RowSizes> sizes = rowSizes(contentHeight, passes.size());
    if (!sizes) return rows;
    const std::optional<float> scale = pointsPerSecond(hours);
    float top = 0.0f;
    for (const std::vector<PassTimes>& satellitePasses : passes) {
        TimelineRow& row = rows.emplace_back();
        for (const PassTimes& pass : satellitePasses) {
            row.push_back(passBar(pass, origin, scale, top, sizes->barHeight));
        }
        top += sizes->rowHeight;
    }
    return rows;
}

std::optional<TimelineHit> touchedPass(const std::vector<TimelineRow>& rows, QPointF touch,
                                       const QRectF& frame) {
    const QRectF square(touch.x() - touchReach + frame.x(), touch.y() - touchReach, 2 * touchReach,
                        2 * touchReach);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t pass = 0; pass < rows[row].size(); ++pass) {
            const std::optional<QRectF>& bar = rows[row][pass];
            if (bar && overlaps(*bar, square)) return TimelineHit{row, pass};
        }
    }
    return std::nullopt;
}

}  // namespace timeline

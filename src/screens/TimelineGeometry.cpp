#include "TimelineGeometry.h"

#include <QDateTime>
#include <QTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>

#include "PassListing.h"

namespace timeline {

namespace {

constexpr double shortestAxisBand = 20.0;  // points below the rows for the clock labels
constexpr double axisMargin = 4.0;         // points of the band beside a label's line
constexpr float maxBarHeight = 25.0f;      // points
constexpr float leastBarHeight = 6.0f;     // points, where rows are crowded
constexpr float barGap = 2.0f;             // points between a row's name band and its bars
constexpr double touchReach = 10.0;        // points, in each direction
constexpr double nameMargin = 4.0;         // points from the visible left edge to a row's name

bool isFinite(const QRectF& rect) {
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

// Points per second of the axis; none when hours is not positive.
std::optional<float> pointsPerSecond(std::int32_t hours, double contentWidth) {
    if (hours <= 0) return std::nullopt;
    return static_cast<float>((contentWidth - 2.0) / (hours * 3600.0));
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

float leastRowHeight(double lineSpacing) {
    return static_cast<float>(lineSpacing) + barGap + leastBarHeight;
}

}  // namespace

double passSearchSpan(double passTimetableDuration, std::int32_t timelineDuration) {
    return passTimetableSpan(passTimetableDuration).value_or(timelineDuration * 3600.0);
}

std::optional<Date> hourOrigin(Date now, const QTimeZone& zone) {
    const double seconds = std::floor(now.secondsSinceReferenceDate());
    if (!std::isfinite(seconds)) return std::nullopt;
    const QTime clock = Date(seconds).toQDateTime().toTimeZone(zone).time();
    if (!clock.isValid()) return std::nullopt;
    return Date(seconds - clock.minute() * 60.0 - clock.second());
}

double axisBand(double lineSpacing) { return std::max(shortestAxisBand, lineSpacing + axisMargin); }

QSizeF contentSize(QSizeF viewport, std::size_t rowCount, double lineSpacing) {
    const double needed =
        axisBand(lineSpacing) + static_cast<double>(rowCount) * leastRowHeight(lineSpacing);
    return {std::max(narrowestContent, viewport.width()), std::max(viewport.height(), needed)};
}

std::optional<RowSizes> rowSizes(float contentHeight, std::size_t rowCount, double lineSpacing) {
    if (rowCount == 0 || !std::isfinite(contentHeight)) return std::nullopt;
    const auto rowHeight = std::max(
        static_cast<float>((contentHeight - axisBand(lineSpacing)) / static_cast<double>(rowCount)),
        leastRowHeight(lineSpacing));
    const auto name = static_cast<float>(lineSpacing);
    const float bar = std::min({rowHeight * 0.5f, maxBarHeight, rowHeight - name - barGap});
    return RowSizes{rowHeight, name, std::max(bar, leastBarHeight)};
}

std::vector<TimelineRow> layoutRows(const std::vector<std::vector<PassTimes>>& passes,
                                    QSizeF content, Date origin, std::int32_t hours,
                                    double lineSpacing) {
    std::vector<TimelineRow> rows;
    const std::optional<RowSizes> sizes =
        rowSizes(static_cast<float>(content.height()), passes.size(), lineSpacing);
    if (!sizes) return rows;
    const std::optional<float> scale = pointsPerSecond(hours, content.width());
    float top = 0.0f;
    for (const std::vector<PassTimes>& satellitePasses : passes) {
        TimelineRow& row = rows.emplace_back();
        const float barTop = top + sizes->nameHeight + barGap;
        for (const PassTimes& pass : satellitePasses) {
            row.push_back(passBar(pass, origin, scale, barTop, sizes->barHeight));
        }
        top += sizes->rowHeight;
    }
    return rows;
}

std::vector<TimelineRow> visibleStripes(const std::vector<std::vector<PassTimes>>& passes,
                                        const std::vector<TimelineRow>& bars, double contentWidth,
                                        Date origin, std::int32_t hours) {
    const std::optional<float> scale = pointsPerSecond(hours, contentWidth);
    std::vector<TimelineRow> stripes;
    for (std::size_t n = 0; n < passes.size() && n < bars.size(); ++n) {
        TimelineRow& row = stripes.emplace_back();
        for (std::size_t i = 0; i < passes[n].size() && i < bars[n].size(); ++i) {
            const std::optional<PassVisibility::Span>& visible = passes[n][i].visible;
            const std::optional<QRectF>& bar = bars[n][i];
            row.emplace_back();
            if (!visible || !bar || !scale) continue;
            const double left =
                std::max<double>(contentX(visible->start - origin, *scale), bar->left());
            const double right =
                std::min<double>(contentX(visible->end - origin, *scale), bar->right());
            const QRectF stripe(left, bar->top() + bar->height() / 4, right - left,
                                bar->height() / 2);
            if (right > left && isFinite(stripe)) row.back() = stripe;
        }
    }
    return stripes;
}

QPointF rowNamePlace(std::size_t row, const RowSizes& sizes, double visibleLeft) {
    return {visibleLeft + nameMargin, static_cast<double>(row) * sizes.rowHeight};
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

namespace {

// The bar of the row nearest across to x; none in a row without bars.
std::optional<std::size_t> nearestBar(const TimelineRow& row, double x) {
    std::optional<std::size_t> nearest;
    double distance = 0.0;
    for (std::size_t pass = 0; pass < row.size(); ++pass) {
        if (!row[pass]) continue;
        const double d = std::fabs(row[pass]->center().x() - x);
        if (!nearest || d < distance) {
            nearest = pass;
            distance = d;
        }
    }
    return nearest;
}

std::optional<TimelineHit> alongRow(const TimelineRow& row, TimelineHit from, int direction) {
    for (auto pass = static_cast<std::ptrdiff_t>(from.pass) + direction;
         pass >= 0 && pass < static_cast<std::ptrdiff_t>(row.size()); pass += direction) {
        if (row[static_cast<std::size_t>(pass)]) {
            return TimelineHit{from.row, static_cast<std::size_t>(pass)};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TimelineHit> stepFrom(const std::vector<TimelineRow>& rows,
                                    std::optional<TimelineHit> from, Step step) {
    if (!from) {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (const auto pass = nearestBar(rows[row], 0.0)) return TimelineHit{row, *pass};
        }
        return std::nullopt;
    }
    if (from->row >= rows.size() || from->pass >= rows[from->row].size() ||
        !rows[from->row][from->pass]) {
        return stepFrom(rows, std::nullopt, step);
    }
    if (step == Step::next || step == Step::previous) {
        return alongRow(rows[from->row], *from, step == Step::next ? 1 : -1);
    }
    const double x = rows[from->row][from->pass]->center().x();
    const int direction = step == Step::down ? 1 : -1;
    for (auto row = static_cast<std::ptrdiff_t>(from->row) + direction;
         row >= 0 && row < static_cast<std::ptrdiff_t>(rows.size()); row += direction) {
        const auto index = static_cast<std::size_t>(row);
        if (const auto pass = nearestBar(rows[index], x)) return TimelineHit{index, *pass};
    }
    return std::nullopt;
}

}  // namespace timeline

// What one view of the timeline draws: the time axis with its hour marks and clock labels, the
// current-time line, and the rows' bars with the satellites' names.
#include <algorithm>
#include <cmath>

#include "SettingsStore.h"
#include "TimelineGeometry.h"

namespace timeline {

namespace {

constexpr int labelledHours = 3;       // a dashed line every third hour, labels as room allows
constexpr double tickLength = 4.0;     // points
constexpr double lineTop = 2.0;        // where the dashed lines end, points from the top
constexpr double labelGap = 6.0;       // least points between two clock labels
constexpr double nameSpacing = 120.0;  // least distance between a row's named bar ends
constexpr double nameReach = 100.0;    // how far left of the view a bar still counts
constexpr double nameGap = 2.0;        // points between a bar's end and its name

// Whether the frame's position and size, which place everything a view draws, are finite.
bool isPlaceable(const QRectF& frame) {
    return std::isfinite(frame.x()) && std::isfinite(frame.width()) &&
           std::isfinite(frame.height());
}

QLineF upFromBase(double x, double height, double top) { return QLineF(x, height - 1, x, top); }

// Every how many hours a label stands: a multiple of three, far enough apart for the widest.
int labelStep(double hour, double widestLabel) {
    if (!(hour > 0)) return labelledHours;
    const double apart = (widestLabel + labelGap) / (labelledHours * hour);
    return labelledHours * std::max(1, static_cast<int>(std::ceil(apart)));
}

}  // namespace

double hourWidth(double viewWidth, std::int32_t hours) {
    if (hours <= 0) return 0.0;
    return std::trunc((2 * viewWidth - 2) / hours);
}

std::optional<TimelineAxis> timelineAxis(const QRectF& frame, std::int32_t hours, Date origin,
                                         Date now, const SettingsStore& settings,
                                         const TextMetrics& metrics) {
    if (hours <= 0 || !isPlaceable(frame) || !std::isfinite(now - origin)) return std::nullopt;
    const double width = frame.width();
    const double height = frame.height();
    const double xoff = -frame.x();
    const double contentRight = xoff + 2 * width;
    const double hour = hourWidth(width, hours);
    TimelineAxis axis;
    axis.axis = QLineF(xoff, height - 1, contentRight - 1, height - 1);
    const auto label = [&](std::int32_t i) {
        const QString time = settings.formatTime(origin + i * 3600.0, QStringLiteral("HH:mm"));
        return i == 0 ? time + u' ' + settings.zoneAbbreviation(origin) : time;
    };
    const int step = labelStep(hour, metrics.width(label(0)));
    const double labelTop = height - axisBand(metrics.lineSpacing);
    for (std::int32_t i = 0; i <= hours; ++i) {
        const double x = xoff + i * hour + 1;
        if (i % labelledHours != 0) {
            axis.ticks.push_back(upFromBase(x, height, height - 1 - tickLength));
        } else if (i > 0) {
            axis.hourLines.push_back(upFromBase(x, height, lineTop));
        }
        if (i % step != 0) continue;
        const QString text = label(i);
        const double left = std::min(x, contentRight - metrics.width(text));
        const bool meetsPrevious =
            !axis.labels.empty() && left < axis.labels.back().topLeft.x() +
                                               metrics.width(axis.labels.back().text) + labelGap;
        if (!meetsPrevious) axis.labels.push_back({QPointF(left, labelTop), text});
    }
    axis.now = upFromBase(xoff + (now - origin) / 3600.0 * hour + 1, height, lineTop);
    return axis;
}

RowColour rowColour(std::size_t row) {
    return {static_cast<float>(row % 3) / 3.0f + 0.2f, static_cast<float>(row % 6) / 6.0f + 0.1f,
            static_cast<float>(row % 9) / 9.0f};
}

// The spacing of the names runs over the whole content, bars left of the view included, so
// that both views agree on which bars are named; a view keeps every name that starts left of
// its right edge, so that a long name crossing from the left view into the right one is drawn
// on by the right one.
std::vector<RowDrawing> rowsInView(const std::vector<TimelineRow>& rows,
                                   const std::vector<double>& nameWidths, const QRectF& frame) {
    std::vector<RowDrawing> drawings;
    const double contentWidth = 2 * frame.width();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        RowDrawing& drawing = drawings.emplace_back();
        drawing.colour = rowColour(n);
        const double nameWidth = n < nameWidths.size() ? nameWidths[n] : 0.0;
        const double spacing = std::max(nameSpacing, nameWidth + 2 * nameGap);
        double labelledEnd = -nameReach;
        const TimelineRow& row = rows[n];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::optional<QRectF>& location = row[i];
            if (!location || !(location->left() < contentWidth)) continue;
            // A name that would run into the row's next bar is left to that bar.
            const double nameEnd = location->right() + nameGap + nameWidth + nameGap;
            const bool meetsNext = std::any_of(
                row.begin() + static_cast<std::ptrdiff_t>(i) + 1, row.end(),
                [&](const std::optional<QRectF>& next) { return next && next->left() < nameEnd; });
            const bool named = location->right() - labelledEnd > spacing && !meetsNext;
            if (named) labelledEnd = location->right();
            const QRectF bar = location->translated(-frame.x(), 0.0);
            if (!(bar.left() < frame.width())) continue;
            if (bar.right() + nameReach > 0) drawing.bars.push_back(bar);
            if (named) drawing.labels.emplace_back(bar.right() + nameGap, bar.top());
        }
    }
    return drawings;
}

}  // namespace timeline

#include "RadarTextLayout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace radar {

namespace {

constexpr double markOffset = 5.0;      // points between a clock time and its sample
constexpr double clearance = 3.0;       // points between the ring and the corner texts
constexpr double largestShare = 0.475;  // of the smaller side, the largest ring radius
constexpr double blockGap = 8.0;        // least points between two corners' lines side by side

bool isRight(Corner corner) { return corner == Corner::topRight || corner == Corner::bottomRight; }
bool isBottom(Corner corner) {
    return corner == Corner::bottomLeft || corner == Corner::bottomRight;
}

// The distance from a point to the nearest point of a rectangle; 0 inside it.
double distanceTo(QPointF point, const QRectF& rect) {
    const double dx = std::max({rect.left() - point.x(), 0.0, point.x() - rect.right()});
    const double dy = std::max({rect.top() - point.y(), 0.0, point.y() - rect.bottom()});
    return std::hypot(dx, dy);
}

QRectF markBox(const PlotText& mark, const TextMetrics& metrics) {
    return {mark.topLeft, QSizeF(metrics.width(mark.text), metrics.lineSpacing)};
}

}  // namespace

QRectF cornerBlock(Corner corner, const std::vector<QString>& lines, QSizeF size,
                   const TextMetrics& metrics) {
    if (lines.empty()) return {};
    double width = 0.0;
    for (const QString& line : lines) width = std::max(width, metrics.width(line));
    const double height = metrics.lineSpacing * static_cast<double>(lines.size());
    return {isRight(corner) ? size.width() - width : 0.0,
            isBottom(corner) ? size.height() - height : 0.0, width, height};
}

std::array<QRectF, 4> arrangeBlocks(std::array<QRectF, 4> blocks) {
    QRectF& topLeft = blocks[static_cast<std::size_t>(Corner::topLeft)];
    QRectF& topRight = blocks[static_cast<std::size_t>(Corner::topRight)];
    QRectF& bottomLeft = blocks[static_cast<std::size_t>(Corner::bottomLeft)];
    QRectF& bottomRight = blocks[static_cast<std::size_t>(Corner::bottomRight)];
    if (topLeft.right() + blockGap > topRight.left()) topRight.moveTop(topLeft.bottom());
    if (bottomLeft.right() + blockGap > bottomRight.left()) {
        bottomLeft.moveBottom(bottomRight.top());
    }
    return blocks;
}

std::vector<PlotText> placeLines(Corner corner, const std::vector<QString>& lines,
                                 const QRectF& block, const TextMetrics& metrics) {
    std::vector<PlotText> placed;
    const double count = static_cast<double>(lines.size());
    double top = isBottom(corner) ? block.bottom() - count * metrics.lineSpacing : block.top();
    for (const QString& line : lines) {
        placed.push_back({QPointF(block.left(), top), line});
        top += metrics.lineSpacing;
    }
    return placed;
}

RadarFrame fitFrame(QSizeF size, const std::vector<QRectF>& keepClear, const TextMetrics& metrics) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const double letterWidth =
        std::max(metrics.width(QCoreApplication::translate("RadarGeometry", "W")),
                 metrics.width(QCoreApplication::translate("RadarGeometry", "E")));
    double radius = largestShare * std::min(size.width(), size.height());
    radius = std::min({radius, c.x() - letterGap - letterWidth, c.y() - metrics.lineSpacing});
    for (const QRectF& block : keepClear) {
        if (!block.isEmpty()) radius = std::min(radius, distanceTo(c, block) - clearance);
    }
    // Where the blocks crowd the view, the letters must keep clear of them too.
    const auto lettersMeetBlocks = [&](double r) {
        for (const PlotText& letter : radarGrid({size, static_cast<float>(r)}, metrics).letters) {
            const QRectF box = markBox(letter, metrics);
            for (const QRectF& block : keepClear) {
                if (!block.isEmpty() && box.intersects(block)) return true;
            }
        }
        return false;
    };
    radius = std::floor(std::max(radius, 0.0));
    while (radius > 0 && lettersMeetBlocks(radius)) radius -= 1;
    return {size, static_cast<float>(radius)};
}

std::vector<PlotText> placeTimeMarks(std::vector<PlotText> marks, QSizeF size,
                                     const std::vector<QRectF>& keepClear,
                                     const TextMetrics& metrics) {
    const QRectF view(QPointF(0, 0), size);
    std::vector<QRectF> taken = keepClear;
    std::vector<PlotText> placed;
    for (const PlotText& mark : marks) {
        const QPointF point = mark.topLeft + QPointF(-markOffset, markOffset);
        const double width = metrics.width(mark.text);
        const double height = metrics.lineSpacing;
        const double right = mark.topLeft.x();
        const double left = point.x() - markOffset - width;
        const double above = mark.topLeft.y();
        const double below = point.y() + markOffset;
        const std::array<QPointF, 8> places{
            QPointF(right, above),          QPointF(left, above),
            QPointF(right, below),          QPointF(left, below),
            QPointF(right, above - height), QPointF(left, above - height),
            QPointF(right, below + height), QPointF(left, below + height),
        };
        for (const QPointF& place : places) {
            const QRectF box(place, QSizeF(width, height));
            const bool free = std::none_of(taken.begin(), taken.end(), [&](const QRectF& other) {
                return !other.isEmpty() && box.intersects(other);
            });
            if (view.contains(box) && free) {
                placed.push_back({place, mark.text});
                taken.push_back(markBox(placed.back(), metrics));
                break;
            }
        }
    }
    return placed;
}

}  // namespace radar

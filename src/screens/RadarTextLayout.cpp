#include "RadarTextLayout.h"

#include <algorithm>
#include <map>

namespace radar {

namespace {

// How far the column must move left for its widest line to end at the right edge.
double overflowOf(const std::vector<PlotText*>& column, double left, double width,
                  const std::function<double(const QString&)>& textWidth) {
    double overflow = 0.0;
    for (const PlotText* line : column) {
        overflow = std::max(overflow, left + textWidth(line->text) - width);
    }
    return std::min(overflow, left);
}

}  // namespace

std::vector<PlotText> fitTextLines(std::vector<PlotText> lines, QSizeF size, double lineHeight,
                                   const std::function<double(const QString&)>& textWidth) {
    std::map<double, std::vector<PlotText*>> columns;
    for (PlotText& line : lines) columns[line.topLeft.x()].push_back(&line);
    for (auto& [left, column] : columns) {
        const double x = left - overflowOf(column, left, size.width(), textWidth);
        std::stable_sort(column.begin(), column.end(), [](const PlotText* a, const PlotText* b) {
            return a->topLeft.y() > b->topLeft.y();
        });
        double below = size.height();  // the top of the line below, or the view's bottom
        for (PlotText* line : column) {
            line->topLeft = QPointF(x, std::min(line->topLeft.y(), below - lineHeight));
            below = line->topLeft.y();
        }
    }
    return lines;
}

}  // namespace radar

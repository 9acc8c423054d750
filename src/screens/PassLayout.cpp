#include "PassLayout.h"

#include <algorithm>

namespace {

constexpr double widestPlot = 1.3;  // the plot's width beside the text, in window heights

}  // namespace

PassAreas passAreas(QSize size, QSize minimumText, int plotHeight) {
    const int width = std::max(0, size.width());
    const int height = std::max(0, size.height());
    if (width - minimumText.width() >= height) {
        const int plot =
            std::min(width - minimumText.width(), static_cast<int>(height * widestPlot));
        return {QRect(0, 0, plot, height), QRect(plot, 0, width - plot, height)};
    }
    const int plot = std::max(0, std::min(plotHeight, height - minimumText.height()));
    return {QRect(0, 0, width, plot), QRect(0, plot, width, height - plot)};
}

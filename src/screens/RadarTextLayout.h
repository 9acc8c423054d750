// Keeps the radar plot's text lines inside the view and apart from each other when the font is
// wider than the one their places were chosen for, or when lines placed a few points apart meet
// (the Doppler shift and the corrected uplink, the path loss and the corrected downlink).
#pragma once

#include <QSizeF>
#include <functional>
#include <vector>

#include "RadarGeometry.h"

namespace radar {

// Lines sharing a left edge form a column. A column whose widest line runs past the view's
// right edge moves left as a whole until that line ends at the edge (never past the left edge).
// From the bottom up, a line is raised as far as needed to end at the view's bottom and to lie
// lineHeight above the line below it in its column; lines that fit keep their places.
std::vector<PlotText> fitTextLines(std::vector<PlotText> lines, QSizeF size, double lineHeight,
                                   const std::function<double(const QString&)>& textWidth);

}  // namespace radar

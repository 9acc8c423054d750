// Where the radar plot's texts go, measured in the plot's font: the readout's lines stacked in
// the view's corners, the horizon ring kept clear of them and of the edges with room for the
// compass letters, and the clock times of a pass moved to a side of their point where they meet
// neither the corners, the edges nor each other.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <array>
#include <vector>

#include "PassReadout.h"
#include "RadarGeometry.h"

namespace radar {

// The rectangle of the lines in their corner: against the left or right edge, from the top down
// or from the bottom up. Empty without lines.
QRectF cornerBlock(Corner corner, const std::vector<QString>& lines, QSizeF size,
                   const TextMetrics& metrics);

// The blocks of the four corners (in the order of corners), kept apart where the view is too
// narrow for two of them side by side: the top right block then goes below the top left one,
// the bottom left one above the bottom right one.
std::array<QRectF, 4> arrangeBlocks(std::array<QRectF, 4> blocks);

// The lines placed within the block's rectangle: left-aligned at its left edge, the first at
// its top for the top corners, the last at its bottom for the bottom corners.
std::vector<PlotText> placeLines(Corner corner, const std::vector<QString>& lines,
                                 const QRectF& block, const TextMetrics& metrics);

// The plot's frame in a view of this size: the centre in the middle, and the largest horizon
// ring up to 0.475 of the smaller side that keeps a gap to the rectangles and leaves room
// between it and the edges for the compass letters (never below a radius of 0).
RadarFrame fitFrame(QSizeF size, const std::vector<QRectF>& keepClear, const TextMetrics& metrics);

// The marks moved, each to the first of its places (right of and above its point as placed,
// left of it, below right, below left, then a line further out) that lies within the view and
// meets none of the rectangles nor the marks placed before it; a mark without such a place is
// left out rather than drawn over another text.
std::vector<PlotText> placeTimeMarks(std::vector<PlotText> marks, QSizeF size,
                                     const std::vector<QRectF>& keepClear,
                                     const TextMetrics& metrics);

}  // namespace radar

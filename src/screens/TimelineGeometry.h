// The timeline's geometry: one row per satellite, its name on top and below it one bar per pass
// from its rise to its set, on a time axis that starts at the start of the current hour and
// spans a number of whole hours across the content. The content is 640 points wide, or as wide
// as a wider viewport, and as high as the viewport or as the rows need; it is drawn by two views
// of half its width, the left one at content x 0 and the right one after it. The rows and bars
// are in content coordinates, everything a view draws is in that view's own coordinates.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "Date.h"
#include "PassVisibility.h"
#include "TextMetrics.h"

class QTimeZone;
class SettingsStore;

namespace timeline {

inline constexpr double narrowestContent = 640.0;
// Dash patterns of the lines at every third hour and of the current-time line.
inline constexpr std::array<double, 4> hourLineDashes{4.0, 2.0, 1.0, 2.0};
inline constexpr std::array<double, 4> nowLineDashes{2.0, 1.0, 1.0, 1.0};

// The seconds ahead of now over which passes are searched: the pass timetable's days (held as
// days × 3600) as seconds, or the timeline's hours when the timetable is not set.
double passSearchSpan(double passTimetableDuration, std::int32_t timelineDuration);

// The start of the hour holding now, on the clock of the zone; none when now is not finite.
std::optional<Date> hourOrigin(Date now, const QTimeZone& zone);

// The content's size in a viewport: at least 640 points wide, and high enough for every row
// with its name and a bar.
QSizeF contentSize(QSizeF viewport, std::size_t rowCount, double lineSpacing);

// The band under the rows that holds the clock labels, for the font's line spacing.
double axisBand(double lineSpacing);

struct RowSizes {
    float rowHeight = 0.0f;
    float nameHeight = 0.0f;  // the band at the row's top that holds its name
    float barHeight = 0.0f;
};
// The rows share the content height less the axis band. Each has its name band on top, then
// its bars, half a row high at most and at most 25 points. None without rows.
std::optional<RowSizes> rowSizes(float contentHeight, std::size_t rowCount, double lineSpacing);

struct PassTimes {
    std::optional<Date> aos;
    std::optional<Date> los;
    // The part of the pass that can be seen; none when it cannot be seen or is not asked for.
    std::optional<PassVisibility::Span> visible;
};
// A pass's bar in content coordinates; none for a pass without a rise (an empty or
// geostationary pass), which has nothing to draw or touch, and when a value is not finite.
using TimelineRow = std::vector<std::optional<QRectF>>;

// One row per satellite and one bar per pass, in the order given, over a content of this size.
std::vector<TimelineRow> layoutRows(const std::vector<std::vector<PassTimes>>& passes,
                                    QSizeF content, Date origin, std::int32_t hours,
                                    double lineSpacing);

// The visible part of each pass as a stripe inside its bar: from the part's start to its end,
// held within the bar, across the middle half of the bar's height so that the row's colour
// stays seen around it. In the rows' order; none where the pass has no bar or no visible part.
std::vector<TimelineRow> visibleStripes(const std::vector<std::vector<PassTimes>>& passes,
                                        const std::vector<TimelineRow>& bars, double contentWidth,
                                        Date origin, std::int32_t hours);

// A text drawn with its top-left corner at the point.
struct TimelineLabel {
    QPointF topLeft;
    QString text;
};

// The time axis as a view draws it: the base line, a short tick at each hour, a dashed line
// at every third hour (none at hour 0), a clock label every third hour or, where labels would
// meet, every sixth, ninth... hour, and the current time. The first label names the zone.
struct TimelineAxis {
    QLineF axis;
    std::vector<QLineF> ticks;
    std::vector<QLineF> hourLines;
    std::vector<TimelineLabel> labels;
    QLineF now;
};

// The axis for the view with this frame (the content is twice as wide); the labels read
// "HH:mm" in the settings' zone, the last one moved left to end within the content or left out
// where it would then meet the one before. None when hours is not positive or a value is not
// finite.
std::optional<TimelineAxis> timelineAxis(const QRectF& frame, std::int32_t hours, Date origin,
                                         Date now, const SettingsStore& settings,
                                         const TextMetrics& metrics);

// The width of one hour on the axis, in whole points (truncated); 0 when hours is not positive.
double hourWidth(double viewWidth, std::int32_t hours);

struct RowColour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};
RowColour rowColour(std::size_t row);

// One row's bars as a view draws them, and where the satellite's name goes beside them: after a
// bar whose end lies more than 120 points (or the name's width, where it is wider) past the end
// of the row's last named bar and whose name would not run into the row's next bar, counted
// along the whole content so that both views name the same bars. A view keeps the names that start
// left of its right edge, including those of bars left of it whose names may run into it.
struct RowDrawing {
    RowColour colour;
    std::vector<QRectF> bars;
    std::vector<QPointF> labels;
};
std::vector<RowDrawing> rowsInView(const std::vector<TimelineRow>& rows,
                                   const std::vector<double>& nameWidths, const QRectF& frame);

// Where the row's name stands in content coordinates: at the top of the row, at the left edge
// of what the viewport shows.
QPointF rowNamePlace(std::size_t row, const RowSizes& sizes, double visibleLeft);

// The first bar, scanning rows and then bars in order, that a touch at the point of the view
// with this frame meets: a bar overlapping the 20-point square about the touch.
struct TimelineHit {
    std::size_t row = 0;
    std::size_t pass = 0;
    bool operator==(const TimelineHit&) const = default;
};
std::optional<TimelineHit> touchedPass(const std::vector<TimelineRow>& rows, QPointF touch,
                                       const QRectF& frame);

// The bar the keyboard moves to from a bar (none: from nowhere): the next or previous one in its
// row, or the one of the next or previous row with bars nearest to it across. None when there
// is no bar that way.
enum class Step { next, previous, down, up };
std::optional<TimelineHit> stepFrom(const std::vector<TimelineRow>& rows,
                                    std::optional<TimelineHit> from, Step step);

}  // namespace timeline

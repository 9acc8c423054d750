// The timeline's geometry: one row per satellite, one bar per pass from its rise to its set,
// on a time axis that starts at the start of the current hour and spans a number of whole hours
// across a content 640 points wide. The content is drawn by two views of 320 points, the left
// one at content x 0 and the right one at 320; the rows and bars are in content coordinates,
// everything a view draws is in that view's own coordinates.
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

class QTimeZone;
class SettingsStore;

namespace timeline {

inline constexpr double contentWidth = 640.0;
inline constexpr float portraitHeight = 365.0f;
inline constexpr float landscapeHeight = 218.0f;
// Dash patterns of the lines at every third hour and of the current-time line.
inline constexpr std::array<double, 4> hourLineDashes{4.0, 2.0, 1.0, 2.0};
inline constexpr std::array<double, 4> nowLineDashes{2.0, 1.0, 1.0, 1.0};

// The seconds ahead of now over which passes are searched: the pass timetable's days (held as
// days × 3600) as seconds, or the timeline's hours when the timetable is not set.
double passSearchSpan(double passTimetableDuration, std::int32_t timelineDuration);

// The start of the hour holding now, on the clock of the zone; none when now is not finite.
std::optional<Date> hourOrigin(Date now, const QTimeZone& zone);

struct RowSizes {
    float rowHeight = 0.0f;
    float barHeight = 0.0f;
};
// The rows share the content height less the axis band; bars fill half a row, at most 25
// points. None without rows.
std::optional<RowSizes> rowSizes(float contentHeight, std::size_t rowCount);

struct PassTimes {
    std::optional<Date> aos;
    std::optional<Date> los;
};
// A pass's bar in content coordinates; none for a pass without a rise (an empty or
// geostationary pass), which has nothing to draw or touch, and when a value is not finite.
using TimelineRow = std::vector<std::optional<QRectF>>;

// One row per satellite and one bar per pass, in the order given.
std::vector<TimelineRow> layoutRows(const std::vector<std::vector<PassTimes>>& passes,
                                    float contentHeight, Date origin, std::int32_t hours);

// A text drawn with its top-left corner at the point.
struct TimelineLabel {
    QPointF topLeft;
    QString text;
};

// The time axis as a view draws it: the base line, a short tick at each hour, a dashed line
// and a clock label at every third hour (hour 0 has its label only), and the current time.
struct TimelineAxis {
    QLineF axis;
    std::vector<QLineF> ticks;
    std::vector<QLineF> hourLines;
    std::vector<TimelineLabel> labels;
    QLineF now;
};

// The axis for the view with this frame; the labels read "HH:mm" in the settings' zone. None
// when hours is not positive or a value is not finite.
std::optional<TimelineAxis> timelineAxis(const QRectF& frame, std::int32_t hours, Date origin,
                                         Date now, const SettingsStore& settings);

// The width of one hour on the axis, in whole points (truncated); 0 when hours is not positive.
double hourWidth(double viewWidth, std::int32_t hours);

struct RowColour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};
RowColour rowColour(std::size_t row);

// One row's bars as a view draws them, and where the satellite's name goes: after a bar whose
// end lies more than 120 points past the end of the row's last labelled bar, counted along the
// whole content so that both views name the same bars. A view keeps the names that start left
// of its right edge, including those of bars left of it whose names may run into it.
struct RowDrawing {
    RowColour colour;
    std::vector<QRectF> bars;
    std::vector<QPointF> labels;
};
std::vector<RowDrawing> rowsInView(const std::vector<TimelineRow>& rows, const QRectF& frame);

// The first bar, scanning rows and then bars in order, that a touch at the point of the view
// with this frame meets: a bar overlapping the 20-point square about the touch.
struct TimelineHit {
    std::size_t row = 0;
    std::size_t pass = 0;
    bool operator==(const TimelineHit&) const = default;
};
std::optional<TimelineHit> touchedPass(const std::vector<TimelineRow>& rows, QPointF touch,
                                       const QRectF& frame);

}  // namespace timeline

// The footprint map's geometry. The world image is 1024 × 512 points in plate carrée, longitude
// -180° at its left edge and latitude +90° at its top; it is cut into a west half (longitudes
// -180° to 0°) and an east half (0° to 180°), each shown by a 512 × 512 view. The scrolling
// content is 2048 × 512 and shows west, east, west, east. Every point below is in the
// coordinates of one half's view; points of the other hemisphere fall outside 0-512 and are
// clipped by the view.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "Date.h"

class SatelliteData;

namespace footprint {

inline constexpr double viewSize = 512.0;
inline constexpr double mapWidth = 1024.0;
inline constexpr double contentWidth = 2048.0;

enum class MapHalf { west, east };

// Where a latitude and longitude (degrees, east-positive) fall in a half's view.
QPointF mapPoint(float latitude, float longitude, MapHalf half);

// The copy of the map point, shifted by one map width or not at all, that lies within half a
// view width of near.x.
QPointF nearPoint(float latitude, float longitude, MapHalf half, QPointF near);

// Great-circle distance in km between two points given in degrees; poles are moved a hair off
// the pole. Not finite when an input is not finite.
double greatCircleDistance(double longitude1, double latitude1, double longitude2,
                           double latitude2);

// The sub-satellite mark and the outline of the ground that sees the satellite. The outline is an
// open path: filled as if closed, stroked as it stands. When the circle holds a pole, the outline
// is sorted west to east and carried out past both sides of the view to that pole's edge of the
// map, so that the band over the pole is filled too.
struct Footprint {
    QPointF mark;  // the satellite's copy within a quarter map of this view; a time label's corner
    QRectF markSquare;
    std::array<QLineF, 2> cross;
    std::vector<QPointF> outline;
};

// The footprint of a satellite over latitude and longitude (degrees) whose footprint is
// diameter km across; none when a value is not finite.
std::optional<Footprint> footprintAt(double latitude, double longitude, double diameter,
                                     MapHalf half);

// The content x of each half's view for a scroll position; they cover the 512-point tile under
// the left edge and the next one. None when the position is not finite.
struct HalfOffsets {
    double west = 0.0;
    double east = 0.0;
};
std::optional<HalfOffsets> halfOffsetsForScroll(double contentOffsetX);

// How many screen points one point of the map takes in a viewport: the map fills the viewport's
// height, and its width too where the viewport is wider than the whole content. Never below 1/8.
double mapScale(QSizeF viewport);

// The world image to draw halves of this many device pixels high: the 1024 × 512 map where it
// needs no enlarging, else the 4096 × 2048 one.
QString worldImageFor(double halfHeightInPixels);

// The content rectangle to scroll into view so that the satellite and its footprint show,
// with the satellite between content x 512 and 1536; none when a value is not finite.
std::optional<QRectF> initialScrollRect(double latitude, double longitude, double diameter);

// The sub-satellite point at an instant.
struct TrackSample {
    Date date;
    float latitude = 0.0f;
    float longitude = 0.0f;
};

// The sub-satellite points from start, then every step seconds until the satellite has begun
// its third revolution after the one it is on at start. The first sample is at start. A
// satellite whose revolutions do not advance stops after maxTrackSeconds, and one whose
// prediction is not finite at its first such sample.
inline constexpr double maxTrackSeconds = 90.0 * Date::seconds_per_day;
std::vector<TrackSample> groundTrack(SatelliteData& satellite, Date start, double step);

// The ground track as polylines in a half's view. Each runs from the point before the track
// enters the view to the point after it leaves, moved across the date line where the track
// jumps there, so that the lines reach the view's edges. Samples off the map are left out.
std::vector<std::vector<QPointF>> trackSegments(const std::vector<TrackSample>& track,
                                                MapHalf half);

// The first sample, after the one at start, whose map point lies less than 15 points from the
// touch in both directions; none when the touch is off the track.
std::optional<Date> touchedTrackTime(const std::vector<TrackSample>& track, QPointF touch,
                                     MapHalf half);

}  // namespace footprint

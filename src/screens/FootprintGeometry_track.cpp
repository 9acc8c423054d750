// The ground track of the footprint map: its samples, its polylines in a half's view and the
// touch that picks a time on it.
#include <cmath>
#include <cstdint>

#include "FootprintGeometry.h"
#include "FootprintWrap.h"
#include "SatelliteData.h"

namespace footprint {

namespace {

constexpr std::int64_t trackRevolutions = 3;
constexpr double touchReach = 15.0;  // points, in each direction

TrackSample sampleAt(SatelliteData& satellite, Date date) {
    satellite.predictLocationAt(date);
    return {date, static_cast<float>(satellite.latitude()),
            static_cast<float>(satellite.longitude())};
}

bool isDrawable(QPointF point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

bool insideView(QPointF point) { return point.x() >= 0 && point.x() < viewSize; }

// Whether the track jumped across the date line between two consecutive points.
bool crossedDateLine(QPointF from, QPointF to) {
    return std::fabs(from.x() - to.x()) > viewSize / 2;
}

// An x moved by whole map widths to the view's side of the date line: down while beyond the
// right edge, then up while more than half a view beyond the left edge.
double acrossDateLine(double x) {
    return raisedTo(loweredTo(x, viewSize, mapWidth), -viewSize / 2, mapWidth);
}

}  // namespace

std::vector<TrackSample> groundTrack(SatelliteData& satellite, Date start, double step) {
    std::vector<TrackSample> track{sampleAt(satellite, start)};
    if (!(step > 0.0)) return track;
    const std::int64_t limit = satellite.orbit() + trackRevolutions;
    for (double t = step; satellite.orbit() < limit && t <= maxTrackSeconds; t += step) {
        track.push_back(sampleAt(satellite, start + t));
        // A prediction that is not finite will not become finite again further on.
        if (!std::isfinite(track.back().latitude) || !std::isfinite(track.back().longitude)) break;
    }
    return track;
}

std::vector<std::vector<QPointF>> trackSegments(const std::vector<TrackSample>& track,
                                                MapHalf half) {
    std::vector<std::vector<QPointF>> segments;
    std::optional<QPointF> previous;
    bool open = false;
    for (const TrackSample& sample : track) {
        QPointF point = mapPoint(sample.latitude, sample.longitude, half);
        if (!isDrawable(point)) continue;
        if (open) {
            open = insideView(point);
            if (!open && crossedDateLine(*previous, point)) point.setX(acrossDateLine(point.x()));
            segments.back().push_back(point);
        } else if (previous && insideView(point)) {
            QPointF entry = *previous;
            if (crossedDateLine(entry, point)) entry.setX(acrossDateLine(entry.x()));
            segments.push_back({entry, point});
            open = true;
        }
        previous = point;
    }
    return segments;
}

std::optional<Date> touchedTrackTime(const std::vector<TrackSample>& track, QPointF touch,
                                     MapHalf half) {
    for (std::size_t i = 1; i < track.size(); ++i) {
        const QPointF point = mapPoint(track[i].latitude, track[i].longitude, half);
        if (std::fabs(touch.x() - point.x()) < touchReach &&
            std::fabs(touch.y() - point.y()) < touchReach) {
            return track[i].date;
        }
    }
    return std::nullopt;
}

}  // namespace footprint

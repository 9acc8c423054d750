#include "TwilightBands.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "Angles.h"

namespace {

constexpr double meridian_step = 1.0;  // degrees between the meridians looked at
constexpr double lowest_elevation = -89.0;

struct Interval {
    double low;
    double high;  // latitudes, degrees
};

// Longitude in -180 to 180 (degrees).
double wrapped(double longitude) { return longitude - 360.0 * std::round(longitude / 360.0); }

// The point of the map outline lies on the map's edge.
bool onEdge(const LonLat& p) {
    return std::fabs(p.latitude) >= 90.0 || std::fabs(p.longitude) >= 180.0;
}

}  // namespace

TwilightBands::TwilightBands(SunAndMoon::GroundPoint subsolar)
    : antisolarLatitude_(-subsolar.latitude * radians_per_degree),
      antisolarLongitude_(wrapped(subsolar.longitude + 180.0) * radians_per_degree) {}

std::vector<MapOutline> TwilightBands::regionBelow(double elevation) const {
    // The Sun stands below the elevation h where the angle from the point opposite it is below
    // 90 degrees + h. Along one meridian the cos of that angle is A cos(lat) + B sin(lat) =
    // R cos(lat - lat0), so the region is one stretch of latitudes around lat0.
    const double h = std::clamp(elevation, lowest_elevation, 0.0);
    const double cosRadius = std::cos((90.0 + h) * radians_per_degree);
    const double b = std::sin(antisolarLatitude_);
    const auto across = [&](double longitude) -> std::optional<Interval> {
        const double a = std::cos(antisolarLatitude_) *
                         std::cos(longitude * radians_per_degree - antisolarLongitude_);
        const double r = std::hypot(a, b);
        if (r < cosRadius) return std::nullopt;
        const double middle = std::atan2(b, a) / radians_per_degree;
        const double half =
            r > 0.0 ? std::acos(std::min(1.0, cosRadius / r)) / radians_per_degree : 90.0;
        for (const double turn : {0.0, -360.0, 360.0}) {
            const double low = std::max(middle - half + turn, -90.0);
            const double high = std::min(middle + half + turn, 90.0);
            if (low <= high) return Interval{low, high};
        }
        return std::nullopt;
    };

    // The meridians: a regular step, the map's edges and the region's east and west ends, where
    // its stretch shrinks to a point.
    std::vector<double> meridians;
    for (double longitude = -180.0; longitude < 180.0; longitude += meridian_step) {
        meridians.push_back(longitude);
    }
    meridians.push_back(180.0);
    const double cosB = std::cos(antisolarLatitude_);
    const double reach = (cosRadius * cosRadius - b * b) / (cosB * cosB);
    if (reach >= 0.0 && reach <= 1.0) {
        const double side = std::acos(std::sqrt(reach)) / radians_per_degree;
        const double centre = antisolarLongitude_ / radians_per_degree;
        for (const double end : {centre - side, centre + side}) {
            meridians.push_back(wrapped(end));
        }
    }
    std::sort(meridians.begin(), meridians.end());

    std::vector<MapOutline> polygons;
    MapOutline upper, lower;
    const auto close = [&] {
        if (!upper.empty()) {
            polygons.emplace_back(upper.begin(), upper.end());
            polygons.back().insert(polygons.back().end(), lower.rbegin(), lower.rend());
        }
        upper.clear();
        lower.clear();
    };
    for (const double longitude : meridians) {
        const std::optional<Interval> stretch = across(longitude);
        if (!stretch) {
            close();
            continue;
        }
        upper.push_back({longitude, stretch->high});
        lower.push_back({longitude, stretch->low});
    }
    close();
    return polygons;
}

std::vector<MapOutline> TwilightBands::lineAt(double elevation) const {
    std::vector<MapOutline> lines;
    for (const MapOutline& polygon : regionBelow(elevation)) {
        const std::size_t before = lines.size();
        // Walk the closed ring from a point off the map's edges (if any), cutting it wherever a
        // segment runs along an edge.
        const auto start = std::find_if(polygon.begin(), polygon.end(),
                                        [](const LonLat& p) { return !onEdge(p); });
        if (start == polygon.end()) continue;
        const std::size_t first = static_cast<std::size_t>(start - polygon.begin());
        MapOutline line{polygon[first]};
        for (std::size_t k = 1; k <= polygon.size(); ++k) {
            const LonLat& previous = polygon[(first + k - 1) % polygon.size()];
            const LonLat& point = polygon[(first + k) % polygon.size()];
            const bool alongEdge =
                (onEdge(previous) && onEdge(point)) &&
                (previous.latitude == point.latitude || previous.longitude == point.longitude);
            if (alongEdge) {
                if (line.size() > 1) lines.push_back(line);
                line = {point};
            } else {
                line.push_back(point);
            }
        }
        // The walk ends where it began: the last piece runs on into the first.
        if (lines.size() > before && line.size() > 1) {
            line.insert(line.end(), lines[before].begin() + 1, lines[before].end());
            lines[before] = line;
        } else if (line.size() > 1) {
            lines.push_back(line);
        }
    }
    return lines;
}

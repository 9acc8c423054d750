#include "FootprintGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Angles.h"
#include "FootprintWrap.h"

namespace footprint {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double earthRadius = 6378.135;      // km
constexpr double kmPerDegree = 111.2;         // along a great circle
constexpr double antipodeDistance = 20016.0;  // km
constexpr double nearPole = 89.99999;         // degrees
constexpr int bearings = 180;                 // per side of the outline
constexpr double markHalf = 4.0;
constexpr double crossHalf = 20.0;
constexpr double smallestScale = 0.125;
constexpr double enlargementLimit = 1.25;  // how far the small map may be enlarged

bool isFinite(double a, double b, double c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// +1 or -1 when the circle of diameter km about the point holds the North or South Pole (the
// hemisphere of the point decides which); 0 when it holds neither.
int enclosedPole(double latitude, double longitude, double diameter) {
    const double toNorth = greatCircleDistance(longitude, latitude, 0.0, 90.0);
    const double toSouth = greatCircleDistance(longitude, latitude, 0.0, -90.0);
    if (diameter / 2 >= toNorth || diameter / 2 >= toSouth) return latitude > 0 ? 1 : -1;
    return 0;
}

// The longitude (radians) of the circle's point at a bearing east of north, seen from the centre
// (phi1, lambda1), for the point's latitude phi2; delta is the circle's angular radius.
double outlineLongitude(int bearing, double phi1, double lambda1, double phi2, double delta) {
    if (bearing == 0 && pi / 2 - phi1 < delta) return lambda1 + pi;
    const double num = std::cos(delta) - std::sin(phi1) * std::sin(phi2);
    const double den = std::cos(phi1) * std::cos(phi2);
    const double ratio = num / den;
    if (std::fabs(ratio) > 1 || num == 0 || den == 0) return lambda1;
    return lambda1 - (std::acos(ratio) + (den < 0 ? pi : 0.0));
}

// The reflection of a longitude (degrees) about the sub-satellite meridian.
double mirrorLongitude(double centre, double longitude) {
    if (centre < 0 && longitude < 0) return centre + std::fabs(longitude - centre);
    if (centre < 0) return 2 * centre + 360 - longitude;
    const double mirrored = centre + std::fabs(longitude - centre);
    return mirrored > 180 ? mirrored - 360 : mirrored;
}

// Places a point among points sorted by x: an index holding the same x, or, when negative,
// -(index + 1) of the place it goes.
int binarySearch(const std::vector<QPointF>& placed, QPointF point, int lower, int upper) {
    if (upper < lower) return -(lower + 1);
    const int mid = lower + (upper - lower) / 2;
    if (placed[mid].x() > point.x()) return binarySearch(placed, point, lower, mid - 1);
    if (placed[mid].x() < point.x()) return binarySearch(placed, point, mid + 1, upper);
    return mid;
}

// Sorts by x with a binary insertion: a point of equal x goes after the one the search met.
void sortByX(std::vector<QPointF>& points) {
    std::vector<QPointF> placed;
    placed.reserve(points.size());
    for (const QPointF& point : points) {
        const int found = binarySearch(placed, point, 0, static_cast<int>(placed.size()) - 1);
        placed.insert(placed.begin() + (found < 0 ? -(found + 1) : found + 1), point);
    }
    points = std::move(placed);
}

// The 360 outline points: from the northernmost point down the west side at bearings 0-179,
// then the mirrored points back up the east side.
std::vector<QPointF> circleOutline(double latitude, double longitude, double diameter, MapHalf half,
                                   std::optional<QPointF> near) {
    const double delta = diameter / 2 / earthRadius;
    const double phi1 = latitude * radians_per_degree;
    const double lambda1 = longitude * radians_per_degree;
    std::vector<QPointF> outline(2 * bearings);
    for (int i = 0; i < bearings; ++i) {
        const double theta = i * radians_per_degree;
        const double phi2 = std::asin(std::sin(phi1) * std::cos(delta) +
                                      std::cos(theta) * std::sin(delta) * std::cos(phi1));
        const double lambda2 = loweredTo(
            raisedTo(outlineLongitude(i, phi1, lambda1, phi2, delta), -pi, 2 * pi), pi, 2 * pi);
        const auto lat = static_cast<float>(phi2 / radians_per_degree);
        const double lon = lambda2 / radians_per_degree;
        const auto mirrored = static_cast<float>(mirrorLongitude(longitude, lon));
        const auto west = static_cast<float>(lon);
        outline[i] = near ? nearPoint(lat, west, half, *near) : mapPoint(lat, west, half);
        outline[2 * bearings - 1 - i] =
            near ? nearPoint(lat, mirrored, half, *near) : mapPoint(lat, mirrored, half);
    }
    return outline;
}

// Carries a sorted outline out past both sides of the view to the pole's edge of the map.
std::vector<QPointF> poleBand(std::vector<QPointF> outline, int pole) {
    sortByX(outline);
    const double edge = pole > 0 ? 0.0 : viewSize;
    std::vector<QPointF> band{{-1.0, edge}, {-1.0, outline.front().y()}};
    band.insert(band.end(), outline.begin(), outline.end());
    band.push_back({viewSize + 1, outline.back().y()});
    band.push_back({viewSize + 1, edge});
    return band;
}

}  // namespace

QPointF mapPoint(float latitude, float longitude, MapHalf half) {
    const double x = longitude * mapWidth / 360.0;
    return {half == MapHalf::west ? x + viewSize : x, 256.0 - latitude * 256.0 / 90.0};
}

QPointF nearPoint(float latitude, float longitude, MapHalf half, QPointF near) {
    QPointF point = mapPoint(latitude, longitude, half);
    if (near.x() - point.x() > viewSize) point.rx() += mapWidth;
    if (point.x() - near.x() > viewSize) point.rx() -= mapWidth;
    return point;
}

double greatCircleDistance(double longitude1, double latitude1, double longitude2,
                           double latitude2) {
    const auto offPole = [](double latitude) {
        return latitude >= 90.0 ? nearPole : latitude <= -90.0 ? -nearPole : latitude;
    };
    const double phi1 = offPole(latitude1) * radians_per_degree;
    const double phi2 = offPole(latitude2) * radians_per_degree;
    const double k =
        std::sin(phi1) * std::sin(phi2) +
        std::cos(phi1) * std::cos(phi2) * std::cos((longitude2 - longitude1) * radians_per_degree);
    if (k > 0.999999999) return 0.0;
    if (k < -0.99999) return antipodeDistance;
    return std::acos(k) / radians_per_degree * kmPerDegree;
}

std::optional<Footprint> footprintAt(double latitude, double longitude, double diameter,
                                     MapHalf half) {
    if (!isFinite(latitude, longitude, diameter)) return std::nullopt;
    const QPointF point =
        mapPoint(static_cast<float>(latitude), static_cast<float>(longitude), half);
    double sx = point.x();
    if (sx < -viewSize / 2) sx += mapWidth;
    if (sx > viewSize * 1.5) sx -= mapWidth;
    const QPointF mark(sx, point.y());
    const int pole = enclosedPole(latitude, longitude, diameter);
    std::vector<QPointF> outline = circleOutline(latitude, longitude, diameter, half,
                                                 pole == 0 ? std::optional(mark) : std::nullopt);
    return Footprint{mark,
                     QRectF(sx - markHalf, mark.y() - markHalf, 2 * markHalf, 2 * markHalf),
                     {QLineF(sx - crossHalf, mark.y(), sx + crossHalf, mark.y()),
                      QLineF(sx, mark.y() - crossHalf, sx, mark.y() + crossHalf)},
                     pole == 0 ? std::move(outline) : poleBand(std::move(outline), pole)};
}

std::optional<HalfOffsets> halfOffsetsForScroll(double contentOffsetX) {
    if (!std::isfinite(contentOffsetX)) return std::nullopt;
    const double tile = std::trunc(contentOffsetX / viewSize);
    const double left = viewSize * tile;
    const double right = left + viewSize;
    if (std::fmod(tile, 2.0) != 0.0) return HalfOffsets{right, left};
    return HalfOffsets{left, right};
}

double mapScale(QSizeF viewport) {
    const double scale = std::max(viewport.height() / viewSize, viewport.width() / contentWidth);
    return std::isfinite(scale) ? std::max(scale, smallestScale) : 1.0;
}

QString worldImageFor(double halfHeightInPixels) {
    return halfHeightInPixels > viewSize * enlargementLimit
               ? QStringLiteral(":/images/nasa-topo_4096.jpg")
               : QStringLiteral(":/images/nasa-topo_1024.jpg");
}

std::optional<QRectF> initialScrollRect(double latitude, double longitude, double diameter) {
    if (!isFinite(latitude, longitude, diameter)) return std::nullopt;
    const double cx = longitude * mapWidth / 360.0 + (longitude >= 0 ? viewSize : 3 * viewSize);
    const double cy = 256.0 - latitude * 256.0 / 90.0;
    const double r = diameter * viewSize / 40000.0;
    return QRectF(cx - r, cy - r, 2 * r, 2 * r);
}

}  // namespace footprint

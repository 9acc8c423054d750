#include "SkyReach.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "SunAndMoon.h"
#include "constants.h"
#include "sidereal_time.h"

namespace {

using engine::constants::xkmper;

constexpr double radian = 0.017453292519943295;  // per degree
// Elevations are measured from the observer's geodetic vertical, which leans up to 0.19
// degrees from the direction from the Earth's centre; rises are found within 0.05 degrees.
constexpr double vertical_lean = 0.25 * radian;
constexpr double elevation_tolerance = 0.1 * radian;
// The osculating inclination swings about the mean by short-period and lunar-solar terms.
constexpr double inclination_swing = 1.0 * radian;
// Seen from the satellite the Sun stands up to r / D (0.02 degrees at 40 000 km) from where it
// stands seen from the Earth's centre.
constexpr double sun_parallax = 0.1 * radian;
// The night is judged in cells of two minutes; the observer turns with the Earth by half a
// degree in one, which the cell's worst angle allows for.
constexpr double cell_length = 120.0;  // seconds
constexpr double turn_in_cell = 0.5 * radian;
constexpr double farthest = 1.0e6;  // km: beyond any element set's orbit

struct Unit {
    double x, y, z;
};

Unit unit(double x, double y, double z) {
    const double n = std::sqrt(x * x + y * y + z * z);
    return {x / n, y / n, z / n};
}

double angleBetween(const Unit& a, const Unit& b) {
    return std::acos(std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0, 1.0));
}

}  // namespace

SkyReach::SkyReach(const engine::geodetic_point_t& observer, double minimumElevation, Date start,
                   Date end)
    : observer_(observer),
      site_(engine::Observer_Site(observer)),
      observerRadius_(std::hypot(site_.axis_distance, site_.equator_height)),
      geocentricLatitude_(std::atan2(site_.equator_height, site_.axis_distance)),
      elevation_(std::max(minimumElevation, 0.0) * radian - elevation_tolerance) {
    for (Date t = start; t < end; t = t + cell_length) {
        const Date cellEnd = std::min(end, t + cell_length);
        // The widest angle between the observer's zenith and the point opposite the Sun in
        // the cell: the wider, the more of the cap can be in sunlight.
        double widest = 0.0;
        for (const Date at : {t, cellEnd}) {
            const engine::observer_frame_t frame =
                engine::Observer_Frame(engine::ThetaG_JD(at.julianDate()), site_);
            const engine::vector4_t sun = SunAndMoon::sunFor(observer_, at).position;
            widest = std::max(widest, angleBetween(unit(frame.pos.x, frame.pos.y, frame.pos.z),
                                                   unit(-sun.x, -sun.y, -sun.z)));
        }
        cells_.push_back({t, cellEnd, sunlitRadius(widest + turn_in_cell)});
    }
}

double SkyReach::capAngle(double radius) const {
    const double c = observerRadius_ * std::cos(elevation_) / radius;
    if (!(c < 1.0)) return -1.0;  // no point at this distance stands that high
    return std::acos(c) - elevation_ + vertical_lean;
}

bool SkyReach::reaches(double inclination, double apogeeRadius) const {
    const double folded =
        inclination > std::numbers::pi / 2.0 ? std::numbers::pi - inclination : inclination;
    return folded + inclination_swing + capAngle(apogeeRadius) >= std::fabs(geocentricLatitude_);
}

// The least distance from the centre at which a point of the cap may be sunlit, for a zenith
// that stands psi from the point opposite the Sun. A point at distance r is in the shadow's
// centre cone only within asin(R / r) of that point; the cap reaches psi + capAngle(r) from it.
double SkyReach::sunlitRadius(double psi) const {
    const auto sunlit = [&](double r) {
        return psi + capAngle(r) > std::asin(std::min(1.0, xkmper / r)) - sun_parallax;
    };
    if (sunlit(xkmper)) return xkmper;
    if (!sunlit(farthest)) return HUGE_VAL;
    double low = xkmper, high = farthest;
    while (high - low > 1.0) {
        const double middle = (low + high) / 2.0;
        (sunlit(middle) ? high : low) = middle;
    }
    return low;
}

std::vector<SkyReach::Window> SkyReach::sunlitWindows(double apogeeRadius) const {
    std::vector<Window> windows;
    for (const Cell& cell : cells_) {
        if (apogeeRadius < cell.radius) continue;
        if (!windows.empty() && windows.back().end == cell.start) {
            windows.back().end = cell.end;
        } else {
            windows.push_back({cell.start, cell.end});
        }
    }
    return windows;
}

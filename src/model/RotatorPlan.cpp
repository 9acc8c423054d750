#include "RotatorPlan.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double fullTurn = 360.0;

RotatorPosition flippedOver(const RotatorPosition& sky) {
    return {sky.azimuth + 180.0, 180.0 - sky.elevation};
}

double wrapped(double azimuth) {
    const double a = std::fmod(azimuth, fullTurn);
    return a < 0.0 ? a + fullTurn : a;
}

// The track's azimuths made continuous: each within half a turn of the one before.
std::vector<double> unwrapped(const std::vector<RotatorPosition>& track, bool flipped) {
    std::vector<double> azimuths;
    for (const RotatorPosition& sky : track) {
        double a = wrapped(flipped ? flippedOver(sky).azimuth : sky.azimuth);
        if (!azimuths.empty()) {
            const double previous = azimuths.back();
            a += fullTurn * std::round((previous - a) / fullTurn);
        }
        azimuths.push_back(a);
    }
    return azimuths;
}

}  // namespace

bool RotatorLimits::isValid() const {
    const double span = azimuthMax - azimuthMin;
    const auto within = [](double value, double low, double high) {
        return value >= low && value <= high;
    };
    return within(span, fullTurn, 2 * fullTurn) && within(azimuthMin, -fullTurn, fullTurn) &&
           within(elevationMin, 0.0, 90.0) && within(elevationMax, 90.0, 180.0) &&
           within(startElevation, 0.0, 90.0) && within(park.azimuth, azimuthMin, azimuthMax) &&
           within(park.elevation, elevationMin, elevationMax) && within(tolerance, 0.0, 45.0);
}

std::vector<RotatorPlan::Way> RotatorPlan::waysFor(const std::vector<RotatorPosition>& track,
                                                   const RotatorLimits& limits) {
    std::vector<Way> ways;
    for (const bool flipped : {false, true}) {
        if (flipped && !limits.canFlip()) continue;
        const std::vector<double> azimuths = unwrapped(track, flipped);
        const auto [low, high] = std::minmax_element(azimuths.begin(), azimuths.end());
        const int first = static_cast<int>(std::floor((limits.azimuthMin - *high) / fullTurn));
        const int last = static_cast<int>(std::ceil((limits.azimuthMax - *low) / fullTurn));
        for (int turns = first; turns <= last; ++turns) {
            const double shift = turns * fullTurn;
            const auto reached = std::count_if(azimuths.begin(), azimuths.end(), [&](double a) {
                return a + shift >= limits.azimuthMin && a + shift <= limits.azimuthMax;
            });
            if (reached > 0) {
                ways.push_back({flipped, *low + shift, *high + shift, azimuths.front() + shift,
                                static_cast<int>(reached)});
            }
        }
    }
    return ways;
}

RotatorPlan::RotatorPlan(const std::vector<RotatorPosition>& track, const RotatorLimits& limits)
    : limits_(limits), rise_(limits.park) {
    if (track.empty()) return;
    const std::vector<Way> ways = waysFor(track, limits);
    if (ways.empty()) return;
    // The way that reaches the most of the pass; of equals, the one without flipping, then the
    // one whose start lies nearest the park position.
    const auto rank = [&](const Way& way) {
        return std::make_tuple(-way.reached, way.flipped,
                               std::abs(way.start - limits.park.azimuth));
    };
    const Way& best = *std::min_element(
        ways.begin(), ways.end(), [&](const Way& a, const Way& b) { return rank(a) < rank(b); });
    flipped_ = best.flipped;
    windowLow_ = best.windowLow;
    windowHigh_ = best.windowHigh;
    followsWholeTrack_ = best.reached == static_cast<int>(track.size());
    rise_ = positionFor(track.front());
}

double RotatorPlan::rotatorAzimuth(double skyAzimuth) const {
    // Of the turns of this azimuth, the one inside the window, else the nearest to it.
    const double base = wrapped(skyAzimuth);
    const double middle = (windowLow_ + windowHigh_) / 2;
    const auto distance = [&](double a) {
        return std::make_pair(std::max({windowLow_ - a, a - windowHigh_, 0.0}),
                              std::abs(a - middle));
    };
    double best = base;
    for (int turns = -3; turns <= 3; ++turns) {
        const double a = base + turns * fullTurn;
        if (distance(a) < distance(best)) best = a;
    }
    return std::clamp(best, limits_.azimuthMin, limits_.azimuthMax);
}

RotatorPosition RotatorPlan::positionFor(const RotatorPosition& sky) const {
    const RotatorPosition aim = flipped_ ? flippedOver(sky) : sky;
    return {rotatorAzimuth(aim.azimuth),
            std::clamp(aim.elevation, limits_.elevationMin, limits_.elevationMax)};
}

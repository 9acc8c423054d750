#include "TrackedPasses.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "BrentSearch.h"
#include "EarthShadow.h"
#include "GoldenSection.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "SunAndMoon.h"

namespace {

constexpr double degrees_per_radian = 57.29577951308232;
constexpr double observer_speed = 0.5;  // km/s: the Earth's turning at the equator, and more
constexpr double sun_rate = 0.005;      // degrees a second: at most 15 degrees an hour
// Rises and sets are narrowed until the bracket is a tenth of a second wide: ten times finer
// than the seconds they are shown in, and than the horizon searches place them; the highest
// point and hidden peaks and dips to a second.
constexpr double crossing_resolution = 0.1;  // seconds
constexpr int max_crossing_steps = 60;
constexpr double extreme_resolution = 1.0;  // seconds
constexpr double extreme_spread = 0.002;    // degrees between the best points at a sharp peak
constexpr double sample_interval = 60.0;    // seconds, as a sampled pass's
constexpr int max_extreme_steps = 40;

// The searches over a pass probe many instants by the elevation alone; the Sun and the shadow
// are wanted only where they settle.
struct Probe {
    Date t;
    double elevation;
};

Probe probeAt(Sightline& sight, Date t) { return {t, sight.at(t).elevation}; }

}  // namespace

TrackedPasses::TrackedPasses(SatelliteData& satellite, const VisibilityConditions& conditions)
    : satellite_(satellite),
      sight_(satellite),
      conditions_(conditions),
      observer_(satellite.appDelegate()->observer_geodetic()),
      bounds_(OrbitBounds::of(satellite.satelliteData())) {}

SkySample TrackedPasses::sampleAt(Date t) { return sampleAt(t, SunAndMoon::sunFor(observer_, t)); }

SkySample TrackedPasses::sampleAt(Date t, const SunAndMoon::Sun& sun) {
    const Sightline::Look look = sight_.at(t);
    return {t, look.elevation, look.range, EarthShadow(look.position, sun.position).margin(),
            sun.elevation};
}

// Degrees a second: the line of sight turns at most at (speed + observer's speed) / range.
double TrackedPasses::elevationRate(double range) const {
    return (bounds_.speed + observer_speed) / std::max(range, 1.0) * degrees_per_radian;
}

// Between two neighbouring samples on one side of the horizon, the elevation can cross it and
// come back only where the samples' bound (the larger one plus the rate over half the gap)
// reaches the horizon; there the turning point is looked for, and added when it lies across.
void TrackedPasses::findHidden(std::vector<SkySample>& samples) {
    std::vector<SkySample> found;
    for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
        const SkySample& before = samples[i - 1];
        const SkySample& at = samples[i];
        const SkySample& after = samples[i + 1];
        const bool up = at.elevation >= 0.0;
        if (up != (before.elevation >= 0.0) || up != (after.elevation >= 0.0)) continue;
        const double sign = up ? -1.0 : 1.0;  // search the lowest point above, the highest below
        const bool turns = sign * at.elevation >= sign * before.elevation &&
                           sign * at.elevation >= sign * after.elevation;
        const double gap = std::max(at.t - before.t, after.t - at.t) / 2.0;
        const double nearest = std::min({before.range, at.range, after.range}) -
                               (bounds_.speed + observer_speed) * gap;
        if (!turns || sign * at.elevation + elevationRate(nearest) * gap < 0.0) continue;
        GoldenSection search(
            Probe{before.t, before.elevation}, after.t,
            [this](Date t) { return probeAt(sight_, t); },
            [sign](const Probe& p) { return sign * p.elevation; });
        for (int k = 0; k < max_extreme_steps && search.width() > extreme_resolution; ++k) {
            for (const Probe& p : {search.inner1(), search.inner2()}) {
                if ((p.elevation >= 0.0) != up) {
                    found.push_back(sampleAt(p.t));
                    k = max_extreme_steps;
                    break;
                }
            }
            search.narrow();
        }
    }
    samples.insert(samples.end(), found.begin(), found.end());
    std::sort(samples.begin(), samples.end(),
              [](const SkySample& a, const SkySample& b) { return a.t < b.t; });
}

// Whether some moment between the samples first and last may be visible: at a sample, or
// between two neighbours where each condition may reach its best by its rate over half the gap.
bool TrackedPasses::chance(const std::vector<SkySample>& samples, std::size_t first,
                           std::size_t last) const {
    const double minimum = conditions_.minimumElevation;
    const double darkness = conditions_.darknessElevation;
    const double shadowRate = bounds_.shadowRate();
    for (std::size_t i = first; i < last; ++i) {
        const SkySample& a = samples[i];
        const SkySample& b = samples[i + 1];
        const double half = (b.t - a.t) / 2.0;
        const double nearest = std::min(a.range, b.range) - (bounds_.speed + observer_speed) * half;
        const bool mayBeHigh =
            minimum <= 0.0 ||
            std::max(a.elevation, b.elevation) + elevationRate(nearest) * half >= minimum;
        const bool mayBeLit = std::max(a.shadowMargin, b.shadowMargin) + shadowRate * half > 0.0;
        const bool mayBeDark =
            std::min(a.sunElevation, b.sunElevation) - sun_rate * half < darkness;
        if (mayBeHigh && mayBeLit && mayBeDark) return true;
    }
    return false;
}

// Where the elevation crosses 0 between two samples on either side, by regula falsi with the
// Illinois weighting.
Date TrackedPasses::crossing(const SkySample& below, const SkySample& above) {
    double a = 0.0, fa = below.elevation;
    double b = above.t - below.t, fb = above.elevation;
    int side = 0;
    for (int i = 0; i < max_crossing_steps && std::fabs(b - a) > crossing_resolution; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        if (!(std::min(a, b) < c && c < std::max(a, b))) c = (a + b) / 2.0;
        const double fc = sight_.at(below.t + c).elevation;
        if (!std::isfinite(fc)) break;
        if ((fc < 0.0) == (fa < 0.0)) {
            a = c;
            fa = fc;
            if (side == -1) fb /= 2.0;
            side = -1;
        } else {
            b = c;
            fb = fc;
            if (side == 1) fa /= 2.0;
            side = 1;
        }
    }
    return below.t + (a + b) / 2.0;
}

// The highest point of the pass between rise and set: each sample higher than its neighbours
// narrowed between them, the highest found. A long pass of a high orbit can climb to more than
// one peak, and the highest sample need not lie by the highest of them.
PassCoordinate TrackedPasses::highest(const std::vector<SkySample>& samples, std::size_t first,
                                      std::size_t last, Date rise, Date set) {
    const auto probe = [this](Date t) { return probeAt(sight_, t); };
    std::optional<Probe> best;
    for (std::size_t top = first; top <= last; ++top) {
        const double elevation = samples[top].elevation;
        if ((top > first && elevation < samples[top - 1].elevation) ||
            (top < last && elevation < samples[top + 1].elevation)) {
            continue;
        }
        const Date low = top > first ? samples[top - 1].t : rise;
        const Date high = top < last ? samples[top + 1].t : set;
        const Probe peak = brentHighest(
            low, high, Probe{samples[top].t, elevation}, probe,
            [](const Probe& p) { return p.elevation; }, extreme_resolution, extreme_spread,
            max_extreme_steps);
        if (!best || best->elevation < peak.elevation) best = peak;
    }
    satellite_.predictLocationAt(best->t);
    return {static_cast<float>(satellite_.azimuth()), static_cast<float>(satellite_.elevation()),
            static_cast<float>(satellite_.altitude()), best->t};
}

std::vector<PassOutline> TrackedPasses::mayBeSeen(std::vector<SkySample> samples) {
    std::vector<PassOutline> passes;
    findHidden(samples);
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (!(samples[i].elevation >= 0.0) || samples[i - 1].elevation >= 0.0) continue;
        std::size_t last = i;
        while (last + 1 < samples.size() && samples[last + 1].elevation >= 0.0) ++last;
        if (last + 1 == samples.size()) break;  // the set lies beyond the samples
        const std::size_t first = i;
        i = last;
        if (!chance(samples, first - 1, last + 1)) continue;
        const Date rise = crossing(samples[first - 1], samples[first]);
        const Date set = crossing(samples[last + 1], samples[last]);
        // Looked at as a sampled pass is, at most a minute apart from the rise to the set: at the
        // samples within the pass, which are used as they are, and in between where they lie
        // farther apart.
        PassOutline outline{rise, set, highest(samples, first, last, rise, set), {rise}, {}};
        const auto lookUpTo = [&outline](Date t) {
            for (Date p = outline.lookingPoints.back() + sample_interval; p < t;
                 p = p + sample_interval) {
                outline.lookingPoints.push_back(p);
            }
            outline.lookingPoints.push_back(t);
        };
        for (std::size_t k = first; k <= last; ++k) {
            if (!(rise < samples[k].t && samples[k].t < set)) continue;
            lookUpTo(samples[k].t);
            outline.samples.push_back(samples[k]);
        }
        lookUpTo(set);
        passes.push_back(std::move(outline));
    }
    return passes;
}

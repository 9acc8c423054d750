#include "PassVisibility.h"

#include <algorithm>

#include "GoldenSection.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "SunAndMoon.h"

namespace {

// A change of any condition is narrowed to this many seconds. The samples of a pass lie a minute
// apart, and its highest point is one of the points looked at, so a condition that changes and
// changes back within a minute between them (a brush with the shadow's edge) is not seen.
constexpr double flip_resolution = 0.05;
constexpr int max_flip_steps = 40;
// The highest point of a visible stretch that lies between two samples is narrowed to a second.
constexpr double highest_resolution = 1.0;
constexpr int max_highest_steps = 40;

enum Condition { high, lit, dark, condition_count };

}  // namespace

// What the visibility depends on at one instant.
struct PassVisibility::State {
    Date t;
    double elevation;     // degrees
    double azimuth;       // degrees
    double altitude;      // km
    double shadowMargin;  // radians, as EarthShadow::margin
    Illumination illumination;
    double sunElevation;  // degrees

    PassCoordinate place() const {
        return {static_cast<float>(azimuth), static_cast<float>(elevation),
                static_cast<float>(altitude), t};
    }
};

// The predictions of one pass: the state at any instant and the instant at which a condition
// changes between two states.
class PassVisibility::Scan {
public:
    Scan(SatelliteData& satellite, const VisibilityConditions& conditions)
        : satellite_(satellite),
          conditions_(conditions),
          observer_(satellite.appDelegate()->observer_geodetic()) {}

    State at(Date t) {
        satellite_.predictLocationAt(t);
        const SunAndMoon::Sun sun = SunAndMoon::sunFor(observer_, t);
        const EarthShadow shadow(satellite_.satelliteData().pos, sun.position);
        return {t,
                satellite_.elevation(),
                satellite_.azimuth(),
                satellite_.altitude(),
                shadow.margin(),
                shadow.illumination(),
                sun.elevation};
    }

    // Within the pass, elevations at or above 0 are the whole pass from rise to set.
    bool holds(Condition condition, const State& s) const {
        switch (condition) {
            case high:
                return conditions_.minimumElevation <= 0.0 ||
                       s.elevation >= conditions_.minimumElevation;
            case lit:
                return s.shadowMargin > 0.0;
            case dark:
                return s.sunElevation < conditions_.darknessElevation;
            case condition_count:
                break;
        }
        return false;
    }

    bool visible(const State& s) const { return holds(high, s) && holds(lit, s) && holds(dark, s); }

    SkyLight light(const State& s) const { return {s.illumination, holds(lit, s), holds(dark, s)}; }

    // The state just after the condition changes between before and after, which disagree on it.
    State flip(Condition condition, State before, State after) {
        const bool from = holds(condition, before);
        for (int i = 0; i < max_flip_steps && after.t - before.t > flip_resolution; ++i) {
            const State middle = at(before.t + (after.t - before.t) / 2.0);
            (holds(condition, middle) == from ? before : after) = middle;
        }
        return after;
    }

private:
    SatelliteData& satellite_;
    VisibilityConditions conditions_;
    engine::geodetic_point_t observer_;
};

namespace {

struct Flip {
    Date t;
    Condition condition;
    bool becomes;
};

}  // namespace

PassVisibility::PassVisibility(SatelliteData& satellite, const PassData& pass,
                               const VisibilityConditions& conditions) {
    Scan scan(satellite, conditions);
    const Date now = satellite.appDelegate()->now();
    for (std::int32_t i = 0; i < pass.passItemCount(); ++i) {
        const std::optional<Date> date = pass.passItemAtIndex(i).date;
        sampleLights_.push_back(scan.light(scan.at(date.value_or(now))));
    }
    if (!pass.aos() || !pass.los()) return;

    // The samples, with the highest point among them, in time order.
    std::vector<State> points;
    const std::optional<Date> peak = pass.highestElevationDate();
    for (std::int32_t i = 0; i < pass.passItemCount(); ++i) {
        const Date t = *pass.passItemAtIndex(i).date;
        if (peak && (points.empty() || points.back().t < *peak) && *peak < t) {
            points.push_back(scan.at(*peak));
        }
        points.push_back(scan.at(t));
    }
    if (peak) {
        const auto found = std::find_if(points.begin(), points.end(),
                                        [&](const State& s) { return s.t == *peak; });
        if (found != points.end()) highestLight_ = scan.light(*found);
    }

    std::vector<Flip> flips;
    std::vector<State> flipStates;
    for (std::size_t i = 1; i < points.size(); ++i) {
        for (const Condition c : {high, lit, dark}) {
            if (scan.holds(c, points[i - 1]) == scan.holds(c, points[i])) continue;
            const State after = scan.flip(c, points[i - 1], points[i]);
            flips.push_back({after.t, c, scan.holds(c, points[i])});
            if (c == lit) {
                crossings_.push_back({after.t, !scan.holds(lit, points[i]), after.place()});
            }
        }
    }
    std::stable_sort(flips.begin(), flips.end(),
                     [](const Flip& a, const Flip& b) { return a.t < b.t; });
    std::sort(crossings_.begin(), crossings_.end(),
              [](const ShadowCrossing& a, const ShadowCrossing& b) { return a.date < b.date; });

    bool holding[condition_count] = {scan.holds(high, points.front()),
                                     scan.holds(lit, points.front()),
                                     scan.holds(dark, points.front())};
    bool open = scan.visible(points.front());
    Date openedAt = points.front().t;
    for (const Flip& flip : flips) {
        holding[flip.condition] = flip.becomes;
        const bool visible = holding[high] && holding[lit] && holding[dark];
        if (visible && !open) openedAt = flip.t;
        if (!visible && open && openedAt < flip.t) spans_.push_back({openedAt, flip.t});
        open = visible;
    }
    if (open && openedAt < points.back().t) spans_.push_back({openedAt, points.back().t});
    if (spans_.empty()) return;

    // The highest point while visible: the pass's own when it lies in a stretch, else the
    // highest of the stretches' ends and the samples within them, narrowed between its
    // neighbours when it is a sample.
    VisiblePart part{spans_.front().start, spans_.back().end, {}};
    const auto inSpan = [&](Date t) {
        return std::any_of(spans_.begin(), spans_.end(),
                           [&](const Span& s) { return !(t < s.start) && !(s.end < t); });
    };
    if (peak && inSpan(*peak)) {
        part.highest = *pass.highestElevationEntry();
    } else {
        std::optional<State> best;
        const auto consider = [&](const State& s) {
            if (!best || best->elevation < s.elevation) best = s;
        };
        for (const Span& span : spans_) {
            consider(scan.at(span.start));
            consider(scan.at(span.end));
        }
        std::optional<std::size_t> bestPoint;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (inSpan(points[i].t) && best->elevation < points[i].elevation) {
                best = points[i];
                bestPoint = i;
            }
        }
        if (bestPoint && *bestPoint > 0 && *bestPoint + 1 < points.size()) {
            const State& low = points[*bestPoint - 1];
            GoldenSection search(
                low, points[*bestPoint + 1].t, [&](Date t) { return scan.at(t); },
                [](const State& s) { return s.elevation; });
            for (int i = 0; i < max_highest_steps && search.width() > highest_resolution; ++i) {
                for (const State& s : {search.inner1(), search.inner2()}) {
                    if (inSpan(s.t) && best->elevation < s.elevation) best = s;
                }
                search.narrow();
            }
        }
        part.highest = best->place();
    }
    visiblePart_ = part;
}

SkyLight PassVisibility::lightAt(SatelliteData& satellite, Date date,
                                 const VisibilityConditions& conditions) {
    Scan scan(satellite, conditions);
    return scan.light(scan.at(date));
}

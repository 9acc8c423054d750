#include "PassVisibility.h"

#include <algorithm>
#include <cmath>

#include "GoldenSection.h"
#include "OrbitBounds.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "Sightline.h"
#include "SunAndMoon.h"

namespace {

// The pass is looked at on its samples (a minute apart) and its highest point. Where the
// bounds on how fast each condition can change show that none changes before a later sample,
// the samples in between are passed over; so a condition that changes and changes back within
// a minute between two samples (a brush with the shadow's edge) is not seen, and nothing else
// is missed. Each change is narrowed to this many seconds.
constexpr double flip_resolution = 0.05;
constexpr int max_flip_steps = 60;
// The highest point of a visible stretch that lies between looks is narrowed to a second.
constexpr double highest_resolution = 1.0;
constexpr int max_highest_steps = 40;
// The Sun's elevation changes by at most 15 degrees an hour.
constexpr double sun_rate = 0.005;      // degrees a second
constexpr double observer_speed = 0.5;  // km/s, the Earth's turning at the equator and more
constexpr double degrees_per_radian = 57.29577951308232;

enum Condition { high, lit, dark, condition_count };

}  // namespace

// The predictions of one pass: the state at any instant, how long each condition surely holds
// its value, and the instant at which a condition changes between two states.
class PassVisibility::Scan {
public:
    Scan(SatelliteData& satellite, const VisibilityConditions& conditions)
        : satellite_(satellite),
          sight_(satellite),
          conditions_(conditions),
          observer_(satellite.appDelegate()->observer_geodetic()),
          bounds_(OrbitBounds::of(satellite.satelliteData())) {}

    State at(Date t) { return seenAt(t).state; }

    SkyLight lightAt(Date t) {
        const Seen seen = seenAt(t);
        return {seen.illumination, holds(lit, seen.state), holds(dark, seen.state)};
    }

    // Where the satellite stands at the state's instant, by a full prediction.
    PassCoordinate place(const State& s) {
        satellite_.predictLocationAt(s.t);
        return {static_cast<float>(satellite_.azimuth()),
                static_cast<float>(satellite_.elevation()),
                static_cast<float>(satellite_.altitude()), s.t};
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

    // Seconds from s during which no condition can change. The line of sight turns at most at
    // (speed + observer's speed) / range, which holds while the range has not shrunk by more
    // than the elevation's margin allows.
    double holdTime(const State& s) const {
        double hold = std::fabs(s.shadowMargin) / bounds_.shadowRate();
        hold = std::min(hold, std::fabs(s.sunElevation - conditions_.darknessElevation) / sun_rate);
        if (conditions_.minimumElevation > 0.0) {
            const double margin =
                std::fabs(s.elevation - conditions_.minimumElevation) / degrees_per_radian;
            hold = std::min(hold,
                            margin * s.range / ((bounds_.speed + observer_speed) * (1.0 + margin)));
        }
        return std::isfinite(hold) ? hold : 0.0;
    }

    // The state just after the condition changes between before and after, which disagree on it.
    // By regula falsi with the Illinois weighting on the condition's margin, which changes
    // smoothly: a few predictions where halving would take a dozen.
    State flip(Condition condition, State before, State after) {
        const bool from = holds(condition, before);
        double fa = margin(condition, before);
        double fb = margin(condition, after);
        int side = 0;
        for (int i = 0; i < max_flip_steps && after.t - before.t > flip_resolution; ++i) {
            const double span = after.t - before.t;
            double offset = span * fa / (fa - fb);
            if (!(offset > 0.0 && offset < span)) offset = span / 2.0;
            const State middle = at(before.t + offset);
            if (holds(condition, middle) == from) {
                before = middle;
                fa = margin(condition, middle);
                if (side == -1) fb /= 2.0;
                side = -1;
            } else {
                after = middle;
                fb = margin(condition, middle);
                if (side == 1) fa /= 2.0;
                side = 1;
            }
        }
        return after;
    }

    // How far the condition is from changing, positive while it holds.
    double margin(Condition condition, const State& s) const {
        switch (condition) {
            case high:
                return s.elevation - conditions_.minimumElevation;
            case lit:
                return s.shadowMargin;
            case dark:
                return conditions_.darknessElevation - s.sunElevation;
            case condition_count:
                break;
        }
        return 0.0;
    }

private:
    struct Seen {
        State state;
        Illumination illumination;
    };

    Seen seenAt(Date t) {
        const Sightline::Look look = sight_.at(t);
        const SunAndMoon::Sun sun = SunAndMoon::sunFor(observer_, t);
        const EarthShadow shadow(look.position, sun.position);
        return {{t, look.elevation, look.range, shadow.margin(), sun.elevation},
                shadow.illumination()};
    }

    SatelliteData& satellite_;
    Sightline sight_;  // for the looks and the narrowing
    VisibilityConditions conditions_;
    engine::geodetic_point_t observer_;
    OrbitBounds bounds_;
};

namespace {

struct Flip {
    SkySample after;  // just after the change
    Condition condition;
    bool becomes;
};

}  // namespace

std::optional<PassOutline> PassOutline::of(const PassData& pass) {
    const PassCoordinate* highest = pass.highestElevationEntry();
    if (!pass.aos() || !pass.los() || !highest || !highest->date) return std::nullopt;
    PassOutline outline{*pass.aos(), *pass.los(), *highest, {}, {}};
    for (std::int32_t i = 0; i < pass.passItemCount(); ++i) {
        if (const auto date = pass.passItemAtIndex(i).date) outline.lookingPoints.push_back(*date);
    }
    return outline;
}

PassVisibility::PassVisibility(SatelliteData& satellite, const PassData& pass,
                               const VisibilityConditions& conditions) {
    if (const std::optional<PassOutline> outline = PassOutline::of(pass)) {
        *this = PassVisibility(satellite, *outline, conditions);
    }
}

PassVisibility::PassVisibility(SatelliteData& satellite, const PassOutline& outline,
                               const VisibilityConditions& conditions) {
    Scan scan(satellite, conditions);
    // The looking points (in time order) with the highest point among them.
    std::vector<Date> points = outline.lookingPoints;
    const auto later = std::lower_bound(points.begin(), points.end(), *outline.highest.date);
    if (later == points.end() || *later != *outline.highest.date) {
        points.insert(later, *outline.highest.date);
    }

    // The state at a point of the walk: the sample made there when there is one.
    std::size_t known = 0;
    const auto stateAt = [&](Date t) {
        while (known < outline.samples.size() && outline.samples[known].t < t) ++known;
        if (known < outline.samples.size() && outline.samples[known].t == t) {
            return outline.samples[known];
        }
        return scan.at(t);
    };

    // Walk the points, passing over those that the hold time shows cannot differ.
    std::vector<Flip> flips;
    std::vector<State> looked{stateAt(points.front())};
    for (std::size_t i = 0; i + 1 < points.size();) {
        const State& from = looked.back();
        const Date reach = from.t + scan.holdTime(from);
        std::size_t next = i + 1;
        while (next + 1 < points.size() && !(reach < points[next + 1])) ++next;
        const State to = stateAt(points[next]);
        for (const Condition c : {high, lit, dark}) {
            if (scan.holds(c, from) == scan.holds(c, to)) continue;
            const State after = scan.flip(c, from, to);
            flips.push_back({after, c, scan.holds(c, to)});
            if (c == lit) crossings_.push_back({after.t, !scan.holds(lit, to), scan.place(after)});
        }
        looked.push_back(to);
        i = next;
    }
    std::stable_sort(flips.begin(), flips.end(),
                     [](const Flip& a, const Flip& b) { return a.after.t < b.after.t; });
    std::sort(crossings_.begin(), crossings_.end(),
              [](const ShadowCrossing& a, const ShadowCrossing& b) { return a.date < b.date; });

    bool holding[condition_count] = {scan.holds(high, looked.front()),
                                     scan.holds(lit, looked.front()),
                                     scan.holds(dark, looked.front())};
    bool open = scan.visible(looked.front());
    // The stretches, with the states at their ends.
    std::vector<State> ends;
    State opened = looked.front();
    for (const Flip& flip : flips) {
        holding[flip.condition] = flip.becomes;
        const bool visible = holding[high] && holding[lit] && holding[dark];
        if (visible && !open) opened = flip.after;
        if (!visible && open && opened.t < flip.after.t) {
            spans_.push_back({opened.t, flip.after.t});
            ends.insert(ends.end(), {opened, flip.after});
        }
        open = visible;
    }
    if (open && opened.t < looked.back().t) {
        spans_.push_back({opened.t, looked.back().t});
        ends.insert(ends.end(), {opened, looked.back()});
    }
    if (spans_.empty()) return;

    // The highest point while visible: the pass's own when it lies in a stretch, else the
    // highest of the stretches' ends and the points looked at within them, narrowed between
    // its neighbours when it is not an end.
    VisiblePart part{spans_.front().start, spans_.back().end, {}};
    const auto inSpan = [&](Date t) {
        return std::any_of(spans_.begin(), spans_.end(),
                           [&](const Span& s) { return !(t < s.start) && !(s.end < t); });
    };
    if (inSpan(*outline.highest.date)) {
        part.highest = outline.highest;
    } else {
        std::optional<State> best;
        for (const State& s : ends) {
            if (!best || best->elevation < s.elevation) best = s;
        }
        std::optional<std::size_t> bestLooked;
        for (std::size_t i = 0; i < looked.size(); ++i) {
            if (inSpan(looked[i].t) && best->elevation < looked[i].elevation) {
                best = looked[i];
                bestLooked = i;
            }
        }
        if (bestLooked && *bestLooked > 0 && *bestLooked + 1 < looked.size()) {
            GoldenSection search(
                looked[*bestLooked - 1], looked[*bestLooked + 1].t,
                [&](Date t) { return scan.at(t); }, [](const State& s) { return s.elevation; });
            for (int i = 0; i < max_highest_steps && search.width() > highest_resolution; ++i) {
                for (const State& s : {search.inner1(), search.inner2()}) {
                    if (inSpan(s.t) && best->elevation < s.elevation) best = s;
                }
                search.narrow();
            }
        }
        part.highest = scan.place(*best);
    }
    visiblePart_ = part;
}

SkyLight PassVisibility::lightAt(SatelliteData& satellite, Date date,
                                 const VisibilityConditions& conditions) {
    Scan scan(satellite, conditions);
    return scan.lightAt(date);
}

std::vector<SkyLight> PassVisibility::sampleLights(SatelliteData& satellite, const PassData& pass,
                                                   const VisibilityConditions& conditions) {
    Scan scan(satellite, conditions);
    const Date now = satellite.appDelegate()->now();
    std::vector<SkyLight> lights;
    for (std::int32_t i = 0; i < pass.passItemCount(); ++i) {
        lights.push_back(scan.lightAt(pass.passItemAtIndex(i).date.value_or(now)));
    }
    return lights;
}

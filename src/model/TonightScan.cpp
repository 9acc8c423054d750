#include "TonightScan.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>

#include "EarthShadow.h"
#include "OrbitBounds.h"
#include "SatelliteData.h"
#include "SettingsStore.h"
#include "SkyReach.h"
#include "SunAndMoon.h"
#include "TrackedPasses.h"
#include "batch.h"
#include "constants.h"
#include "sidereal_time.h"
#include "vector_math.h"

namespace {

using engine::constants::xkmper;

// The catalogue is scanned at common instants this far apart, in chunks of satellites shared
// out among the threads.
constexpr double scan_step = 60.0;  // seconds
constexpr std::size_t chunk_size = 256;
// A pass under way at the night's end is followed to its set for at most this long after.
constexpr double longest_tail = 2.0 * 86400.0;  // seconds
// A satellite up when it is first followed is looked at back to before its rise, for at most
// two days; one up for longer is looked at again every ten minutes until it sets.
constexpr double longest_look_back = 2.0 * 86400.0;  // seconds
constexpr double recheck_step = 600.0;               // seconds
constexpr double earth_turn = 7.292115E-5;           // rad/s
// The orbit's plane turns by the oblateness's precession (below 10 degrees a day) and the
// lunar-solar terms, slower than this; the osculating plane wobbles about the mean one by well
// under this angle.
constexpr double plane_turn = 1.0E-5;                        // rad/s
constexpr double plane_wobble = 0.5 * 0.017453292519943295;  // radians
// Seen from the satellite the Sun stands up to r / D from where it stands seen from the
// Earth's centre (0.02 degrees at 40 000 km).
constexpr double sun_parallax = 0.1 * 0.017453292519943295;
// While following, the line of sight may turn this far between looks.
constexpr double following_turn = 2.0 * 0.017453292519943295;
constexpr double max_following_steps = 30.0;
constexpr double degrees_per_radian = 57.29577951308232;
constexpr double observer_speed = 0.5;  // km/s

struct Vector {
    double x, y, z;
};

double angleBetween(const Vector& a, const Vector& b) {
    const Vector cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(std::sqrt(cross.x * cross.x + cross.y * cross.y + cross.z * cross.z),
                      a.x * b.x + a.y * b.y + a.z * b.z);
}

Vector of(const engine::vector4_t& v) { return {v.x, v.y, v.z}; }

// What the scan needs of the night and the observer, shared read-only by the threads.
struct Sky {
    Sky(const TonightOptions& chosen, Date from, Date to)
        : options(chosen),
          start(from),
          end(to),
          reach(chosen.observer, chosen.minimumElevation, from, to),
          horizon(chosen.observer, 0.0, from, from),
          conditions{chosen.darknessElevation, static_cast<double>(chosen.minimumElevation)},
          steps(static_cast<std::size_t>(std::ceil((to - from + longest_tail) / scan_step))) {
        settings.setObserver_geodetic(chosen.observer);
        const Date now = chosen.from;
        settings.setClock([now] { return now; });
        for (std::size_t k = 0; k <= steps; ++k) {
            suns.push_back(SunAndMoon::sunFor(chosen.observer, at(static_cast<std::ptrdiff_t>(k))));
        }
    }

    // The common instant k steps from the start (before it for k below 0).
    Date at(std::ptrdiff_t k) const { return start + scan_step * static_cast<double>(k); }

    // The Sun at the common instant k steps from the start.
    SunAndMoon::Sun sunAt(std::ptrdiff_t k) const {
        if (k >= 0 && k < std::ssize(suns)) return suns[static_cast<std::size_t>(k)];
        return SunAndMoon::sunFor(options.observer, at(k));
    }

    const TonightOptions& options;
    Date start;
    Date end;
    SkyReach reach;    // the sky above the minimum elevation, sunlit through the night
    SkyReach horizon;  // the sky above the horizon
    VisibilityConditions conditions;
    SettingsStore settings;  // the observer and a clock held at from, for the predictions
    std::size_t steps;       // the common instants of the scan: 0 to steps
    // The Sun at each common instant, the same for every satellite.
    std::vector<SunAndMoon::Sun> suns;
};

// One satellite in the scan: its own copy of the record for the batches, its bounds, the
// stretches of the night in which it may be seen, and, while it is followed through an
// approach, the samples taken.
struct Candidate {
    const TonightSatellite* satellite = nullptr;
    engine::sat_record_t record{};
    OrbitBounds bounds{};
    // The angles of the caps of sky above the minimum elevation and above the horizon (radians,
    // as SkyReach::capAngle) at the apogee.
    double reachCap = 0.0;
    double horizonCap = 0.0;
    std::vector<SkyReach::Window> windows;
    std::size_t window = 0;
    bool following = false;
    // Up since before the look-back reaches, as a satellite that never sets: no rise to find,
    // so no pass, until it sets.
    bool upWithoutRise = false;
    std::vector<SkySample> samples;
    std::unique_ptr<SatelliteData> predicted;  // for single predictions, made when first needed
};

class ChunkScan {
public:
    ChunkScan(const Sky& sky, TonightList& out) : sky_(sky), out_(out) {}

    void run(std::vector<Candidate>& candidates) {
        const std::size_t steps = sky_.steps;
        std::vector<std::vector<std::size_t>> due(steps + 1);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            due[stepAtOrBefore(candidates[i].windows.front().start)].push_back(i);
        }
        std::vector<engine::sat_record_t*> records;
        std::vector<engine::look_angles_t> looks;
        for (std::size_t k = 0; k <= steps; ++k) {
            if (due[k].empty()) continue;
            const Date t = sky_.at(static_cast<std::ptrdiff_t>(k));
            records.clear();
            for (const std::size_t i : due[k]) records.push_back(&candidates[i].record);
            looks.resize(records.size());
            engine::Propagate_Batch(t.julianDate(), sky_.reach.site(), records.data(),
                                    records.size(), looks.data());
            const engine::observer_frame_t frame =
                engine::Observer_Frame(engine::ThetaG_JD(t.julianDate()), sky_.reach.site());
            for (std::size_t n = 0; n < due[k].size(); ++n) {
                Candidate& c = candidates[due[k][n]];
                const std::optional<Date> next =
                    look(c, static_cast<std::ptrdiff_t>(k), looks[n], of(frame.pos));
                if (!next) continue;
                const std::size_t step = std::max(stepAtOrBefore(*next), k + 1);
                if (step <= steps) {
                    due[step].push_back(due[k][n]);
                } else if (c.following) {
                    finish(c);  // followed as far as the scan goes
                }
            }
            std::vector<std::size_t>().swap(due[k]);
        }
    }

private:
    std::size_t stepAtOrBefore(Date t) const {
        return static_cast<std::size_t>(std::max(0.0, std::floor((t - sky_.start) / scan_step)));
    }

    // Looks at the satellite as the batch left it at the common instant k; gives when to look
    // next, none when its night is over.
    std::optional<Date> look(Candidate& c, std::ptrdiff_t k, const engine::look_angles_t& seen,
                             const Vector& observer) {
        const Date t = sky_.at(k);
        const SunAndMoon::Sun& sun = sky_.suns[static_cast<std::size_t>(k)];
        const Vector p = of(c.record.pos);
        const double elevation = engine::Degrees(seen.el);
        if (c.upWithoutRise) {
            if (!(elevation < 0.0)) return scheduled(c, t + recheck_step);
            c.upWithoutRise = false;
        }
        const auto sample = [&] {
            return SkySample{t, elevation, seen.range,
                             EarthShadow(c.record.pos, sun.position).margin(), sun.elevation};
        };
        if (c.following) {
            c.samples.push_back(sample());
            const bool over =
                elevation < 0.0 && (timeToCap(c, p, observer, c.horizonCap) >= scan_step ||
                                    !(t < sky_.end) || !(t < c.windows[c.window].end));
            if (!over) return t + followingStep(c, elevation, seen.range);
            finish(c);
            return scheduled(c, t + scan_step);
        }
        const double clearance = std::max({timeToPlane(c, p, of(c.record.vel), observer),
                                           timeToCap(c, p, observer, c.reachCap),
                                           timeToSunlight(c, p, of(sun.position))});
        if (clearance >= scan_step) {
            return scheduled(c, t + scan_step * std::floor(clearance / scan_step));
        }
        ++out_.counts.near;
        if (follow(c, k, sample())) return t + followingStep(c, elevation, seen.range);
        return scheduled(c, t + recheck_step);
    }

    // While following, a satellite is looked at every scan step, or less often while its line
    // of sight turns slowly: a few degrees between looks, or, high in the sky, half the time it
    // needs at least to sink to the horizon; at most every half hour.
    double followingStep(const Candidate& c, double elevation, double range) const {
        const double rate = (c.bounds.speed + observer_speed) / std::max(range, 1.0);  // rad/s
        const double step = std::max(following_turn, elevation / degrees_per_radian / 2.0) / rate;
        return scan_step * std::clamp(std::floor(step / scan_step), 1.0, max_following_steps);
    }

    // The next look from t on within the satellite's windows; none when they are over.
    std::optional<Date> scheduled(Candidate& c, Date t) const {
        while (c.window < c.windows.size() && !(t < c.windows[c.window].end)) ++c.window;
        if (c.window == c.windows.size()) return std::nullopt;
        return std::max(t, c.windows[c.window].start);
    }

    // Seconds the satellite needs, at least, to turn into a cap of sky of the angle: its angle
    // from the observer's zenith beyond the cap's, at the fastest its direction and the observer
    // turn.
    double timeToCap(const Candidate& c, const Vector& p, const Vector& observer,
                     double capAngle) const {
        const double beyond = angleBetween(p, observer) - capAngle;
        const double time = beyond / (c.bounds.angularRate + earth_turn);
        return std::isfinite(time) ? std::max(time, 0.0) : 0.0;
    }

    // Seconds the observer needs, at least, to come near enough to the orbit's plane to see the
    // satellite: the satellite stays in its plane, which the Earth turns the observer's zenith
    // past at most at the Earth's rate (the plane's own slow turning and the short-period
    // wobble of the osculating plane are allowed for).
    double timeToPlane(const Candidate& c, const Vector& p, const Vector& v,
                       const Vector& observer) const {
        const Vector normal{p.y * v.z - p.z * v.y, p.z * v.x - p.x * v.z, p.x * v.y - p.y * v.x};
        const double fromPlane = std::fabs(std::numbers::pi / 2.0 - angleBetween(normal, observer));
        const double beyond = fromPlane - plane_wobble - c.reachCap;
        const double time = beyond / (earth_turn + plane_turn);
        return std::isfinite(time) ? std::max(time, 0.0) : 0.0;
    }

    // Seconds it needs, at least, to leave the shadow's centre cone.
    double timeToSunlight(const Candidate& c, const Vector& p, const Vector& sun) const {
        const double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
        const double hidden = std::asin(std::min(1.0, xkmper / r)) + sun_parallax -
                              angleBetween(p, {-sun.x, -sun.y, -sun.z});
        const double time = hidden / c.bounds.shadowRate();
        return std::isfinite(time) ? std::max(time, 0.0) : 0.0;
    }

    SatelliteData& predicted(Candidate& c) const {
        if (!c.predicted) {
            c.predicted = std::make_unique<SatelliteData>(&sky_.settings);
            c.predicted->setSatelliteData(c.satellite->record);
            c.predicted->setCommonName(c.satellite->name);
            c.predicted->setCatalogNumber(c.satellite->catalogNumber);
        }
        return *c.predicted;
    }

    // Starts following the satellite from its sample at the common instant k; when it is up
    // then, from before its rise, looked at back at the common instants in the steps it is
    // followed in, so that the pass is sampled alike throughout. False when it has been up for
    // longer than the look-back.
    bool follow(Candidate& c, std::ptrdiff_t k, const SkySample& s) {
        c.samples.clear();
        if (s.elevation >= 0.0) {
            TrackedPasses passes(predicted(c), sky_.conditions);
            std::vector<SkySample> before{s};
            while (!(before.back().elevation < 0.0)) {
                const SkySample& latest = before.back();
                k -= std::lround(followingStep(c, latest.elevation, latest.range) / scan_step);
                if (s.t - sky_.at(k) > longest_look_back) {
                    c.upWithoutRise = true;
                    return false;
                }
                before.push_back(passes.sampleAt(sky_.at(k), sky_.sunAt(k)));
            }
            c.samples.assign(before.rbegin(), std::prev(before.rend()));
        }
        c.samples.push_back(s);
        c.following = true;
        return true;
    }

    // The approach is over: its passes that may be seen are worked out and listed when they
    // can be seen in the night.
    void finish(Candidate& c) {
        c.following = false;
        TrackedPasses passes(predicted(c), sky_.conditions);
        for (const PassOutline& pass : passes.mayBeSeen(std::move(c.samples))) {
            ++out_.counts.passes;
            if (pass.highest.elevation < static_cast<float>(sky_.options.minimumElevation)) {
                continue;
            }
            const PassVisibility visibility(predicted(c), pass, sky_.conditions);
            const std::optional<VisiblePart> part = visibility.visiblePart();
            if (!part || !(sky_.start < part->end) || !(part->start < sky_.end)) continue;
            SatelliteData& satellite = predicted(c);
            satellite.predictLocationAt(pass.aos);
            const auto aosAzimuth = static_cast<float>(satellite.azimuth());
            satellite.predictLocationAt(pass.los);
            out_.passes.push_back({c.satellite->name, c.satellite->category,
                                   c.satellite->catalogNumber, pass.aos, pass.los, aosAzimuth,
                                   static_cast<float>(satellite.azimuth()), pass.highest, *part});
        }
        c.samples.clear();
    }

    const Sky& sky_;
    TonightList& out_;
};

}  // namespace

TonightList scanTonight(const std::vector<TonightSatellite>& catalogue,
                        const TonightOptions& options) {
    TonightList list;
    list.counts.satellites = catalogue.size();
    list.night = nightAt(options.observer, options.from, options.darknessElevation);
    if (!list.night) return list;
    const Date start = std::max(options.from, list.night->dusk);
    if (!(start < list.night->dawn)) return list;
    const Sky sky(options, start, list.night->dawn);

    std::atomic<std::size_t> nextChunk{0};
    std::mutex merge;
    const auto work = [&] {
        TonightList mine;
        for (std::size_t first = nextChunk.fetch_add(chunk_size); first < catalogue.size();
             first = nextChunk.fetch_add(chunk_size)) {
            std::vector<Candidate> candidates;
            for (std::size_t i = first; i < std::min(first + chunk_size, catalogue.size()); ++i) {
                const TonightSatellite& satellite = catalogue[i];
                const std::int32_t type = satellite.record.otype;
                if (type == engine::orbit_geostationary || type == engine::orbit_decayed) continue;
                const OrbitBounds bounds = OrbitBounds::of(satellite.record);
                if (!sky.horizon.reaches(satellite.record.tle.xincl, bounds.apogeeRadius)) continue;
                ++mine.counts.reaching;
                std::vector<SkyReach::Window> windows =
                    sky.reach.sunlitWindows(bounds.apogeeRadius);
                if (windows.empty()) continue;
                ++mine.counts.sunlit;
                Candidate& candidate = candidates.emplace_back();
                candidate.satellite = &satellite;
                candidate.record = satellite.record;
                candidate.bounds = bounds;
                candidate.reachCap = sky.reach.capAngle(bounds.apogeeRadius);
                candidate.horizonCap = sky.horizon.capAngle(bounds.apogeeRadius);
                candidate.windows = std::move(windows);
            }
            ChunkScan(sky, mine).run(candidates);
        }
        const std::lock_guard lock(merge);
        list.passes.insert(list.passes.end(), mine.passes.begin(), mine.passes.end());
        list.counts.reaching += mine.counts.reaching;
        list.counts.sunlit += mine.counts.sunlit;
        list.counts.near += mine.counts.near;
        list.counts.passes += mine.counts.passes;
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < std::max(options.threads, 1); ++i) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();

    std::sort(list.passes.begin(), list.passes.end(),
              [](const TonightPass& a, const TonightPass& b) {
                  if (a.visible.start != b.visible.start) return a.visible.start < b.visible.start;
                  return a.catalogNumber != b.catalogNumber ? a.catalogNumber < b.catalogNumber
                                                            : a.name < b.name;
              });
    return list;
}

// Passes against a brute-force reference written here: a uniform scan of the elevation whose
// sign changes are bisected to a millisecond, and whose peaks near the horizon are looked into,
// on every bundled orbit kind from a northern and a southern observer, and on variants of a
// Molniya-type orbit.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "PassData.h"
#include "element_lines.h"
#include "sample_sky.h"

using namespace sample;

namespace {

// How the passes are judged against the reference: rise and set times (seconds) by median,
// 95th percentile and worst; the highest point (degrees and seconds) for 95% of passes and at
// worst. A pass culminating below the search's elevation tolerance may be found or not.
constexpr double median_event_s = 2.0;
constexpr double p95_event_s = 10.0;
constexpr double worst_event_s = 60.0;
constexpr double highest_deg = 0.1;
constexpr double highest_s = 5.0;
constexpr double worst_highest_deg = 1.0;
constexpr double elevation_tolerance = 0.05;
// Near a Molniya orbit's apogee the elevation changes by less than 1e-4 degrees in half a
// minute, no more than the model's lunar-solar terms move when they are recomputed (every 30
// minutes of model time): the time of such a highest point is judged to a minute.
constexpr double flat_highest_s = 60.0;

constexpr double two_days = 2 * 86400.0;
const Date scan_start = epoch - 12 * 3600.0;  // 2026-12-06T00:00:00Z

struct Pass {
    Date rise, set;
    double highest;
    Date highestAt;
};

double elevationAt(SatelliteData& satellite, Date t) {
    satellite.predictLocationAt(t);
    return satellite.elevation();
}

// The instant where the elevation changes sign between a and b, to a millisecond.
Date bisect(SatelliteData& satellite, Date a, Date b) {
    const bool upAtA = elevationAt(satellite, a) > 0.0;
    while (b - a > 0.001) {
        const Date mid = a + (b - a) / 2.0;
        if ((elevationAt(satellite, mid) > 0.0) == upAtA) {
            a = mid;
        } else {
            b = mid;
        }
    }
    return a + (b - a) / 2.0;
}

// The highest elevation between a and b around a single peak, to a millisecond.
std::pair<Date, double> peak(SatelliteData& satellite, Date a, Date b) {
    while (b - a > 0.001) {
        const Date m1 = a + (b - a) / 3.0;
        const Date m2 = b - (b - a) / 3.0;
        if (elevationAt(satellite, m1) < elevationAt(satellite, m2)) {
            a = m1;
        } else {
            b = m2;
        }
    }
    return {a, elevationAt(satellite, a)};
}

// Every pass that rises and sets within the window, by a scan of step seconds.
std::vector<Pass> referencePasses(SatelliteData& satellite, Date start, Date end, double step) {
    std::vector<Date> crossings;
    std::vector<double> el;
    std::vector<Date> at;
    for (Date t = start; t < end; t = t + step) {
        at.push_back(t);
        el.push_back(elevationAt(satellite, t));
    }
    for (std::size_t i = 1; i < at.size(); ++i) {
        if ((el[i - 1] > 0.0) != (el[i] > 0.0)) {
            crossings.push_back(bisect(satellite, at[i - 1], at[i]));
        } else if (i + 1 < at.size() && std::fabs(el[i]) < 1.0 &&
                   (el[i] >= el[i - 1]) == (el[i] >= el[i + 1])) {
            // A peak or trough near the horizon may hide a short pass or dip between samples.
            const bool isPeak = el[i] >= el[i - 1];
            const Date a = at[i - 1];
            const Date b = at[i + 1];
            auto [t, value] = peak(satellite, a, b);
            if (!isPeak) {
                // A trough: the peak of the negated elevation.
                Date lo = a, hi = b;
                while (hi - lo > 0.001) {
                    const Date m1 = lo + (hi - lo) / 3.0;
                    const Date m2 = hi - (hi - lo) / 3.0;
                    if (elevationAt(satellite, m1) > elevationAt(satellite, m2)) {
                        lo = m1;
                    } else {
                        hi = m2;
                    }
                }
                t = lo;
                value = elevationAt(satellite, lo);
            }
            if ((value > 0.0) != (el[i] > 0.0) && t > at[i - 1] && t < at[i + 1]) {
                crossings.push_back(bisect(satellite, at[i - 1], t));
                crossings.push_back(bisect(satellite, t, at[i + 1]));
            }
        }
    }
    std::sort(crossings.begin(), crossings.end());
    std::vector<Pass> passes;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        const Date mid = crossings[i] + (crossings[i + 1] - crossings[i]) / 2.0;
        if (elevationAt(satellite, mid) <= 0.0) continue;
        // The highest point: the best of the scan's samples, then a fine search around it.
        Date best = crossings[i];
        double bestEl = -90.0;
        for (Date t = crossings[i]; t < crossings[i + 1]; t = t + step) {
            const double e = elevationAt(satellite, t);
            if (e > bestEl) {
                bestEl = e;
                best = t;
            }
        }
        const auto [t, e] = peak(satellite, std::max(crossings[i], best - step),
                                 std::min(crossings[i + 1], best + step));
        passes.push_back({crossings[i], crossings[i + 1], e, t});
        ++i;
    }
    return passes;
}

// The passes listed one after another from start, as the details screen and the command line
// list them, that rise before end.
std::vector<Pass> listedPasses(SatelliteData& satellite, Date start, Date end) {
    std::vector<Pass> passes;
    for (Date from = start;;) {
        const PassData pass(satellite, from);
        if (!pass.aos() || !pass.los() || !(*pass.aos() < end)) break;
        const PassCoordinate& top = *pass.highestElevationEntry();
        passes.push_back({*pass.aos(), *pass.los(), top.elevation, *top.date});
        from = *pass.los();
    }
    return passes;
}

struct Errors {
    explicit Errors(double highestSeconds = highest_s) : highestTime(highestSeconds) {}
    double highestTime;
    std::vector<double> events, highestDeg, highestS;
    int missed = 0, spurious = 0, found = 0;

    void compare(SatelliteData& satellite, Date start, Date end, double step,
                 const std::string& what) {
        const std::vector<Pass> reference = referencePasses(satellite, start, end, step);
        const std::vector<Pass> listed = listedPasses(satellite, start, end);
        found += static_cast<int>(listed.size());
        for (const Pass& r : reference) {
            const auto match = std::find_if(listed.begin(), listed.end(), [&](const Pass& p) {
                return p.rise < r.set && r.rise < p.set;
            });
            if (match == listed.end()) {
                if (r.highest > elevation_tolerance) {
                    ++missed;
                    ADD_FAILURE() << what << ": pass missed, rising "
                                  << r.rise.toQDateTime().toString(Qt::ISODate).toStdString()
                                  << " culminating at " << r.highest;
                }
                continue;
            }
            events.push_back(std::fabs(match->rise - r.rise));
            events.push_back(std::fabs(match->set - r.set));
            highestDeg.push_back(std::fabs(match->highest - r.highest));
            highestS.push_back(std::fabs(match->highestAt - r.highestAt));
            EXPECT_LT(std::fabs(match->rise - r.rise), worst_event_s) << what;
            EXPECT_LT(std::fabs(match->set - r.set), worst_event_s) << what;
            EXPECT_LT(std::fabs(match->highest - r.highest), worst_highest_deg) << what;
        }
        for (const Pass& p : listed) {
            // A pass that rises and sets within the window must be one of the reference's.
            if (!(p.set < end)) continue;
            const bool real = std::any_of(reference.begin(), reference.end(), [&](const Pass& r) {
                return p.rise < r.set && r.rise < p.set;
            });
            if (!real && p.highest > elevation_tolerance) {
                ++spurious;
                ADD_FAILURE() << what << ": no such pass, rising "
                              << p.rise.toQDateTime().toString(Qt::ISODate).toStdString();
            }
        }
    }

    static double quantile(std::vector<double> values, double q) {
        std::sort(values.begin(), values.end());
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
    }

    void expectWithinTolerances() const {
        ASSERT_FALSE(events.empty());
        EXPECT_LE(quantile(events, 0.5), median_event_s);
        EXPECT_LE(quantile(events, 0.95), p95_event_s);
        std::vector<double> highestScore;
        for (std::size_t i = 0; i < highestDeg.size(); ++i) {
            highestScore.push_back(
                highestDeg[i] <= highest_deg && highestS[i] <= highestTime ? 0.0 : 1.0);
        }
        EXPECT_LE(quantile(highestScore, 0.95), 0.0) << "highest points off for over 5%";
    }
};

std::vector<Lines> bundledSets() {
    static std::vector<QByteArray> storage;
    std::vector<Lines> sets;
    for (const char* name : {"sample-leo", "sample-nav", "sample-geo", "sample-heo"}) {
        QFile file(QStringLiteral(SKELVOR_SAMPLES "/%1.txt").arg(QLatin1String(name)));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (qsizetype i = 0; i + 2 < lines.size(); i += 3) {
            for (int k = 0; k < 3; ++k) storage.push_back(lines[i + k].trimmed());
        }
    }
    for (std::size_t i = 0; i + 2 < storage.size(); i += 3) {
        sets.push_back(
            {storage[i].constData(), storage[i + 1].constData(), storage[i + 2].constData()});
    }
    return sets;
}

// A scan step that no pass of the orbit can hide in: a thousandth of the period, at least 5 s.
double scanStep(const SatelliteData& satellite) {
    return std::max(5.0, 86.4 / satellite.satelliteData().meanmo);
}

}  // namespace

TEST(PassReference, EveryBundledOrbitKindFromTheNorthAndTheSouth) {
    const std::vector<Lines> sets = bundledSets();
    ASSERT_EQ(sets.size(), 21u);
    Errors errors;
    for (const auto& [latitude, longitude] : {std::pair{52.0, -1.5}, std::pair{-33.9, 151.2}}) {
        Sky sky(latitude, longitude);
        for (const Lines& lines : sets) {
            const auto satellite = sky.make(lines);
            ASSERT_TRUE(satellite) << lines.name;
            errors.compare(*satellite, scan_start, scan_start + two_days, scanStep(*satellite),
                           std::string(lines.name) + " at " + std::to_string(latitude));
        }
    }
    EXPECT_EQ(errors.missed + errors.spurious, 0);
    errors.expectWithinTolerances();
}

TEST(PassReference, MolniyaTypeOrbitsOfEveryNodeAndPhase) {
    Sky sky(51.5, -0.1);
    const QString l1 = fixture::line1("26340.50000000", " .00000000", " 00000-0", " 00000-0");
    Errors errors(flat_highest_s);
    for (int node = 0; node < 360; node += 45) {
        for (int anomaly = 0; anomaly < 360; anomaly += 60) {
            const auto satellite = fixture::make(
                sky.appDelegate, l1, fixture::line2(63.4, node, "7000000", 270.0, anomaly, 2.006));
            ASSERT_TRUE(satellite);
            errors.compare(*satellite, scan_start, scan_start + two_days, scanStep(*satellite),
                           "node " + std::to_string(node) + " anomaly " + std::to_string(anomaly));
        }
    }
    EXPECT_GT(errors.found, 48 * 3);
    EXPECT_EQ(errors.missed + errors.spurious, 0);
    errors.expectWithinTolerances();
}

// The model against independent reference states of the revised model on orbits the published
// cases do not cover: synchronous and 12-hour resonance, eccentricities of 0.9728 and 0.995
// (where Kepler's equation needs limited steps) and inclinations at 180 degrees (the
// long-period coefficient's singular factor).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "element_record.h"
#include "propagators.h"
#include "vector_math.h"

using namespace engine;
using engine::fixture::Elements;

namespace {

// Judged as the two models are known to differ: within a day of the epoch, near-Earth states
// agree within a kilometre; deep-space states within 20 km (the revised model's deep-space
// periodics and resonance integration differ in detail from the original model's).
constexpr double near_earth_km = 1.0;
constexpr double deep_space_km = 20.0;
// At exactly 180 degrees the stored degree constant leaves the inclination 3.6e-9 rad short of
// pi, where the revised model has pi itself: the guarded factor then gives a long-period term
// of about 2.8 x eccentricity x cos(perigee argument) radians here and none there. With the
// perigee argument at 90 degrees it grows only as the perigee turns, to a few km in a day.
constexpr double exactly_180_km = 10.0;
constexpr int exactly_180_set = 90007;

double field(const std::string& line, int first, int last) {
    return std::stod(line.substr(first - 1, last - first + 1));
}

// The fields of an element set written in its fixed columns (no drag term in these sets).
Elements elementsOf(const std::string& line1, const std::string& line2) {
    Elements e;
    e.epoch = field(line1, 19, 32);
    e.bstar = 0.0;
    e.inclination = field(line2, 9, 16);
    e.node = field(line2, 18, 25);
    e.eccentricity = std::stod("0." + line2.substr(26, 7));
    e.perigee = field(line2, 35, 42);
    e.anomaly = field(line2, 44, 51);
    e.meanMotion = field(line2, 53, 63);
    return e;
}

struct Reference {
    std::map<int, Elements> sets;
    struct Row {
        int set;
        double tsince;
        vector4_t pos, vel;
    };
    std::vector<Row> rows;
};

Reference readReference() {
    Reference reference;
    std::ifstream file(SKELVOR_TEST_DATA "/revised_model_states.csv");
    std::string pending;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("# 1 ", 0) == 0) pending = line.substr(2);
        if (line.rfind("# 2 ", 0) == 0) {
            reference.sets[std::stoi(line.substr(4, 5))] = elementsOf(pending, line.substr(2));
        }
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::vector<double> v;
        for (std::string cell; std::getline(in, cell, ',');) v.push_back(std::stod(cell));
        if (v.size() != 8) continue;
        reference.rows.push_back(
            {static_cast<int>(v[0]), v[1], {v[2], v[3], v[4], 0.0}, {v[5], v[6], v[7], 0.0}});
    }
    return reference;
}

sat_record_t recordOf(const Elements& e) {
    sat_record_t sat = fixture::makeRecord(e);
    if (isDeepSpace(sat.tle)) sat.flags |= FLAG_DEEP_SPACE;
    return sat;
}

vector4_t positionAt(const Elements& e, double tsince) {
    sat_record_t sat = recordOf(e);
    propagate(sat, tsince);
    Convert_Sat_State(sat.pos, sat.vel);
    return sat.pos;
}

double distance(const vector4_t& a, const vector4_t& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

}  // namespace

TEST(RevisedModel, StatesAgreeWithinTheModelsKnownDifferences) {
    const Reference reference = readReference();
    ASSERT_EQ(reference.sets.size(), 7u);
    ASSERT_GE(reference.rows.size(), 60u);
    for (const auto& row : reference.rows) {
        const Elements& e = reference.sets.at(row.set);
        sat_record_t sat = recordOf(e);
        propagate(sat, row.tsince);
        Convert_Sat_State(sat.pos, sat.vel);
        const bool deep = (sat.flags & FLAG_DEEP_SPACE) != 0;
        const double tolerance = row.set == exactly_180_set ? exactly_180_km
                                 : deep                     ? deep_space_km
                                                            : near_earth_km;
        EXPECT_LT(distance(sat.pos, row.pos), tolerance)
            << row.set << " at " << row.tsince << " min";
    }
}

TEST(RevisedModel, InclinationOf180DegreesIsFiniteAndContinuous) {
    Elements e;
    e.eccentricity = 0.001;
    e.inclination = 180.0;
    sat_record_t sat = recordOf(e);
    vector4_t previous{};
    for (double t = 0.0; t <= 1440.0; t += 1.0) {
        propagate(sat, t);
        Convert_Sat_State(sat.pos, sat.vel);
        ASSERT_TRUE(std::isfinite(sat.pos.w) && std::isfinite(sat.vel.w)) << t;
        // A minute moves a low satellite by about 460 km.
        if (t > 0.0) {
            EXPECT_LT(distance(sat.pos, previous), 480.0) << t;
        }
        previous = sat.pos;
    }
    // With the perigee argument at 90 degrees the singular long-period term vanishes at the
    // epoch, and nearby inclinations give nearby positions: a thousandth of a degree moves the
    // satellite by about 0.12 km.
    const vector4_t at180 = positionAt(e, 0.0);
    for (const double nearly : {179.999, 179.9999}) {
        e.inclination = nearly;
        EXPECT_LT(distance(positionAt(e, 0.0), at180), 0.2) << nearly;
    }
}

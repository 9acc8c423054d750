// Cost of one prediction: a full predictLocationAt (propagation, conversion, look angles,
// sub-satellite point, footprint, revolution number) for a low, a 12-hour resonant eccentric
// and a geostationary orbit, the bare SGP4 and SDP4 calls, and the parts of the observer
// geometry one by one. Each iteration moves the instant forward by a minute, as the screens do,
// and starts again after ten days, the span over which element sets are used.
//
// Where the time of a low-orbit prediction goes (this 2-core machine, shared, median CPU time
// of 15 repetitions; perf shows the same shares): 335 ns in all, of which SGP4 165, the
// observer frame (sidereal angle and the turned site) 35, look angles 25 beyond the frame (two
// arctangents), the sub-satellite point 60 (two arctangents and the fixed-point iteration of the
// latitude, a square root and a division a step) and the rest (conversion, degrees, footprint,
// revolution number) about 50. The library's sines, cosines and arctangents are 40 % of it.
// Before the observer's site was kept and nearby angles were turned (SGP4 kept sin u, cos u,
// sin i and the Kepler estimates apart from the library), the same build took 455 ns, of which
// SGP4 240.
#include <benchmark/benchmark.h>

#include <vector>

#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "observer.h"
#include "propagators.h"
#include "sidereal_time.h"
#include "vector_math.h"

namespace {

struct Orbit {
    const char* name;
    const char* line1;
    const char* line2;
};

const Orbit low{"SAMPLE STATION",
                "1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998",
                "2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019"};
const Orbit molniya{"SAMPLE MOLNIYA",
                    "1 99301U 11030A   26340.50000000  .00000000  00000-0  00000-0 0  9997",
                    "2 99301  63.4000 150.0000 7200000 270.0000  10.0000  2.00570000 40011"};
const Orbit geostationary{"SAMPLE GEO EAST",
                          "1 99201U 17040A   26340.50000000  .00000000  00000-0  00000-0 0  9993",
                          "2 99201   0.0300  90.0000 0002000 270.0000 180.0000  1.00273000 30012"};

const engine::geodetic_point_t greenwich{0.8985, -0.0000262, 0.046, 0.0};
constexpr int minutes_of_ten_days = 14400;

std::shared_ptr<SatelliteData> make(const SkelvorAppDelegate& appDelegate, const Orbit& orbit) {
    return SatelliteData::createSatellite(
        &appDelegate, QString::fromLatin1(orbit.name), {}, 0, QString::fromLatin1(orbit.name),
        QString::fromLatin1(orbit.line1), QString::fromLatin1(orbit.line2));
}

void predict(benchmark::State& state, const Orbit& orbit) {
    SkelvorAppDelegate appDelegate;
    appDelegate.setObserver_geodetic(greenwich);
    const auto satellite = make(appDelegate, orbit);
    const Date epoch = *satellite->keplerDate();
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 1) % minutes_of_ten_days;
        satellite->predictLocationAt(epoch + 60.0 * minute);
        benchmark::DoNotOptimize(satellite->elevation());
    }
}

void bare(benchmark::State& state, const Orbit& orbit,
          void (*model)(engine::sat_record_t&, double)) {
    SkelvorAppDelegate appDelegate;
    engine::sat_record_t sat = make(appDelegate, orbit)->satelliteData();
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 1) % minutes_of_ten_days;
        model(sat, minute);
        benchmark::DoNotOptimize(sat.pos.x);
    }
}

// A day of the low orbit's states, minute by minute, in km and km/s, with their Julian dates.
struct States {
    States() {
        SkelvorAppDelegate appDelegate;
        engine::sat_record_t sat = make(appDelegate, low)->satelliteData();
        for (int minute = 0; minute < 1440; ++minute) {
            engine::SGP4(sat, minute);
            engine::Convert_Sat_State(sat.pos, sat.vel);
            pos.push_back(sat.pos);
            vel.push_back(sat.vel);
            jd.push_back(sat.jul_epoch + minute / 1440.0);
        }
    }
    std::vector<engine::vector4_t> pos, vel;
    std::vector<double> jd;
};

template <typename Part>
void part(benchmark::State& state, Part run) {
    const States states;
    const engine::observer_site_t site = engine::Observer_Site(greenwich);
    std::size_t i = 0;
    for (auto _ : state) {
        i = (i + 1) % states.jd.size();
        run(states, i, site);
    }
}

void BM_PredictLow(benchmark::State& state) { predict(state, low); }
void BM_PredictMolniya(benchmark::State& state) { predict(state, molniya); }
void BM_PredictGeostationary(benchmark::State& state) { predict(state, geostationary); }
void BM_SGP4(benchmark::State& state) { bare(state, low, engine::SGP4); }
void BM_SDP4Molniya(benchmark::State& state) { bare(state, molniya, engine::SDP4); }
void BM_SDP4Geostationary(benchmark::State& state) { bare(state, geostationary, engine::SDP4); }

void BM_ObserverFrame(benchmark::State& state) {
    part(state, [](const States& s, std::size_t i, const engine::observer_site_t& site) {
        benchmark::DoNotOptimize(engine::Observer_Frame(engine::ThetaG_JD(s.jd[i]), site));
    });
}

void BM_LookAngles(benchmark::State& state) {
    part(state, [](const States& s, std::size_t i, const engine::observer_site_t& site) {
        const engine::observer_frame_t frame = engine::Observer_Frame(0.5, site);
        engine::look_angles_t look{};
        engine::Calculate_Obs_Frame(frame, site, s.pos[i], s.vel[i], look);
        benchmark::DoNotOptimize(look);
    });
}

void BM_SubSatellitePoint(benchmark::State& state) {
    part(state, [](const States& s, std::size_t i, const engine::observer_site_t&) {
        engine::geodetic_point_t point{};
        engine::Calculate_LatLonAlt_ThetaG(0.5, s.pos[i], point);
        benchmark::DoNotOptimize(point);
    });
}

}  // namespace

BENCHMARK(BM_PredictLow);
BENCHMARK(BM_PredictMolniya);
BENCHMARK(BM_PredictGeostationary);
BENCHMARK(BM_SGP4);
BENCHMARK(BM_SDP4Molniya);
BENCHMARK(BM_SDP4Geostationary);
BENCHMARK(BM_ObserverFrame);
BENCHMARK(BM_LookAngles);
BENCHMARK(BM_SubSatellitePoint);

BENCHMARK_MAIN();

// Cost of one prediction: a full predictLocationAt (propagation, conversion, look angles,
// sub-satellite point, footprint, revolution number) for a low, a 12-hour resonant eccentric
// and a geostationary orbit, and the bare SGP4 and SDP4 calls. Each iteration moves the
// instant forward by a minute, as the screens do.
#include <benchmark/benchmark.h>

#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"
#include "propagators.h"

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

std::shared_ptr<SatelliteData> make(const SkelvorAppDelegate& appDelegate, const Orbit& orbit) {
    return SatelliteData::createSatellite(
        &appDelegate, QString::fromLatin1(orbit.name), {}, 0, QString::fromLatin1(orbit.name),
        QString::fromLatin1(orbit.line1), QString::fromLatin1(orbit.line2));
}

void predict(benchmark::State& state, const Orbit& orbit) {
    SkelvorAppDelegate appDelegate;
    appDelegate.setObserver_geodetic({0.8985, -0.0000262, 0.046, 0.0});
    const auto satellite = make(appDelegate, orbit);
    Date when = *satellite->keplerDate();
    for (auto _ : state) {
        when = when + 60.0;
        satellite->predictLocationAt(when);
        benchmark::DoNotOptimize(satellite->elevation());
    }
}

void bare(benchmark::State& state, const Orbit& orbit,
          void (*model)(engine::sat_record_t&, double)) {
    SkelvorAppDelegate appDelegate;
    engine::sat_record_t sat = make(appDelegate, orbit)->satelliteData();
    double tsince = 0.0;
    for (auto _ : state) {
        tsince += 1.0;
        model(sat, tsince);
        benchmark::DoNotOptimize(sat.pos.x);
    }
}

void BM_PredictLow(benchmark::State& state) { predict(state, low); }
void BM_PredictMolniya(benchmark::State& state) { predict(state, molniya); }
void BM_PredictGeostationary(benchmark::State& state) { predict(state, geostationary); }
void BM_SGP4(benchmark::State& state) { bare(state, low, engine::SGP4); }
void BM_SDP4Molniya(benchmark::State& state) { bare(state, molniya, engine::SDP4); }
void BM_SDP4Geostationary(benchmark::State& state) { bare(state, geostationary, engine::SDP4); }

}  // namespace

BENCHMARK(BM_PredictLow);
BENCHMARK(BM_PredictMolniya);
BENCHMARK(BM_PredictGeostationary);
BENCHMARK(BM_SGP4);
BENCHMARK(BM_SDP4Molniya);
BENCHMARK(BM_SDP4Geostationary);

BENCHMARK_MAIN();

// Tonight for the whole catalogue: every visible pass of a synthetic catalogue of 30 000
// element sets (tools/tonight-catalogue/make-catalogue.py: the bundled orbit kinds with varied
// node, mean anomaly and inclination, in the proportions of the real catalogue, and in equal
// shares) over one December night from 52 degrees north, on both cores and on one.
#include <benchmark/benchmark.h>

#include <QFile>

#include "ElementFile.h"
#include "SkelvorAppDelegate.h"
#include "TonightScan.h"

namespace {

const Date noon(818251200.0);  // 2026-12-06T12:00:00Z: the night that follows
constexpr double degree = 0.0174532925;

std::vector<TonightSatellite> catalogue(const char* path) {
    SkelvorAppDelegate appDelegate;
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const ElementFile sets = readElementSets(QString::fromUtf8(file.readAll()), &appDelegate);
    std::vector<TonightSatellite> satellites;
    for (const auto& satellite : sets.satellites) {
        satellites.push_back({satellite->commonName(), QStringLiteral("synthetic"),
                              satellite->catalogNumber(), satellite->satelliteData()});
    }
    return satellites;
}

void tonight(benchmark::State& state, const char* path, int threads) {
    const std::vector<TonightSatellite> satellites = catalogue(path);
    TonightOptions options;
    options.observer = {52.0 * degree, -1.5 * degree, 0.1, 0.0};
    options.from = noon;
    options.threads = threads;
    TonightList list;
    for (auto _ : state) {
        list = scanTonight(satellites, options);
        benchmark::DoNotOptimize(list.passes.data());
    }
    state.counters["satellites"] = static_cast<double>(list.counts.satellites);
    state.counters["reaching"] = static_cast<double>(list.counts.reaching);
    state.counters["sunlit"] = static_cast<double>(list.counts.sunlit);
    state.counters["near"] = static_cast<double>(list.counts.near);
    state.counters["searched"] = static_cast<double>(list.counts.passes);
    state.counters["visible"] = static_cast<double>(list.passes.size());
}

void BM_TonightCatalogue(benchmark::State& state) { tonight(state, SKELVOR_TONIGHT_CATALOGUE, 2); }
void BM_TonightCatalogueOneCore(benchmark::State& state) {
    tonight(state, SKELVOR_TONIGHT_CATALOGUE, 1);
}
void BM_TonightEqualShares(benchmark::State& state) { tonight(state, SKELVOR_TONIGHT_EQUAL, 2); }

}  // namespace

BENCHMARK(BM_TonightCatalogue)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_TonightCatalogueOneCore)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_TonightEqualShares)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

BENCHMARK_MAIN();

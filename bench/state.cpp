// Cost of the saved state with a catalogue of 30,000 satellites made from the samples: loading
// it at launch, the copy taken on the main thread for each save request, the encoding on the
// writer thread, and a whole save from request to file.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

namespace {

constexpr int catalogue_size = 30000;

// A data directory holding the state, written once for all benchmarks.
const QTemporaryDir& stateDirectory() {
    static const QTemporaryDir directory;
    static const bool written = [] {
        SavedState state;
        state.knownSatellites = state_fixture::generatedCatalogue(catalogue_size);
        return state_fixture::writeState(directory.path(), state);
    }();
    if (!written) std::abort();
    return directory;
}

std::unique_ptr<SkelvorAppDelegate> loaded() {
    auto appDelegate = std::make_unique<SkelvorAppDelegate>();
    appDelegate->setDataDirectory(stateDirectory().path());
    appDelegate->loadSavedState();
    return appDelegate;
}

void BM_LaunchLoad(benchmark::State& state) {
    stateDirectory();  // written before the timing starts
    for (auto _ : state) {
        auto appDelegate = loaded();
        state.PauseTiming();
        appDelegate.reset();
        state.ResumeTiming();
    }
    state.counters["satellites"] = catalogue_size;
    state.counters["file MB"] =
        static_cast<double>(QFileInfo(state_fixture::stateFile(stateDirectory().path())).size()) /
        1e6;
}

void BM_MainThreadSnapshot(benchmark::State& state) {
    const auto appDelegate = loaded();
    for (auto _ : state) {
        auto snapshot = std::make_unique<SavedState>(appDelegate->savedState());
        state.PauseTiming();
        snapshot.reset();
        state.ResumeTiming();
    }
}

void BM_WriterEncoding(benchmark::State& state) {
    const SavedState snapshot = loaded()->savedState();
    for (auto _ : state) benchmark::DoNotOptimize(snapshot.toCbor());
}

void BM_SaveFromRequestToFile(benchmark::State& state) {
    const auto appDelegate = loaded();
    for (auto _ : state) {
        appDelegate->setPreferencesAltered(true);
        appDelegate->waitForPendingSaves();
    }
}

}  // namespace

BENCHMARK(BM_LaunchLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainThreadSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriterEncoding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFromRequestToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

// Cost of the saved state with a catalogue of 30,000 satellites made from the samples: loading
// it at launch, the copy taken on the main thread for each save request, the encoding on the
// writer thread, and a whole save from request to file. The launch is also measured with the
// largest catalogue the application keeps, which bounds how long a launch can take.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "SkelvorAppDelegate.h"
#include "state_fixture.h"

namespace {

constexpr int catalogue_size = 30000;

// A data directory holding a state of the size, written once for all benchmarks.
const QTemporaryDir& stateDirectory(int size = catalogue_size) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> directories;
    std::unique_ptr<QTemporaryDir>& directory = directories[size];
    if (!directory) {
        directory = std::make_unique<QTemporaryDir>();
        SavedState state;
        state.knownSatellites = state_fixture::generatedCatalogue(size);
        if (!state_fixture::writeState(directory->path(), state)) std::abort();
    }
    return *directory;
}

std::unique_ptr<SkelvorAppDelegate> loaded(int size = catalogue_size) {
    auto appDelegate = std::make_unique<SkelvorAppDelegate>();
    appDelegate->setDataDirectory(stateDirectory(size).path());
    appDelegate->loadSavedState();
    return appDelegate;
}

void BM_LaunchLoad(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    stateDirectory(size);  // written before the timing starts
    for (auto _ : state) {
        auto appDelegate = loaded(size);
        state.PauseTiming();
        if (appDelegate->satelliteCount() != size) std::abort();
        appDelegate.reset();
        state.ResumeTiming();
    }
    state.counters["satellites"] = size;
    state.counters["file MB"] =
        static_cast<double>(
            QFileInfo(state_fixture::stateFile(stateDirectory(size).path())).size()) /
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

BENCHMARK(BM_LaunchLoad)
    ->Arg(catalogue_size)
    ->Arg(SkelvorAppDelegate::max_catalogue_satellites)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainThreadSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriterEncoding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFromRequestToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

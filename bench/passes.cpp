// Cost of the pass searches on the bundled samples, for an observer at 51.5 degrees north:
// the next pass of every sample satellite, and ten days of passes of the ten low orbits, built
// one after another as the details screen and `skelvor-cli passes` list them.
#include <benchmark/benchmark.h>

#include <QFile>

#include "ElementFile.h"
#include "PassData.h"
#include "SkelvorAppDelegate.h"

namespace {

const Date start(818251200.0);  // 2026-12-06T12:00:00Z, the samples' epoch

QString samples(const QStringList& names) {
    QString text;
    for (const QString& name : names) {
        QFile file(QStringLiteral(SKELVOR_SAMPLES "/%1.txt").arg(name));
        if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
    }
    return text;
}

struct Observer {
    Observer() {
        appDelegate.setObserver_geodetic(
            {51.4779 * 0.0174532925, -0.0015 * 0.0174532925, 0.046, 0.0});
        appDelegate.setClock([] { return start; });
    }
    SkelvorAppDelegate appDelegate;
};

void BM_NextPassOfEverySample(benchmark::State& state) {
    Observer observer;
    const ElementFile sets = readElementSets(
        samples({"sample-leo", "sample-nav", "sample-geo", "sample-heo"}), &observer.appDelegate);
    for (auto _ : state) {
        for (const auto& satellite : sets.satellites) {
            const PassData pass(*satellite);
            benchmark::DoNotOptimize(pass.passItemCount());
        }
    }
    state.counters["satellites"] = static_cast<double>(sets.satellites.size());
}

void BM_TenDaysOfLowOrbitPasses(benchmark::State& state) {
    Observer observer;
    const ElementFile sets = readElementSets(samples({"sample-leo"}), &observer.appDelegate);
    const Date end = start + 10 * 86400.0;
    int passes = 0;
    for (auto _ : state) {
        passes = 0;
        for (const auto& satellite : sets.satellites) {
            for (Date from = start;;) {
                const PassData pass(*satellite, from);
                if (!pass.aos() || !pass.los() || end < *pass.aos()) break;
                ++passes;
                from = *pass.los();
            }
        }
    }
    state.counters["satellites"] = static_cast<double>(sets.satellites.size());
    state.counters["passes"] = passes;
}

}  // namespace

BENCHMARK(BM_NextPassOfEverySample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenDaysOfLowOrbitPasses)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

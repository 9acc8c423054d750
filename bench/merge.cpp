// Cost of merging one element-set file of 10,000 sets into the catalogue: into a new category
// (every set creates a satellite) and into one that holds them already (every set updates one
// in place). The sets are the bundled samples repeated under distinct catalogue numbers.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>

#include "SkelvorAppDelegate.h"
#include "checksummed_lines.h"

namespace {

constexpr int setCount = 10000;

QStringList sampleLines() {
    QString text;
    for (const char* name : {"sample-leo", "sample-nav", "sample-geo", "sample-heo"}) {
        QFile file(QStringLiteral(SKELVOR_SAMPLES "/%1.txt").arg(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
    }
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The line with its catalogue number replaced and its checksum made to match.
QString renumbered(const QString& line, const QString& number) {
    return withChecksum(QString(line).replace(2, 5, number));
}

// Sets numbered 10000 upwards, named after their number, with CR LF line ends.
QString elementFile() {
    const QStringList samples = sampleLines();
    const qsizetype sampleSets = samples.size() / 3;
    QString text;
    for (int n = 0; n < setCount; ++n) {
        const qsizetype first = 3 * (n % sampleSets);
        const QString number = QString::number(10000 + n);
        text += QStringLiteral("OBJECT %1 [+]\r\n").arg(number);
        text += renumbered(samples[first + 1], number) + QStringLiteral("\r\n");
        text += renumbered(samples[first + 2], number) + QStringLiteral("\r\n");
    }
    return text;
}

const QString category = QStringLiteral("Everything");
const QString fileName = QStringLiteral("everything.txt");

void BM_MergeIntoNewCategory(benchmark::State& state) {
    const QString text = elementFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto appDelegate = std::make_unique<SkelvorAppDelegate>();
        state.ResumeTiming();
        appDelegate->mergeTLEFile(text, category, fileName);
        state.PauseTiming();
        state.counters["satellites"] =
            static_cast<double>(appDelegate->knownSatellites().value(category).size());
        appDelegate.reset();
        state.ResumeTiming();
    }
}

void BM_MergeAgainUpdatingInPlace(benchmark::State& state) {
    const QString text = elementFile();
    SkelvorAppDelegate appDelegate;
    appDelegate.mergeTLEFile(text, category, fileName);
    for (auto _ : state) appDelegate.mergeTLEFile(text, category, fileName);
    state.counters["satellites"] =
        static_cast<double>(appDelegate.knownSatellites().value(category).size());
}

}  // namespace

BENCHMARK(BM_MergeIntoNewCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAgainUpdatingInPlace)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// Cost of the screens' pass computations, for an observer at 51.5 degrees north: the list
// screen rebuilding the next pass of 100 selected satellites each time it appears, and the
// timeline computing up to ten passes of each of 20 selected satellites. The satellites are
// the bundled low orbits, repeated with shifted node and mean anomaly so that each copy passes
// at its own times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <cmath>

#include "PassData.h"
#include "SkelvorAppDelegate.h"
#include "TimelineController.h"
#include "checksummed_lines.h"

namespace {

const Date start(818251200.0);  // 2026-12-06T12:00:00Z, the samples' epoch
const QString category = QStringLiteral("Low orbits");

QStringList lowOrbitLines() {
    QFile file(QStringLiteral(SKELVOR_SAMPLES "/sample-leo.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The angle in the line's columns, turned by the degrees.
void turn(QString& line, qsizetype column, double degrees) {
    const double angle = std::fmod(line.mid(column, 8).toDouble() + degrees, 360.0);
    line.replace(column, 8, QStringLiteral("%1").arg(angle, 8, 'f', 4));
}

// Sets "LOW 1" to "LOW count", numbered from 10000, copies of the low orbits each turned in
// node and mean anomaly by its own angles.
QString elementFile(int count) {
    const QStringList samples = lowOrbitLines();
    const qsizetype sampleSets = samples.size() / 3;
    QString text;
    for (int n = 0; sampleSets > 0 && n < count; ++n) {
        const qsizetype first = 3 * (n % sampleSets);
        const QString number = QString::number(10000 + n);
        QString line1 = QString(samples[first + 1]).replace(2, 5, number);
        QString line2 = QString(samples[first + 2]).replace(2, 5, number);
        turn(line2, 17, 37.0 * n);
        turn(line2, 43, 71.0 * n);
        text += QStringLiteral("LOW %1 [+]\r\n").arg(n + 1);
        text += withChecksum(line1) + QStringLiteral("\r\n");
        text += withChecksum(line2) + QStringLiteral("\r\n");
    }
    return text;
}

// The delegate at the samples' epoch with the settings of a first start and count low orbits
// selected.
struct Selection {
    explicit Selection(int count) {
        appDelegate.setObserver_geodetic(
            {51.4779 * 0.0174532925, -0.0015 * 0.0174532925, 0.046, 0.0});
        appDelegate.setClock([] { return start; });
        appDelegate.setTimelineDuration(12);
        appDelegate.mergeTLEFile(elementFile(count), category, QStringLiteral("low.txt"));
        for (const auto& satellite : appDelegate.knownSatellites().value(category)) {
            appDelegate.setSatelliteSelected(satellite->commonName(), true);
        }
    }
    SkelvorAppDelegate appDelegate;
};

void BM_ListPassesOf100Satellites(benchmark::State& state) {
    Selection selection(100);
    SkelvorAppDelegate& appDelegate = selection.appDelegate;
    int visible = 0;
    for (auto _ : state) {
        visible = 0;
        for (const auto& satellite : appDelegate.selectedSatellites()) {
            satellite->setNextPass(std::make_shared<PassData>(*satellite, std::nullopt,
                                                              appDelegate.minimumPathElevation()));
            if (satellite->nextPass()->aos()) ++visible;
        }
    }
    state.counters["satellites"] = static_cast<double>(appDelegate.selectedSatellites().size());
    state.counters["visible"] = visible;
}

// The argument is the pass timetable's days: 0 searches the timeline's 12 hours, 3 days
// reach the ten passes of every row that rises.
void BM_TimelineOf20Satellites(benchmark::State& state) {
    Selection selection(20);
    selection.appDelegate.setPassTimetableDuration(static_cast<double>(state.range(0)) * 3600.0);
    TimelineController timeline;
    for (auto _ : state) timeline.loadSelectedSatellites();
    int passes = 0;  // those that rise
    for (const TimelineEntries& row : timeline.satellites()) {
        for (const TimelineEntry& entry : row) passes += entry.location ? 1 : 0;
    }
    state.counters["satellites"] = static_cast<double>(timeline.satellites().size());
    state.counters["passes"] = passes;
}

}  // namespace

BENCHMARK(BM_ListPassesOf100Satellites)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimelineOf20Satellites)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// The timeline is a screen: it needs an application, which draws nowhere.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

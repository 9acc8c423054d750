// skelvor-cli track and doppler as a user runs them: a dry run through the next pass on a
// simulated clock, the rotator commands it prints for passes through north and flipped
// passes, a run against the real daemons, and the Doppler table.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "../../model/sample_sky.h"
#include "Daemon.h"
#include "PassData.h"
#include "RadioFrequency.h"

namespace {

const QString elements = QStringLiteral(SKELVOR_SAMPLES "/sample-leo.txt");

struct CliRun {
    int code;
    QStringList lines;
    QString err;
};

CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(SKELVOR_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

// The first pass of the sample weather satellite through north for an observer at 60 N 10 E.
Date passThroughNorth() {
    sample::Sky sky(60.0, 10.0);
    const auto satellite = sky.make(sample::weather);
    Date from = sample::epoch;
    for (int n = 0; n < 20; ++n) {
        const PassData pass(*satellite, from);
        from = *pass.los();
        bool north = false;
        for (int i = 1; i < pass.passItemCount(); ++i) {
            const float a = pass.passItemAtIndex(i - 1).azimuth;
            const float b = pass.passItemAtIndex(i).azimuth;
            north |= (a > 270.0f && b < 90.0f) || (a < 90.0f && b > 270.0f);
        }
        if (north && pass.highestElevation() > 10 && pass.highestElevation() < 80) {
            return *pass.aos();
        }
    }
    ADD_FAILURE() << "no pass through north";
    return sample::epoch;
}

QString iso(Date date) { return date.toQDateTime().toString(Qt::ISODate); }

struct Position {
    double azimuth;
    double elevation;
};

std::vector<Position> rotatorCommands(const QStringList& lines) {
    static const QRegularExpression command(QStringLiteral(" rotator P (\\S+) (\\S+)$"));
    std::vector<Position> positions;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = command.match(line);
        if (match.hasMatch())
            positions.push_back({match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return positions;
}

QStringList trackThroughNorth(const QStringList& extra) {
    const Date aos = passThroughNorth();
    CliRun run = cli(QStringList{"track", "--tle", elements, "--catalog", "99002", "--lat", "60",
                                 "--lon", "10", "--dry-run", "--start", iso(aos - 120.0), "--speed",
                                 "2000", "--tolerance", "1"} +
                     extra);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines.value(run.lines.size() - 1), "# the pass is over");
    return run.lines;
}

double largestSwing(const std::vector<Position>& positions) {
    double largest = 0.0;
    for (std::size_t i = 1; i + 1 < positions.size(); ++i) {  // the last one parks
        largest = std::max(largest, std::abs(positions[i].azimuth - positions[i - 1].azimuth));
    }
    return largest;
}

}  // namespace

TEST(TrackCommand, APassThroughNorthNeverSwingsOnA360OrA450Rotator) {
    for (const auto& [range, top] : {std::pair{"0:360", 360.0}, std::pair{"0:450", 450.0}}) {
        const QStringList lines = trackThroughNorth({"--azimuth-range", range});
        // The stop lies across this pass on either rotator: held there, never swung round.
        EXPECT_FALSE(lines.filter("held at a stop").isEmpty()) << range;
        const std::vector<Position> positions = rotatorCommands(lines);
        ASSERT_GT(positions.size(), 10u);
        EXPECT_LT(largestSwing(positions), 30.0) << range;
        for (const Position& p : positions) {
            EXPECT_GE(p.azimuth, 0.0);
            EXPECT_LE(p.azimuth, top);
        }
    }
}

TEST(TrackCommand, AFlipOverRotatorStaysWithinItsElevationRange) {
    const QStringList lines = trackThroughNorth({"--elevation-range", "0:180"});
    EXPECT_FALSE(lines.filter("# rotator: flipped over the zenith").isEmpty());
    const std::vector<Position> positions = rotatorCommands(lines);
    EXPECT_LT(largestSwing(positions), 30.0);
    for (const Position& p : positions) {
        EXPECT_GE(p.elevation, 0.0);
        EXPECT_LE(p.elevation, 180.0);
    }
    EXPECT_TRUE(std::any_of(positions.begin(), positions.end(),
                            [](const Position& p) { return p.elevation > 90.0; }));
}

TEST(TrackCommand, DrivesTheRealDaemonsThroughAPass) {
    Daemon rigctld(QStringLiteral("rigctld"));
    Daemon rotctld(QStringLiteral("rotctld"));
    ASSERT_TRUE(rigctld.isRunning() && rotctld.isRunning());
    const CliRun run = cli({"track",
                            "--tle",
                            elements,
                            "--catalog",
                            "99001",
                            "--lat",
                            "51.4779",
                            "--lon",
                            "-0.0015",
                            "--rig",
                            QStringLiteral("127.0.0.1:%1").arg(rigctld.port()),
                            "--rotator",
                            QStringLiteral("127.0.0.1:%1").arg(rotctld.port()),
                            "--downlink",
                            "437.8",
                            "--uplink",
                            "145.99",
                            "--mode",
                            "FM",
                            "--vfo",
                            "split",
                            "--azimuth-range",
                            "-180:450",
                            "--start",
                            "2026-12-06T12:25:00Z",
                            "--speed",
                            "200"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_FALSE(run.lines.filter(QRegularExpression(" rig F 4378\\d{5}$")).isEmpty());
    EXPECT_FALSE(run.lines.filter(QRegularExpression(" rig I 14598\\d{4}$")).isEmpty());
    EXPECT_FALSE(run.lines.filter(" rig S 1 VFOB").isEmpty());
    EXPECT_FALSE(run.lines.filter(" rotator P ").isEmpty());
    EXPECT_TRUE(run.lines.filter("RPRT").isEmpty()) << run.lines.join('\n').toStdString();
    EXPECT_EQ(rigctld.ask("m", 2).value(0), "FM");
}

TEST(TrackCommand, BadUsageIsRefused) {
    EXPECT_EQ(cli({"track", "--tle", elements, "--lat", "51", "--lon", "0"}).code, 2);
    EXPECT_EQ(
        cli({"track", "--tle", elements, "--lat", "51", "--lon", "0", "--rig", "nohost"}).code, 2);
    EXPECT_EQ(
        cli({"track", "--tle", elements, "--lat", "51", "--lon", "0", "--rig", "127.0.0.1:4532"})
            .code,
        2);  // no frequency to send
    EXPECT_EQ(cli({"track", "--tle", elements, "--lat", "51", "--lon", "0", "--dry-run",
                   "--azimuth-range", "0:270"})
                  .code,
              2);
}

TEST(DopplerCommand, ListsTheCorrectedFrequenciesOverThePass) {
    const CliRun run = cli({"doppler", "--tle", elements, "--catalog", "99001", "--lat", "51.4779",
                            "--lon", "-0.0015", "--from", "2026-12-06T12:00:00Z", "--downlink",
                            "437.8", "--uplink", "145.99 MHz", "--step", "30", "--format", "csv"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    ASSERT_GT(run.lines.size(), 10);
    EXPECT_EQ(run.lines[0], "catalog,name,time,azimuth,elevation,range_rate,downlink,uplink");
    double previous = 1e12;
    for (const QString& line : run.lines.mid(1)) {
        const QStringList cells = line.split(u',');
        const double rangeRate = cells[5].toDouble();
        EXPECT_NEAR(cells[6].toDouble(), radio::receivedOnGround(437.8e6, rangeRate), 0.5);
        EXPECT_NEAR(cells[7].toDouble(), radio::sentFromGround(145.99e6, rangeRate), 0.5);
        EXPECT_LT(cells[6].toDouble(), previous);  // approaching, then receding: always falling
        previous = cells[6].toDouble();
    }
}

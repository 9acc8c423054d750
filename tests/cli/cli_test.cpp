// The command-line companion, driven in process through runCli and, for exit codes and
// standard input, as the real program.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "checksummed_lines.h"
#include "cli_support.h"

namespace {

const QString leo = QStringLiteral(":/sample-server/NORAD/elements/sample-leo.txt");
const QString station =
    "SAMPLE STATION [+]\r\n"
    "1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998\r\n"
    "2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019\r\n";

// The station's set under another name and catalogue number.
QString renamed(const QString& name, const QString& number) {
    const QStringList lines = station.split("\r\n");
    return name + "\r\n" + withChecksum(QString(lines[1]).replace(2, 5, number)) + "\r\n" +
           withChecksum(QString(lines[2]).replace(2, 5, number)) + "\r\n";
}

QStringList csvLines(const CliRun& run) { return run.out.split(u'\n', Qt::SkipEmptyParts); }

}  // namespace

TEST(Cli, PropagateAnswersEverySetAtEveryMinuteInFileOrder) {
    const CliRun run = cli({"propagate", "--tle", leo, "--minutes", "0,90.5", "--format", "csv"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = csvLines(run);
    EXPECT_EQ(lines.first(), "catalog,name,minutes,x,y,z,xdot,ydot,zdot");
    ASSERT_EQ(lines.size(), 1 + 10 * 2);
    EXPECT_TRUE(lines[1].startsWith("99001,SAMPLE STATION,0,"));
    EXPECT_TRUE(lines[2].startsWith("99001,SAMPLE STATION,90.5,"));
    EXPECT_TRUE(lines[20].startsWith("100001,SAMPLE SIX-DIGIT,90.5,")) << "Alpha-5 number";
}

TEST(Cli, CsvNumbersReadBackExactlyAndJsonCarriesTheSameValues) {
    const CliRun csv = cli({"look", "--tle", leo, "--lat", "51.48", "--lon", "-0.0015", "--at",
                            "2026-12-06T21:00:00Z", "--format", "csv"});
    const CliRun json = cli({"look", "--tle", leo, "--lat", "51.48", "--lon", "-0.0015", "--at",
                             "2026-12-06T21:00:00Z", "--format", "json"});
    ASSERT_EQ(csv.code, 0);
    ASSERT_EQ(json.code, 0);
    const QStringList header = csvLines(csv).first().split(u',');
    EXPECT_EQ(header.join(u','),
              "catalog,name,time,azimuth,elevation,range,range_rate,latitude,"
              "longitude,altitude,velocity,footprint,orbit,phase");
    const QStringList first = csvLines(csv)[1].split(u',');
    const QJsonObject object =
        QJsonDocument::fromJson(json.out.toUtf8()).array().first().toObject();
    EXPECT_EQ(object["time"].toString(), "2026-12-06T21:00:00Z");
    for (const char* key : {"azimuth", "elevation", "range", "footprint"}) {
        const double fromCsv = first[header.indexOf(key)].toDouble();
        EXPECT_EQ(fromCsv, object[key].toDouble()) << key;
    }
}

TEST(Cli, LookGivesTheSameAnswerWhateverElseIsAsked) {
    const QStringList common{"look",  "--tle", leo,        "--lat", "40",
                             "--lon", "-75",   "--format", "csv"};
    const CliRun alone = cli(common + QStringList{"--at", "2026-12-06T21:00:00Z"});
    const CliRun among =
        cli(common + QStringList{"--at", "2026-12-08T00:00:00Z,2026-12-06T21:00:00Z"});
    EXPECT_EQ(csvLines(alone)[1], csvLines(among)[2]);
}

// A set that cannot be used is reported with its line and makes the exit code 2; the others
// are answered all the same. A stray line is only reported.
TEST(Cli, UnreadableSetsAreReportedWithTheirLineAndTheOthersAnswered) {
    QString text = station;
    text.replace("SAMPLE STATION", "FIRST");
    text += "BROKEN\r\n1 99002U 09005A   26340.5\r\n2 99002  99.1900\r\n";
    text += "stray words\r\n\r\n";
    text += QString(station).replace("SAMPLE STATION", "LAST");
    const TextFile file(text);
    const CliRun run =
        cli({"propagate", "--tle", file.path(), "--minutes", "0", "--format", "csv"});
    EXPECT_EQ(run.code, 2);
    const QStringList lines = csvLines(run);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].contains("FIRST"));
    EXPECT_TRUE(lines[2].contains("LAST"));
    EXPECT_TRUE(run.err.contains(file.path() + ": line 4: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(": line 7: not a three-line element set"))
        << run.err.toStdString();
}

// A leading blank line, a comment line and a set without its name line: the application's
// catalogue and skelvor-cli read the same satellites from the file.
TEST(Cli, AMessyFileGivesTheSatellitesTheApplicationMerges) {
    QString text = "\r\n" + renamed("FIRST", "99001");
    text += renamed("", "99002").section("\r\n", 1) + "# comment\r\n";
    text += renamed("LAST", "99003");
    const TextFile file(text);
    const CliRun run =
        cli({"propagate", "--tle", file.path(), "--minutes", "0", "--format", "csv"});
    QStringList cliNames;
    for (const QString& line : csvLines(run).mid(1)) cliNames << line.section(u',', 1, 1);

    SkelvorAppDelegate appDelegate;
    appDelegate.mergeTLEFile(text, "Messy", "messy.txt");
    EXPECT_EQ(cliNames, (QStringList{"FIRST", "LAST"}));
    EXPECT_EQ(appDelegate.knownSatellites().value("Messy").keys(), cliNames);
}

TEST(Cli, LineEndsAndPaddingDoNotChangeTheAnswer) {
    const TextFile crlf(station);
    const TextFile lf("\n  " + QString(station).replace("\r\n", "  \n") + "\n\n");
    const QStringList args{"--minutes", "0,1440", "--format", "csv"};
    const CliRun a = cli(QStringList{"propagate", "--tle", crlf.path()} + args);
    const CliRun b = cli(QStringList{"propagate", "--tle", lf.path()} + args);
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.out, b.out);
}

TEST(Cli, BadUsageAndBadInputGiveOneLineAndExitCode2) {
    const TextFile empty(QStringLiteral("no element sets here\n"));
    const std::vector<QStringList> cases = {
        {},
        {"orbit"},
        {"propagate", "--tle", leo},
        {"propagate", "--tle", leo, "--minutes", "ten"},
        {"propagate", "--tle", leo, "--minutes", "1", "--colour", "red"},
        {"propagate", "--tle", leo, "--minutes", "1", "--format", "xml"},
        {"propagate", "--tle", "/no/such/file", "--minutes", "1"},
        {"look", "--tle", leo, "--lat", "91", "--lon", "0", "--at", "now"},
        {"look", "--tle", leo, "--lat", "10", "--lon", "0", "--at", "yesterday"},
        {"look", "--tle", leo, "--lat", "10", "--lon", "0", "--at", "now", "--alt"},
        {"look", "--tle", leo, "--lat", "nan", "--lon", "0", "--at", "now"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.code, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    }
    const CliRun nothing = cli({"propagate", "--tle", empty.path(), "--minutes", "1"});
    EXPECT_EQ(nothing.code, 2);
    EXPECT_TRUE(nothing.err.contains("line 1: not a three-line element set"));
    EXPECT_TRUE(nothing.err.contains("holds no usable element set"));
}

TEST(Cli, TheProgramReadsStandardInputAndSetsItsExitCode) {
    QProcess process;
    process.start(SKELVOR_CLI, {"propagate", "--tle", "-", "--minutes", "0", "--format", "csv"});
    process.write(station.toUtf8());
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("99001,SAMPLE STATION,0,"));

    process.start(SKELVOR_CLI,
                  {"look", "--tle", "/no/such/file", "--lat", "0", "--lon", "0", "--at", "now"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError().count('\n'), 1);
}

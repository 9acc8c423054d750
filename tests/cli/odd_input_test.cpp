// skelvor-cli on what a careless or hostile caller gives it: odd paths, sets that describe no
// orbit, instants out of range, names with a NUL byte, an output that cannot be written. No
// signal, no hang, no silent "nan": every set without an answer is told, with a non-zero exit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "checksummed_lines.h"
#include "cli_support.h"

namespace {

const QString line1 =
    QStringLiteral("1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998");
const QString line2 =
    QStringLiteral("2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019");

// The sample station with one field of one line replaced, its checksum made good.
QString station(const QString& name, int line, int column, const QString& field) {
    QString lines[] = {line1, line2};
    lines[line - 1].replace(column - 1, field.size(), field);
    return name + "\n" + withChecksum(lines[0]) + "\n" + withChecksum(lines[1]) + "\n";
}

}  // namespace

TEST(CliOddInput, HelpAndVersionAnswerOnStandardOutput) {
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith("usage:\n  skelvor-cli propagate --tle FILE"));
    EXPECT_EQ(cli({"-h"}).out, help.out);
    const CliRun version = cli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.out.startsWith("skelvor-cli ")) << version.out.toStdString();
    for (const char* command : {"propagate", "look", "passes", "sun", "moon"}) {
        for (const char* option : {"--help", "-h"}) {
            const CliRun run = cli({command, option});
            EXPECT_EQ(run.code, 0) << command << option << run.err.toStdString();
            EXPECT_TRUE(run.out.startsWith(QStringLiteral("usage: skelvor-cli ") + command));
            EXPECT_TRUE(run.out.contains("--format table|csv|json"));
            EXPECT_TRUE(run.err.isEmpty());
        }
    }
    EXPECT_TRUE(cli({"passes", "--help"}).out.contains("--min-elevation DEG"));
}

TEST(CliOddInput, OnlyRegularFilesAreReadAsElementFiles) {
    QTemporaryDir directory;
    const QString fifo = directory.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, QString> paths[] = {
        {"/dev/zero", "not a regular file"},
        {fifo, "not a regular file"},
        {directory.path(), "not a regular file"},
        {directory.filePath("missing"), "no such file"},
    };
    for (const auto& [path, reason] : paths) {
        const CliRun run = cli({"propagate", "--tle", path, "--minutes", "0"});
        EXPECT_EQ(run.code, 2) << path.toStdString();
        EXPECT_EQ(run.err,
                  QStringLiteral("skelvor-cli propagate: cannot read %1: %2\n").arg(path, reason));
    }
}

// Mean motion 0, negative or blank, and an eccentricity of 1 describe no orbit: such sets are
// reported and rejected. A drag term of 99999+9 is an orbit that decays at once: the model
// gives no state, which is said instead of a row of "nan".
TEST(CliOddInput, SetsWithoutAnAnswerAreToldNeverPrintedAsNan) {
    const TextFile noOrbit(station("ZERO", 2, 53, " 0.00000000") +
                           station("NEGATIVE", 2, 53, "-1.00000000") +
                           station("BLANK", 2, 53, "           "));
    const CliRun rejected = cli({"propagate", "--tle", noOrbit.path(), "--minutes", "0"});
    EXPECT_EQ(rejected.code, 2);
    EXPECT_EQ(rejected.err.count("is not above 0 revolutions a day"), 3);
    EXPECT_TRUE(rejected.out.isEmpty());

    const TextFile csv(
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n"
        "OPEN,1998-067A,2026-12-06T12:00:00,15.5,1.0,51.64,120,80,280,0,U,99001,999,30001,"
        ".00021,.00012,0\n");
    const CliRun open = cli({"propagate", "--tle", csv.path(), "--minutes", "0"});
    EXPECT_EQ(open.code, 2);
    EXPECT_TRUE(open.err.contains("line 2: eccentricity 1 lies outside 0 to 1"));

    const TextFile drag(station("BIG DRAG", 1, 54, " 99999+9") + station("FINE", 1, 1, "1"));
    const QStringList commands[] = {
        {"propagate", "--tle", drag.path(), "--minutes", "0,100", "--format", "csv"},
        {"look", "--tle", drag.path(), "--lat", "0", "--lon", "0", "--at", "2026-12-08T00:00:00Z",
         "--format", "csv"},
        {"passes", "--tle", drag.path(), "--lat", "0", "--lon", "0", "--from",
         "2026-12-08T00:00:00Z", "--format", "csv"},
    };
    for (const QStringList& arguments : commands) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.code, 1) << arguments.first().toStdString();
        EXPECT_FALSE(run.out.contains("nan")) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("BIG DRAG (catalogue number 99001): the orbit model gives no"))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("FINE") || arguments.first() == "passes")
            << "the other set is answered";
    }
}

TEST(CliOddInput, InstantsOutOfRangeAreBadUsage) {
    const QString leo = QStringLiteral(":/sample-server/NORAD/elements/sample-leo.txt");
    const QStringList cases[] = {
        {"propagate", "--tle", leo, "--minutes", "1e12"},
        {"propagate", "--tle", leo, "--minutes", "0,-2e7"},
        {"look", "--tle", leo, "--lat", "0", "--lon", "0", "--at", "9999-12-31T00:00:00Z"},
        {"look", "--tle", leo, "--lat", "0", "--lon", "0", "--at", "1900-01-01T00:00:00Z"},
        {"passes", "--tle", leo, "--lat", "0", "--lon", "0", "--from", "2200-01-01T00:00:00Z"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CliOddInput, AnUnreadableSavedStateIsSaidSo) {
    QTemporaryDir directory;
    ASSERT_TRUE(QDir().mkpath(directory.filePath("Library/Preferences/currentState")));
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(directory.path());
    QString out;
    QString err;
    EXPECT_EQ(runCli({"passes"}, out, err, appDelegate), 1);
    EXPECT_TRUE(err.contains("cannot be read: not a regular file")) << err.toStdString();
}

// The program writes the bytes of a name as they are, a NUL included, and a full device is a
// failure.
TEST(CliOddInput, OutputIsWrittenWholeAndItsFailureIsAnError) {
    const TextFile nul(
        station(QStringLiteral("NUL") + QChar(0) + QStringLiteral("NAME"), 1, 1, "1"));
    QProcess process;
    process.start(SKELVOR_CLI,
                  {"propagate", "--tle", nul.path(), "--minutes", "0", "--format", "csv"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains(QByteArray("\n99001,NUL\0NAME,0,", 18)));

    process.setStandardOutputFile("/dev/full");
    process.start(SKELVOR_CLI, {"propagate", "--tle", nul.path(), "--minutes", "0"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().startsWith("skelvor-cli: cannot write the answers"));
}

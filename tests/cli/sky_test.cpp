// skelvor-cli passes, sun and moon.
#include <gtest/gtest.h>

#include <QDateTime>

#include "Commands.h"
#include "SkelvorAppDelegate.h"

namespace {

const QString samples = QStringLiteral(":/sample-server/NORAD/elements/");

struct Answer {
    int code = 0;
    QString out;
    QString err;
    QList<QStringList> rows;  // CSV rows after the header
};

Answer cli(const QStringList& arguments) {
    SkelvorAppDelegate appDelegate;
    appDelegate.setClock([] { return Date(818251200.0); });  // 2026-12-06T12:00:00Z
    Answer answer;
    answer.code =
        runCli(arguments + QStringList{"--format", "csv"}, answer.out, answer.err, appDelegate);
    const QStringList lines = answer.out.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) answer.rows << lines[i].split(u',');
    return answer;
}

QDateTime iso(const QString& text) { return QDateTime::fromString(text, Qt::ISODateWithMs); }

}  // namespace

TEST(CliPasses, PassesFollowOneAnotherWithinTheWindow) {
    const Answer answer = cli({"passes", "--tle", samples + "sample-leo.txt", "--lat", "51.48",
                               "--lon", "-0.0015", "--days", "2"});
    ASSERT_EQ(answer.code, 0) << answer.err.toStdString();
    EXPECT_TRUE(
        answer.out.startsWith("catalog,name,aos,los,max_elevation,max_elevation_time,"
                              "aos_azimuth,los_azimuth\n"));
    ASSERT_GT(answer.rows.size(), 20);
    const QDateTime from = iso("2026-12-06T12:00:00Z");
    QString previousName;
    QDateTime previousLos;
    for (const QStringList& row : answer.rows) {
        const QDateTime aos = iso(row[2]);
        const QDateTime los = iso(row[3]);
        const QDateTime top = iso(row[5]);
        EXPECT_LT(aos, los);
        EXPECT_LE(aos, top);
        EXPECT_LE(top, los);
        EXPECT_GE(aos, from);
        EXPECT_LE(aos, from.addDays(2));
        EXPECT_GE(row[4].toDouble(), 0.0);
        if (row[1] == previousName) {
            EXPECT_GT(aos, previousLos) << "passes overlap";
        }
        previousName = row[1];
        previousLos = los;
    }
}

TEST(CliPasses, MinimumElevationAndSatellitesWithoutPasses) {
    const QStringList common{"passes", "--tle",  samples + "sample-leo.txt",
                             "--lat",  "51.48",  "--lon",
                             "0",      "--from", "2026-12-06T12:00:00Z"};
    const Answer all = cli(common);
    const Answer high = cli(common + QStringList{"--min-elevation", "30"});
    EXPECT_LT(high.rows.size(), all.rows.size());
    for (const QStringList& row : high.rows) EXPECT_GE(row[4].toDouble(), 30.0);
    EXPECT_EQ(cli(common + QStringList{"--min-elevation", "10.5"}).code, 2);

    // A geostationary satellite has no pass to list, and is not listed again and again.
    const Answer geo = cli({"passes", "--tle", samples + "sample-geo.txt", "--lat", "51.48",
                            "--lon", "0", "--days", "3"});
    EXPECT_EQ(geo.code, 0);
    EXPECT_TRUE(geo.rows.isEmpty());
}

TEST(CliSky, SunAndMoonAnswerEveryInstant) {
    const Answer sun = cli({"sun", "--lat", "51.4779", "--lon", "0", "--at",
                            "2026-12-06T11:51:00Z,2026-12-06T00:00:00Z"});
    ASSERT_EQ(sun.code, 0);
    EXPECT_TRUE(sun.out.startsWith("time,azimuth,elevation\n"));
    ASSERT_EQ(sun.rows.size(), 2);
    EXPECT_EQ(sun.rows[0][0], "2026-12-06T11:51:00Z");
    EXPECT_NEAR(sun.rows[0][1].toDouble(), 180.0, 0.5);
    EXPECT_LT(sun.rows[1][2].toDouble(), -50.0);

    const Answer moon = cli({"moon", "--lat", "0", "--lon", "0", "--at", "now"});
    ASSERT_EQ(moon.code, 0);
    EXPECT_EQ(moon.rows.size(), 1);
    EXPECT_EQ(moon.rows[0][0], "2026-12-06T12:00:00Z");
    EXPECT_EQ(cli({"moon", "--lat", "0", "--at", "now"}).code, 2);
    // The observer's altitude is taken, as by the other commands that place an observer.
    EXPECT_EQ(cli({"sun", "--lat", "0", "--lon", "0", "--alt", "100", "--at", "now"}).code, 0);
}

// skelvor-cli reading element files in CSV form.
#include <gtest/gtest.h>

#include "cli_support.h"

namespace {

const QString threeLines =
    "SAMPLE STATION [+]\r\n"
    "1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998\r\n"
    "2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019\r\n"
    "SAMPLE SIX-DIGIT [+]\r\n"
    "1 A0001U 26099A   26340.50000000  .00001000  00000-0  70000-4 0  9999\r\n"
    "2 A0001  53.0500  75.0000 0001000  90.0000 270.0000 15.06000000  1011\r\n"
    "SAMPLE MOLNIYA [+]\r\n"
    "1 99301U 11030A   26340.50000000  .00000000  00000-0  00000-0 0  9997\r\n"
    "2 99301  63.4000 150.0000 7200000 270.0000  10.0000  2.00570000 40011\r\n";

const QString header =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n";

const QString records =
    "SAMPLE STATION,1998-067A,2026-12-06T12:00:00.000000,15.50000000,.0006000,51.6400,120.0000,"
    "80.0000,280.0000,0,U,99001,999,30001,.00021000,.00012000,0\r\n"
    "\"SAMPLE SIX-DIGIT\",2026-099A,2026-12-06T12:00:00.000000,15.06000000,.0001000,53.0500,"
    "75.0000,90.0000,270.0000,0,U,100001,999,101,.00007000,.00001000,0\r\n"
    "SAMPLE MOLNIYA,2011-030A,2026-12-06T12:00:00.000000,2.00570000,.7200000,63.4000,150.0000,"
    "270.0000,10.0000,0,U,99301,999,4001,0,0,0\r\n";

// The rows of propagate for the file at three instants.
CliRun propagate(const QString& text) {
    const TextFile file(text);
    return cli({"propagate", "--tle", file.path(), "--minutes", "0,90.5,1440", "--format", "csv"});
}

}  // namespace

TEST(CliCsv, PropagateGivesTheSameRowsAsTheThreeLineFile) {
    const CliRun lines = propagate(threeLines);
    const CliRun csv = propagate(header + records + "\r\n");
    ASSERT_EQ(lines.code, 0) << lines.err.toStdString();
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.err, QString());
    EXPECT_EQ(csv.out.count(u'\n'), 1 + 3 * 3);
    EXPECT_EQ(csv.out, lines.out);
}

// The good records are answered; the bad ones are reported and make the exit code 2.
TEST(CliCsv, BadRecordsAreReportedAndSevenDigitNumbersKept) {
    const QString big =
        "\"BIG, \"\"SEVEN\"\"\",2026-200A,2026-12-06T12:00:00,15.2,.0008,97.4,250,45,315,0,U,"
        "1234567,999,3001,.0004,.00003,0\r\n";
    const QString bad =
        "BROKEN,2026-201A,2026-12-06T12:00:00,fast,.0008,97.4,250,45,315,0,U,1234568,999,3001,"
        ".0004,.00003,0\r\n";
    const CliRun run = propagate("\r\n" + header + bad + big + bad.first(20) + "\r\n");
    EXPECT_EQ(run.code, 2) << run.err.toStdString();
    EXPECT_EQ(run.err.count(QStringLiteral(": line 3: not a CSV element record\n")), 1);
    EXPECT_EQ(run.err.count(QStringLiteral(": line 5: not a CSV element record\n")), 1);
    EXPECT_EQ(run.err.count(u'\n'), 2) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\n1234567,\"BIG, \"\"SEVEN\"\"\",0,")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("1234568"));
}

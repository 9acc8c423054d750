// The one reader of element-set files: a well-formed file read by threes, and the messes of
// real files (blank and stray lines, a set without its name line, short lines, CR LF, a CSV
// header after blank lines) reported with their line numbers and never shifting later sets.
#include <gtest/gtest.h>

#include <QStringList>

#include "ElementLines.h"
#include "ElementSetReader.h"
#include "checksummed_lines.h"

namespace {

const QString station1 =
    QStringLiteral("1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998");
const QString station2 =
    QStringLiteral("2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019");

QString set(const QString& nameLine, const QString& number) {
    return nameLine + u'\n' + withChecksum(QString(station1).replace(2, 5, number)) + u'\n' +
           withChecksum(QString(station2).replace(2, 5, number)) + u'\n';
}

QStringList namesOf(const ElementSetText& read) {
    QStringList names;
    for (const ElementSetEntry& entry : read.sets) {
        names << QStringLiteral("%1@%2#%3")
                     .arg(entry.commonName)
                     .arg(entry.lineNumber)
                     .arg(entry.catalogNumber);
    }
    return names;
}

QStringList problemsOf(const ElementSetText& read) {
    QStringList problems;
    for (const ElementFileProblem& problem : read.problems) {
        problems << QStringLiteral("%1: %2").arg(problem.lineNumber).arg(problem.reason);
    }
    return problems;
}

TEST(ElementFileReader, AWellFormedFileIsReadByThreesWhateverItsLineEnds) {
    const QString text = set(" \tNOAA 15 [+]\t", "25338") + set("METEOR", "40069");
    const QStringList expected{"NOAA 15@1#25338", "METEOR@4#40069"};
    for (const QString& variant : {text, QString(text).replace("\n", "\r\n"), text.chopped(1)}) {
        const ElementSetText read = readElementSetText(variant);
        EXPECT_EQ(namesOf(read), expected);
        EXPECT_TRUE(read.problems.empty());
    }
    const ElementSetText read = readElementSetText(text);
    EXPECT_EQ(read.sets[0].nameLine, "NOAA 15 [+]");
    EXPECT_EQ(read.sets[0].values.statusText, "Operational");
    EXPECT_DOUBLE_EQ(read.sets[0].values.meanMotion, 15.5);
}

TEST(ElementFileReader, StrayLinesAreReportedAndNeverShiftTheSetsAfterThem) {
    const QString nameless = set("", "11111").section(u'\n', 1);  // lines 1 and 2 only
    const QString text = u'\n' + set("FIRST", "10001") + nameless + "# a comment\n\n" +
                         set("SECOND", "10002") + "\n\n" + set("THIRD", "10003") + "trailing";
    const ElementSetText read = readElementSetText(text);
    EXPECT_EQ(namesOf(read), (QStringList{"FIRST@2#10001", "SECOND@9#10002", "THIRD@14#10003"}));
    EXPECT_EQ(problemsOf(read),
              (QStringList{"5: element lines without a name line",
                           "7: not a three-line element set", "17: not a three-line element set"}));
}

TEST(ElementFileReader, ShortElementLinesAreReportedAndSkipped) {
    const QString text = "CUT\n1 10001U\n2 10001\n" + set("WHOLE", "10002");
    const ElementSetText read = readElementSetText(text);
    EXPECT_EQ(namesOf(read), QStringList{"WHOLE@4#10002"});
    EXPECT_EQ(problemsOf(read), QStringList{"1: element lines shorter than 68 characters"});
}

TEST(ElementFileReader, BareCarriageReturnsAreNotLineEnds) {
    const ElementSetText read = readElementSetText(set("ONE", "10001").replace(u'\n', u'\r'));
    EXPECT_TRUE(read.sets.empty());
    EXPECT_EQ(problemsOf(read), QStringList{"1: not a three-line element set"});
}

TEST(ElementFileReader, TheCsvFormIsKnownByItsHeaderAfterBlankLines) {
    const QString text =
        "\r\nOBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n"
        " SIX DIGITS [+] ,1998-067A,2026-12-07T12:00:00.000000,15.5,.0006,51.64,120,80,280,"
        "0,U,412345,999,30001,.00021,.00012,0\r\n"
        "BROKEN,x\r\n";
    const ElementSetText read = readElementSetText(text);
    EXPECT_EQ(namesOf(read), QStringList{"SIX DIGITS@3#412345"});
    EXPECT_EQ(problemsOf(read), QStringList{"4: not a CSV element record"});
}

}  // namespace

// The example set of the published format description, whose lines carry checksum 7.
TEST(ElementFileReader, TheChecksumAddsTheDigitsAndCountsMinusSignsAsOne) {
    EXPECT_EQ(elementLineChecksum(
                  u"1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927"),
              7);
    EXPECT_EQ(elementLineChecksum(
                  u"2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537"),
              7);
    EXPECT_EQ(elementLineChecksum(u"1 -----"), 6) << "1 plus five minus signs";
}

// Sets that cannot describe an orbit are rejected with their line and reason, and the sound
// set after them is read all the same.
TEST(ElementFileReader, SetsThatCannotDescribeAnOrbitAreRejected) {
    const auto broken = [](int line, qsizetype column, const QString& text) {
        QString line1 = station1;
        QString line2 = station2;
        (line == 1 ? line1 : line2).replace(column - 1, text.size(), text);
        return QStringLiteral("BROKEN\n%1\n%2\n")
            .arg(withChecksum(line1), column == 69 ? line2 : withChecksum(line2));
    };
    const struct {
        QString text;
        QString reason;
    } cases[] = {
        {broken(2, 69, "0"), "element line 2 has checksum 0 where its digits give 9"},
        {"X\n" + station1.left(68) + "\n" + station2 + "\n",
         "element line 1 has no checksum in column 69"},
        {broken(2, 53, " 0.00000000"), "mean motion 0 is not above 0 revolutions a day"},
        {broken(2, 53, "-1.50000000"), "mean motion -1.5 is not above 0 revolutions a day"},
        {broken(2, 53, "           "), "mean motion 0 is not above 0 revolutions a day"},
        {broken(1, 21, "000"), "epoch day 0 lies outside 1 to 366"},
        {broken(1, 21, "367"), "epoch day 367 lies outside 1 to 366"},
        {broken(2, 55, "X"), "element line 2 has 'X' in numeric column 55"},
        {broken(1, 25, "O"), "element line 1 has 'O' in numeric column 25"},
        {broken(2, 27, "-000600"), "element line 2 has '-' in numeric column 27"},
        {broken(2, 3, "9002"), "the element lines carry different catalogue numbers"},
    };
    for (const auto& [text, reason] : cases) {
        const ElementSetText read = readElementSetText(text + set("GOOD", "99001"));
        EXPECT_EQ(namesOf(read), QStringList{"GOOD@4#99001"}) << reason.toStdString();
        EXPECT_EQ(problemsOf(read), QStringList{"1: " + reason});
        EXPECT_EQ(read.rejectedSets(), 1);
    }
    EXPECT_EQ(readElementSetText("# comment\n" + set("GOOD", "99001")).rejectedSets(), 0)
        << "a stray line is no rejected set";
}

TEST(ElementFileReader, CsvRecordsGetTheSameValueChecks) {
    const QString header =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n";
    const auto record = [](const char* meanMotion, const char* eccentricity) {
        return QStringLiteral(
                   "X,1998-067A,2026-12-07T12:00:00,%1,%2,51.64,120,80,280,0,U,"
                   "25544,999,30001,.00021,.00012,0\n")
            .arg(QLatin1String(meanMotion), QLatin1String(eccentricity));
    };
    const ElementSetText read =
        readElementSetText(header + record("0", ".0006") + record("-15.5", ".0006") +
                           record("15.5", "1.0") + record("15.5", "-.1") + record("15.5", ".9999"));
    EXPECT_EQ(namesOf(read), QStringList{"X@6#25544"});
    EXPECT_EQ(problemsOf(read),
              (QStringList{"2: mean motion 0 is not above 0 revolutions a day",
                           "3: mean motion -15.5 is not above 0 revolutions a day",
                           "4: eccentricity 1 lies outside 0 to 1",
                           "5: eccentricity -0.1 lies outside 0 to 1"}));
    EXPECT_EQ(read.rejectedSets(), 4);
}

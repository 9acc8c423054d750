// The one reader of element-set files: a well-formed file read by threes, and the messes of
// real files (blank and stray lines, a set without its name line, short lines, CR LF, a CSV
// header after blank lines) reported with their line numbers and never shifting later sets.
#include <gtest/gtest.h>

#include <QStringList>

#include "ElementSetReader.h"

namespace {

QString set(const QString& nameLine, const QString& number) {
    return nameLine + u'\n' +
           QStringLiteral("1 %1U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998\n")
               .arg(number) +
           QStringLiteral("2 %1  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019\n")
               .arg(number);
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

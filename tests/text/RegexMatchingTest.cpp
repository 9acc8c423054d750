// Splitting, ranges and captures, with positions in UTF-16 code units.
#include <gtest/gtest.h>

#include "RegexOperations.h"

namespace {

const QString lineBreaks = QStringLiteral("\r?\n");
const QString link = QStringLiteral("<a\\shref=\"([^.]*\\.txt)\">([^<]*)</a>");
const QString coordinate =
    QStringLiteral("([+-])?(\\d{1,3})[°:• ]\\s*(\\d{1,2})[': ]\\s*([0-9.]+)?\"?");

TEST(ComponentsSeparatedByRegex, SplitsLinesAndHandlesEmptyTextAndNoMatch) {
    EXPECT_EQ(componentsSeparatedByRegex(QStringLiteral("one\r\ntwo\nthree\n"), lineBreaks),
              (QStringList{"one", "two", "three", ""}));
    EXPECT_TRUE(componentsSeparatedByRegex(QString(), lineBreaks).isEmpty());
    EXPECT_TRUE(componentsSeparatedByRegex(QStringLiteral(""), lineBreaks).isEmpty());
    EXPECT_EQ(componentsSeparatedByRegex(QStringLiteral("a\rb\r"), lineBreaks),
              (QStringList{"a\rb\r"}));
}

TEST(ComponentsSeparatedByRegex, CutsAtUtf16PositionsBehindSurrogatePairs) {
    const QString text = QStringLiteral("51°30' 🛰 x°y");
    EXPECT_EQ(componentsSeparatedByRegex(text, QStringLiteral("°")),
              (QStringList{"51", "30' 🛰 x", "y"}));
}

TEST(RangeOfRegex, FindsACaselessLinkAndItsGroups) {
    const QString page = QStringLiteral("<p>x</p><A HREF=\"stations.txt\">Space Stations</a>");
    const TextRange whole{0, page.size()};
    EXPECT_EQ(rangeOfRegex(page, link, regexCaseless, whole, 0), (TextRange{8, 41}));
    EXPECT_EQ(rangeOfRegex(page, link, regexCaseless, whole, 1), (TextRange{17, 12}));
    EXPECT_EQ(rangeOfRegex(page, link, regexCaseless, whole, 2), (TextRange{31, 14}));
    EXPECT_FALSE(rangeOfRegex(page, link, regexNoOptions, whole, 0).found());
}

TEST(RangeOfRegex, SearchesOnlyInsideTheRangeAndCountsUtf16Units) {
    const QString text = QStringLiteral("🛰 a.txt b.txt");
    const QString pattern = QStringLiteral("[a-z]\\.txt");
    EXPECT_EQ(rangeOfRegex(text, pattern, 0, {0, text.size()}, 0), (TextRange{3, 5}));
    EXPECT_EQ(rangeOfRegex(text, pattern, 0, {4, text.size() - 4}, 0), (TextRange{9, 5}));
    EXPECT_EQ(rangeOfRegex(text, pattern, 0, {0, 7}, 0), (TextRange{TextRange::notFound, 0}));
}

TEST(StringByMatching, ReadsCoordinateGroupsAndGivesEmptyForAnAbsentGroup) {
    const QString typed = QStringLiteral("-51° 28' 40.12\"");
    EXPECT_EQ(stringByMatching(typed, coordinate, 1), "-");
    EXPECT_EQ(stringByMatching(typed, coordinate, 2), "51");
    EXPECT_EQ(stringByMatching(typed, coordinate, 4), "40.12");

    const std::optional<QString> seconds =
        stringByMatching(QStringLiteral("51:28:"), coordinate, 4);
    ASSERT_TRUE(seconds.has_value());
    EXPECT_TRUE(seconds->isEmpty());
    EXPECT_EQ(stringByMatching(QStringLiteral("north"), coordinate, 2), std::nullopt);
}

TEST(RegexCache, GivesTheSameAnswersWhenMorePatternsThanSlotsAreUsed) {
    for (int round = 0; round < 3; ++round) {
        for (int n = 0; n < 40; ++n) {
            const QString text = QStringLiteral("a%1b%1c").arg(n);
            EXPECT_EQ(componentsSeparatedByRegex(text, QString::number(n)),
                      (QStringList{"a", "b", "c"}));
        }
        if (round == 1) clearRegexCache();
    }
}

}  // namespace

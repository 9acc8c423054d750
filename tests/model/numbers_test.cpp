#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "CatalogNumber.h"
#include "LenientNumber.h"

TEST(LenientNumber, ReadsAsFarAsTheTextFormsANumber) {
    EXPECT_EQ(leadingDouble(u"  12.5abc"), 12.5);
    EXPECT_EQ(leadingDouble(u"-3e2x"), -300.0);
    EXPECT_EQ(leadingDouble(u"+.5"), 0.5);
    EXPECT_EQ(leadingDouble(u".11606E-4"), .11606E-4);
    EXPECT_EQ(leadingDouble(u"2E+z"), 2.0);  // an exponent without digits is left out
    EXPECT_EQ(leadingDouble(u"1.5.5"), 1.5);
    for (const char16_t* none : {u"", u"abc", u".", u"-", u"+e5", u" - 1", u" .E-0"}) {
        EXPECT_EQ(leadingDouble(none), 0.0);
        EXPECT_FALSE(beginsWithNumber(none));
    }
    EXPECT_EQ(leadingInt(u"  42abc") + leadingInt(u"-17") + leadingInt(u"+8"), 33);
    EXPECT_EQ(leadingInt(u"12.7"), 12);
    EXPECT_EQ(leadingInt(u"x1"), 0);
    constexpr auto limits = std::numeric_limits<std::int32_t>();
    EXPECT_EQ(leadingInt(u"2147483647"), limits.max());
    EXPECT_EQ(leadingInt(u"99999999999999999999"), limits.max());
    EXPECT_EQ(leadingInt(u"-2147483648"), limits.min());
    EXPECT_EQ(leadingInt(u"-99999999999999999999"), limits.min());
}

TEST(CatalogNumber, PlainDigitsAndTheAlpha5Form) {
    EXPECT_EQ(readCatalogNumber(u"1 25544U 98067A"), 25544);
    EXPECT_EQ(readCatalogNumber(u"1  1234U"), 1234);
    EXPECT_EQ(readCatalogNumber(u"1 A0000U"), 100000);
    EXPECT_EQ(readCatalogNumber(u"1 A0001U"), 100001);
    EXPECT_EQ(readCatalogNumber(u"1 H9999U"), 179999);
    EXPECT_EQ(readCatalogNumber(u"1 J0000U"), 180000);  // I is skipped
    EXPECT_EQ(readCatalogNumber(u"1 P0000U"), 230000);  // and so is O
    EXPECT_EQ(readCatalogNumber(u"1 Z9999"), 339999);
    for (const char16_t* line :
         {u"1 I0000U", u"1 O0000U", u"1 a0001U", u"1 A12x4U", u"1 A00", u""}) {
        EXPECT_EQ(readCatalogNumber(line), 0);
    }
}

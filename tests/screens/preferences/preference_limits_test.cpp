// The ranges typed preference numbers are held to.
#include <gtest/gtest.h>

#include <QString>
#include <limits>

#include "PreferenceLimits.h"

namespace {

using namespace preferences;

TEST(PreferenceLimits, TimelineSpansTwelveToSixtyHours) {
    constexpr auto limits = std::numeric_limits<std::int32_t>();
    EXPECT_EQ(timelineDurationFor(5), 12);
    EXPECT_EQ(timelineDurationFor(11), 12);
    EXPECT_EQ(timelineDurationFor(limits.min()), 12);
    EXPECT_EQ(timelineDurationFor(12), 12);
    EXPECT_EQ(timelineDurationFor(30), 30);
    EXPECT_EQ(timelineDurationFor(60), 60);
    EXPECT_EQ(timelineDurationFor(61), 60);
    EXPECT_EQ(timelineDurationFor(100), 60);
}

TEST(PreferenceLimits, ATypedNumberIsItsLeadingNumberWithinItsRange) {
    const auto read = [](QStringView text, Range range) {
        const NumberReading reading = readNumber(text, range);
        return std::pair(reading.problem, reading.value);
    };
    EXPECT_EQ(read(u" -3.9°", elevationRange), std::pair(FieldProblem::none, -3.9));
    EXPECT_EQ(read(u"90", elevationRange), std::pair(FieldProblem::none, 90.0));
    EXPECT_EQ(read(u"95", latitudeRange), std::pair(FieldProblem::outOfRange, 95.0));
    EXPECT_EQ(read(u"-1", dayRange).first, FieldProblem::outOfRange);
    EXPECT_EQ(read(u"1e999", altitudeRange).first, FieldProblem::outOfRange);
    for (const QStringView text : {u"abc", u"", u"  ", u"-", u"."}) {
        EXPECT_EQ(read(text, dayRange).first, FieldProblem::unreadable)
            << text.toString().toStdString();
    }
}

}  // namespace

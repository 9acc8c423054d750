// The ranges typed preference numbers are held to.
#include <gtest/gtest.h>

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

TEST(PreferenceLimits, MinimumElevationIsTheTypedNumberTruncatedTowardZero) {
    constexpr auto limits = std::numeric_limits<std::int32_t>();
    EXPECT_EQ(minimumElevationFromText(u"12.7"), 12);
    EXPECT_EQ(minimumElevationFromText(u" -3.9°"), -3);
    EXPECT_EQ(minimumElevationFromText(u"1e2"), 100);
    EXPECT_EQ(minimumElevationFromText(u"high"), 0);
    EXPECT_EQ(minimumElevationFromText(u"1e20"), limits.max());
    EXPECT_EQ(minimumElevationFromText(u"-1e999"), limits.min());
}

}  // namespace

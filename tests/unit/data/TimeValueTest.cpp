#include <gtest/gtest.h>

#include <climits>

#include "data/PimDateTime.h"
#include "storage/StorageTestSupport.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::At;
using test::ScopedTimeZone;

std::string Text(const PimDateTime& value)
{
    return value.Format("%Y-%m-%d %H:%M:%S");
}

TEST(TimeValue, FromTimeValueInZonesEitherSideOfGreenwich)
{
    struct Case {
        const char* zone;
        int32_t timeValue;
        const char* local;  // nullptr: invalid
    };
    const Case cases[] = {
        {"America/New_York", 0, "1969-12-31 19:00:00"},
        {"Europe/Berlin", 0, "1970-01-01 01:00:00"},
        {"America/New_York", -1, nullptr},
        {"Europe/Berlin", INT_MIN, nullptr},
        {"America/New_York", INT_MAX, "2038-01-18 22:14:07"},
        {"Europe/Berlin", INT_MAX, "2038-01-19 04:14:07"},
        {"America/New_York", 1783300000, "2026-07-05 21:06:40"},
        {"Europe/Berlin", 1783300000, "2026-07-06 03:06:40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.timeValue);
        ScopedTimeZone zone(c.zone);
        const PimDateTime value = PimDateTime::FromTimeValue(c.timeValue);
        EXPECT_EQ(value.IsValid(), c.local != nullptr);
        if (c.local) {
            EXPECT_EQ(Text(value), c.local);
            EXPECT_EQ(value.ToTimeValue(), c.timeValue);
        }
    }
}

TEST(TimeValue, OnlyValuesFrom1970To2038AreRepresentable)
{
    struct Case {
        const char* zone;
        PimDateTime local;
        int32_t expected;
    };
    const Case cases[] = {
        {"America/New_York", At(1969, 6, 1), -1},
        {"America/New_York", At(1899, 12, 30, 12), -1},
        {"America/New_York", At(1970, 1, 1), 18000},
        {"Europe/Berlin", At(1970, 1, 1), -1},  // 23:00 UTC the day before
        {"Europe/Berlin", At(1970, 1, 1, 1), 0},
        {"America/New_York", At(2038, 1, 18, 22, 14, 7), INT_MAX},
        {"America/New_York", At(2038, 1, 18, 22, 14, 8), -1},
        {"Europe/Berlin", At(2038, 1, 19, 4, 14, 8), -1},
        {"America/New_York", At(9999, 12, 31), -1},
        {"America/New_York", PimDateTime(), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << Text(c.local));
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(c.local.ToTimeValue(), c.expected);
    }
}

// The minute-by-minute agreement with the C library is LocalTime's test; here the days the
// clocks change, as PimDateTime sees them.
TEST(TimeValue, DaylightSavingTransitionDays)
{
    struct Case {
        const char* zone;
        int month, day;
        int gapHour;  // -1: the day the clocks go back
    };
    const Case cases[] = {
        {"America/New_York", 3, 8, 2},
        {"America/New_York", 11, 1, -1},
        {"Europe/Berlin", 3, 29, 2},
        {"Europe/Berlin", 10, 25, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.month << "/" << c.day);
        ScopedTimeZone zone(c.zone);
        const int32_t length =
            At(2026, c.month, c.day + 1).ToTimeValue() - At(2026, c.month, c.day).ToTimeValue();
        EXPECT_EQ(length, c.gapHour >= 0 ? 23 * 3600 : 25 * 3600);
        for (int h : {0, 1, 2, 3, 23}) {
            const PimDateTime local = At(2026, c.month, c.day, h, 30);
            const PimDateTime back = PimDateTime::FromTimeValue(local.ToTimeValue());
            const int expectedHour = h == c.gapHour ? h + 1 : h;  // the gap moves forward
            EXPECT_EQ(back.GetHour(), expectedHour) << h;
            EXPECT_EQ(local.GetHour(), expectedHour) << h;  // the getters normalise alike
            EXPECT_EQ(back.GetMinute(), 30);
        }
    }
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include <climits>

#include "data/PimDateTime.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::ScopedTimeZone;

PimDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    PimDateTime value;
    EXPECT_TRUE(value.SetDateTime(y, mo, d, h, mi, s));
    return value;
}

std::string Text(const PimDateTime& value)
{
    return value.Format("%Y-%m-%d %H:%M:%S");
}

TEST(TimeValue, ConversionsInZonesEitherSideOfGreenwich)
{
    struct Case {
        const char* zone;
        int32_t timeValue;
        const char* local;  // nullptr: invalid
    };
    const Case cases[] = {
        {"America/New_York", 0, "1969-12-31 19:00:00"},
        {"Europe/Berlin", 0, "1970-01-01 01:00:00"},
        {"UTC", 0, "1970-01-01 00:00:00"},
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
        if (!c.local) {
            EXPECT_FALSE(value.IsValid());
            continue;
        }
        EXPECT_EQ(Text(value), c.local);
        EXPECT_EQ(value.ToTimeValue(), c.timeValue);
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
        {"America/New_York", At(2038, 1, 18), 2147403600},
        {"Europe/Berlin", At(2038, 1, 19, 4, 14, 8), -1},
        {"America/New_York", At(9999, 12, 31), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << Text(c.local));
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(c.local.ToTimeValue(), c.expected);
    }
}

// Every minute of the days the clocks change converts to a time value and back to the
// same local time, except the hour that does not exist, which moves forward.
TEST(TimeValue, DaylightSavingTransitionDays)
{
    struct Case {
        const char* zone;
        int year, month, day;
        int gapHour;  // -1: the day the clocks go back
    };
    const Case cases[] = {
        {"America/New_York", 2026, 3, 8, 2},
        {"America/New_York", 2026, 11, 1, -1},
        {"Europe/Berlin", 2026, 3, 29, 2},
        {"Europe/Berlin", 2026, 10, 25, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.month << "/" << c.day);
        ScopedTimeZone zone(c.zone);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const int h = minute / 60, mi = minute % 60;
            const PimDateTime local = At(c.year, c.month, c.day, h, mi);
            const int32_t t = local.ToTimeValue();
            ASSERT_GT(t, 0);
            const PimDateTime back = PimDateTime::FromTimeValue(t);
            if (h == c.gapHour) {
                EXPECT_EQ(back.GetHour(), h + 1);
                EXPECT_EQ(local.GetHour(), h + 1);  // the getters normalise the same way
            } else {
                EXPECT_EQ(back, local) << h << ":" << mi;
            }
        }
        const PimDateTime midnight = At(c.year, c.month, c.day);
        const PimDateTime next = At(c.year, c.month, c.day + 1);
        const int32_t length = next.ToTimeValue() - midnight.ToTimeValue();
        EXPECT_EQ(length, c.gapHour >= 0 ? 23 * 3600 : 25 * 3600);
    }
}

}  // namespace
}  // namespace orvane

#include "platform/CivilCalendar.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(CivilCalendar, KnownDayNumbers)
{
    struct Case {
        int64_t year;
        int month, day;
        int64_t days;
        int weekday;
    };
    const Case cases[] = {
        {1970, 1, 1, 0, 4},         {1899, 12, 30, -25569, 6}, {2000, 2, 29, 11016, 2},
        {2000, 3, 1, 11017, 3},     {1900, 3, 1, -25508, 4},   {100, 1, 1, -683003, 5},
        {9999, 12, 31, 2932896, 5}, {2026, 12, 5, 20792, 6},   {1969, 12, 31, -1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(CivilCalendar::DaysFromCivil(c.year, c.month, c.day), c.days);
        const auto back = CivilCalendar::CivilFromDays(c.days);
        EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day,
                  c.year * 10000 + c.month * 100 + c.day);
        EXPECT_EQ(CivilCalendar::DayOfWeek(c.days), c.weekday);
    }
}

TEST(CivilCalendar, MonthLengthsFollowTheGregorianLeapRule)
{
    const int cases[][3] = {{1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2026, 2, 28},
                            {2026, 1, 31}, {2026, 13, 0}, {2026, 0, 0}};
    for (const auto& [year, month, days] : cases) {
        EXPECT_EQ(CivilCalendar::DaysInMonth(year, month), days) << year << "-" << month;
    }
    // Every month of a year together makes the year the day numbers count.
    for (int year : {1900, 2000, 2024, 2026}) {
        int sum = 0;
        for (int month = 1; month <= 12; ++month) {
            sum += CivilCalendar::DaysInMonth(year, month);
        }
        EXPECT_EQ(sum, CivilCalendar::DaysFromCivil(year + 1, 1, 1) -
                           CivilCalendar::DaysFromCivil(year, 1, 1))
            << year;
    }
}

}  // namespace
}  // namespace orvane

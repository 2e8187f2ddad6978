#pragma once

#include <cstdint>

namespace orvane {

// Proleptic Gregorian calendar arithmetic on day numbers counted from 1 January 1970.
class CivilCalendar {
public:
    struct Date {
        int64_t year;
        int month;  // 1-12
        int day;    // 1-31
    };

    static int64_t DaysFromCivil(int64_t year, int month, int day);
    static Date CivilFromDays(int64_t days);
    static bool IsLeapYear(int64_t year);
    static int DaysInMonth(int64_t year, int month);
    // 0 = Sunday.
    static int DayOfWeek(int64_t days);
};

}  // namespace orvane

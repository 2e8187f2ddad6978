#include "interop/ExpansionWindow.h"

#include <algorithm>

#include "platform/CivilCalendar.h"

namespace orvane::interop {

namespace {

PimDateTime SameDayInYear(const SystemTime& today, int year)
{
    PimDateTime day;
    day.SetDateTime(year, today.month,
                    std::min<int>(today.day, CivilCalendar::DaysInMonth(year, today.month)), 0, 0,
                    0);
    return day;
}

}  // namespace

ExpansionWindow ExpansionWindow::Default()
{
    SystemTime today;
    PimDateTime::Today().GetAsSystemTime(today);
    return {SameDayInYear(today, today.year - 1), SameDayInYear(today, today.year + 2)};
}

}  // namespace orvane::interop

#include "data/PimDateTime.h"

#include <locale.h>
#include <time.h>

#include <cmath>
#include <ctime>

#include "data/LocalTime.h"
#include "platform/CivilCalendar.h"
#include "platform/Clock.h"

namespace orvane {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Day number of 30 December 1899 counted from 1 January 1970.
int64_t EpochDays()
{
    static const int64_t days = CivilCalendar::DaysFromCivil(1899, 12, 30);
    return days;
}

// Pictures such as "%I:%M %p" are read as the C runtime does before any setlocale() call,
// whatever locale the window has since set for the process: under most locales %p is
// empty and the names are not English.
locale_t ClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

}  // namespace

PimDateTime::PimDateTime(const SystemTime& time)
{
    SetDateTime(time.year, time.month, time.day, time.hour, time.minute, time.second);
}

PimDateTime PimDateTime::FromValue(double value)
{
    return PimDateTime(value);
}

PimDateTime PimDateTime::FromTimeValue(int32_t timeValue)
{
    const auto local = LocalTime::FromTimeValue(timeValue);
    return local ? PimDateTime(*local) : PimDateTime();
}

PimDateTime PimDateTime::Now()
{
    return PimDateTime(Clock::Current().LocalNow());
}

PimDateTime PimDateTime::Today()
{
    const SystemTime now = Clock::Current().LocalNow();
    PimDateTime today;
    today.SetDateTime(now.year, now.month, now.day, 0, 0, 0);
    return today;
}

bool PimDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const auto y = static_cast<uint16_t>(year), mo = static_cast<uint16_t>(month),
               d = static_cast<uint16_t>(day), h = static_cast<uint16_t>(hour),
               mi = static_cast<uint16_t>(minute), s = static_cast<uint16_t>(second);
    m_value = kInvalidValue;
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 ||
        d > CivilCalendar::DaysInMonth(y, mo) || h > 23 || mi > 59 || s > 59) {
        return false;
    }
    const int64_t days = CivilCalendar::DaysFromCivil(y, mo, d) - EpochDays();
    const double fraction = (h * 3600 + mi * 60 + s) / static_cast<double>(kSecondsPerDay);
    const double value =
        days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    // The range is closed at midnight on both ends: later times of 1 January 100 and of
    // 31 December 9999 lie outside it.
    if (value >= kMinValue && value <= kMaxValue) {
        m_value = value;
    }
    return IsValid();
}

bool PimDateTime::GetAsSystemTime(SystemTime& out) const
{
    out = SystemTime{};
    if (!IsValid()) {
        return false;
    }
    const double whole = std::trunc(m_value);
    int64_t days = static_cast<int64_t>(whole);
    int64_t seconds = std::llround(std::fabs(m_value - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {  // rounds up into the next calendar day
        seconds -= kSecondsPerDay;
        days += 1;
    }
    const int64_t civil = days + EpochDays();
    const CivilCalendar::Date date = CivilCalendar::CivilFromDays(civil);
    if (date.year < 100 || date.year > 9999) {
        return false;
    }
    out.year = static_cast<uint16_t>(date.year);
    out.month = static_cast<uint16_t>(date.month);
    out.day = static_cast<uint16_t>(date.day);
    out.dayOfWeek = static_cast<uint16_t>(CivilCalendar::DayOfWeek(civil));
    out.hour = static_cast<uint16_t>(seconds / 3600);
    out.minute = static_cast<uint16_t>(seconds / 60 % 60);
    out.second = static_cast<uint16_t>(seconds % 60);
    return true;
}

PimDateTime PimDateTime::DateOnly() const
{
    SystemTime st;
    if (!GetAsSystemTime(st)) {
        return *this;
    }
    PimDateTime day;
    day.SetDateTime(st.year, st.month, st.day, 0, 0, 0);
    return day;
}

int32_t PimDateTime::ToTimeValue() const
{
    SystemTime st;
    if (!GetAsSystemTime(st)) {
        return -1;
    }
    return LocalTime::ToTimeValue(st);
}

bool PimDateTime::Normalised(SystemTime& out) const
{
    if (!GetAsSystemTime(out)) {
        return false;
    }
    out = LocalTime::Normalise(out);
    return true;
}

int PimDateTime::GetYear() const
{
    SystemTime st;
    return Normalised(st) ? st.year : kBadComponent;
}

int PimDateTime::GetMonth() const
{
    SystemTime st;
    return Normalised(st) ? st.month : kBadComponent;
}

int PimDateTime::GetDay() const
{
    SystemTime st;
    return Normalised(st) ? st.day : kBadComponent;
}

int PimDateTime::GetHour() const
{
    SystemTime st;
    return Normalised(st) ? st.hour : kBadComponent;
}

int PimDateTime::GetMinute() const
{
    SystemTime st;
    return Normalised(st) ? st.minute : kBadComponent;
}

int PimDateTime::GetSecond() const
{
    SystemTime st;
    return Normalised(st) ? st.second : kBadComponent;
}

std::string PimDateTime::FormatDate(const LocaleFormat& locale, DateStyle style,
                                    std::string_view picture) const
{
    SystemTime st;
    return GetAsSystemTime(st) ? locale.FormatDate(st, style, picture) : std::string();
}

std::string PimDateTime::FormatTime(const LocaleFormat& locale, TimeStyle style,
                                    std::string_view picture) const
{
    SystemTime st;
    return GetAsSystemTime(st) ? locale.FormatTime(st, style, picture) : std::string();
}

std::string PimDateTime::Format(const char* picture) const
{
    SystemTime st;
    if (!Normalised(st)) {
        return {};
    }
    tm t{};
    t.tm_sec = st.second;
    t.tm_min = st.minute;
    t.tm_hour = st.hour;
    t.tm_mday = st.day;
    t.tm_mon = st.month - 1;
    t.tm_year = st.year - 1900;
    t.tm_wday = st.dayOfWeek;
    t.tm_yday = static_cast<int>(CivilCalendar::DaysFromCivil(st.year, st.month, st.day) -
                                 CivilCalendar::DaysFromCivil(st.year, 1, 1));
    t.tm_isdst = -1;
    char buffer[4096];
    const locale_t classic = ClassicLocale();
    const size_t length = classic ? strftime_l(buffer, sizeof buffer, picture, &t, classic)
                                  : std::strftime(buffer, sizeof buffer, picture, &t);
    return std::string(buffer, length);
}

double PimDateTime::Linear() const
{
    return m_value >= 0 ? m_value : 2 * std::ceil(m_value) - m_value;
}

double PimDateTime::FromLinear(double linear)
{
    return linear >= 0 ? linear : 2 * std::floor(linear) - linear;
}

PimDateTime PimDateTime::operator+(const PimTimeSpan& span) const
{
    if (!IsValid() || !span.IsValid()) {
        return PimDateTime();
    }
    return PimDateTime(FromLinear(Linear() + span.Days()));
}

PimDateTime PimDateTime::operator-(const PimTimeSpan& span) const
{
    if (!IsValid() || !span.IsValid()) {
        return PimDateTime();
    }
    return PimDateTime(FromLinear(Linear() - span.Days()));
}

PimTimeSpan PimDateTime::operator-(const PimDateTime& other) const
{
    if (!IsValid() || !other.IsValid()) {
        return PimTimeSpan::Invalid();
    }
    return PimTimeSpan(Linear() - other.Linear());
}

}  // namespace orvane

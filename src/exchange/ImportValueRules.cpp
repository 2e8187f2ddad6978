#include "exchange/ImportValueRules.h"

#include "exchange/CText.h"
#include "platform/CivilCalendar.h"
#include "platform/LocaleFormat.h"

namespace orvane {

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

std::optional<PimDateTime> ImportValueRules::ParseDay(std::string_view text)
{
    const auto parsed = LocaleFormat::UserDefault().ParseDate(text);
    if (!parsed) {
        return std::nullopt;
    }
    PimDateTime day;
    if (!day.SetDateTime(parsed->year, parsed->month, parsed->day, 0, 0, 0)) {
        return std::nullopt;
    }
    return day;
}

std::optional<int> ImportValueRules::ParseMinuteOfDay(std::string_view text)
{
    const auto parsed = LocaleFormat::UserDefault().ParseTime(text);
    if (!parsed || !PimDateTime(*parsed).IsValid()) {
        return std::nullopt;
    }
    return parsed->hour * 60 + parsed->minute;
}

int ImportValueRules::SnapStart(int minuteOfDay)
{
    const int m = minuteOfDay % 15;
    if (m == 0) {
        return minuteOfDay;
    }
    return m <= 7 ? minuteOfDay - m : minuteOfDay + 15 - m;
}

int ImportValueRules::SnapEnd(int minuteOfDay)
{
    const int m = minuteOfDay % 15;
    if (m == 0) {
        return minuteOfDay;
    }
    return m <= 6 ? minuteOfDay - m : minuteOfDay + 15 - m;
}

int ImportValueRules::SnapAlarmLead(int32_t minutes)
{
    const int32_t r = minutes % 5;  // takes the sign of minutes
    if (r == 1 || r == 2) {
        return minutes - r;
    }
    if (r == 3 || r == 4) {
        return minutes + (5 - r);
    }
    return minutes;
}

std::optional<PimDateTime> ImportValueRules::AtMinute(const PimDateTime& day, int64_t minutes)
{
    SystemTime st;
    if (!day.GetAsSystemTime(st)) {
        return std::nullopt;
    }
    const int64_t dayShift = FloorDiv(minutes, 1440);
    const int64_t minuteOfDay = minutes - dayShift * 1440;
    const auto date = CivilCalendar::CivilFromDays(
        CivilCalendar::DaysFromCivil(st.year, st.month, st.day) + dayShift);
    if (date.year < 100 || date.year > 9999) {
        return std::nullopt;
    }
    PimDateTime result;
    if (!result.SetDateTime(static_cast<int>(date.year), date.month, date.day,
                            static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60),
                            0)) {
        return std::nullopt;
    }
    return result;
}

int32_t ImportValueRules::Priority(std::string_view text)
{
    const int32_t value = CText::Atoi(text);
    return value >= 0 && value <= 3 ? value : 0;
}

bool ImportValueRules::ListingFlag(std::string_view text)
{
    const std::string lower = CText::ToLower(text);
    return lower == "1" || lower == "true" || lower == "yes";
}

bool ImportValueRules::AlarmFlag(std::string_view text)
{
    const std::string lower = CText::ToLower(text);
    return lower == "true" || lower == "t" || lower == "yes" || lower == "1";
}

}  // namespace orvane

#include "interop/IcalTime.h"

#include <limits>

namespace orvane::interop {

namespace {

PimDateTime FromTm(const tm& t)
{
    PimDateTime value;
    value.SetDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
                      t.tm_sec > 59 ? 59 : t.tm_sec);
    return value;
}

icaltimetype Components(const PimDateTime& local)
{
    SystemTime st;
    icaltimetype time = icaltime_null_time();
    if (local.GetAsSystemTime(st)) {
        time.year = st.year;
        time.month = st.month;
        time.day = st.day;
        time.hour = st.hour;
        time.minute = st.minute;
        time.second = st.second;
    }
    return time;
}

}  // namespace

bool IcalTime::IsWallClock(const icaltimetype& time)
{
    return time.is_date || (!icaltime_is_utc(time) && time.zone == nullptr);
}

PimDateTime IcalTime::ToLocal(const icaltimetype& time)
{
    if (icaltime_is_null_time(time)) {
        return PimDateTime();
    }
    if (IsWallClock(time)) {
        PimDateTime value;
        value.SetDateTime(time.year, time.month, time.day, time.is_date ? 0 : time.hour,
                          time.is_date ? 0 : time.minute, time.is_date ? 0 : time.second);
        return value;
    }
    return FromInstant(
        icaltime_as_timet_with_zone(time, time.zone ? time.zone : icaltimezone_get_utc_timezone()));
}

PimDateTime IcalTime::FromInstant(time_t instant)
{
    if (instant >= 0 && instant <= std::numeric_limits<int32_t>::max()) {
        return PimDateTime::FromTimeValue(static_cast<int32_t>(instant));
    }
    tm t{};
    return localtime_r(&instant, &t) ? FromTm(t) : PimDateTime();
}

PimDateTime IcalTime::FromWallClock(time_t wall)
{
    tm t{};
    return gmtime_r(&wall, &t) ? FromTm(t) : PimDateTime();
}

icaltimetype IcalTime::WallClock(const PimDateTime& local)
{
    return Components(local);
}

icaltimetype IcalTime::DateFromLocal(const PimDateTime& local)
{
    icaltimetype date = Components(local);
    date.is_date = 1;
    date.hour = date.minute = date.second = 0;
    return date;
}

icaltimetype IcalTime::UtcFromLocal(const PimDateTime& local)
{
    return icaltime_from_timet_with_zone(local.ToTimeValue(), 0, icaltimezone_get_utc_timezone());
}

PimDateTime IcalTime::WholeSeconds(const PimDateTime& time)
{
    SystemTime st;
    return time.GetAsSystemTime(st) ? PimDateTime(st) : time;
}

bool IcalTime::IsStorable(const PimDateTime& local)
{
    return local.IsValid() && local.ToTimeValue() != -1;
}

}  // namespace orvane::interop

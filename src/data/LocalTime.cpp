#include "data/LocalTime.h"

#include <cerrno>
#include <ctime>
#include <limits>

namespace orvane {

namespace {

tm ToTm(const SystemTime& st)
{
    tm t{};
    t.tm_sec = st.second;
    t.tm_min = st.minute;
    t.tm_hour = st.hour;
    t.tm_mday = st.day;
    t.tm_mon = st.month - 1;
    t.tm_year = st.year - 1900;
    t.tm_wday = st.dayOfWeek;
    t.tm_isdst = -1;
    return t;
}

SystemTime FromTm(const tm& t)
{
    SystemTime st;
    st.year = static_cast<uint16_t>(t.tm_year + 1900);
    st.month = static_cast<uint16_t>(t.tm_mon + 1);
    st.dayOfWeek = static_cast<uint16_t>(t.tm_wday);
    st.day = static_cast<uint16_t>(t.tm_mday);
    st.hour = static_cast<uint16_t>(t.tm_hour);
    st.minute = static_cast<uint16_t>(t.tm_min);
    st.second = static_cast<uint16_t>(t.tm_sec > 59 ? 59 : t.tm_sec);
    return st;
}

}  // namespace

std::optional<SystemTime> LocalTime::FromTimeValue(int32_t timeValue)
{
    if (timeValue < 0) {
        return std::nullopt;
    }
    const time_t t = timeValue;
    tm local{};
    if (!localtime_r(&t, &local)) {
        return std::nullopt;
    }
    return FromTm(local);
}

int32_t LocalTime::ToTimeValue(const SystemTime& local)
{
    tm t = ToTm(local);
    const time_t result = mktime(&t);
    if (result < 0 || result > std::numeric_limits<int32_t>::max()) {
        return -1;
    }
    return static_cast<int32_t>(result);
}

SystemTime LocalTime::Normalise(const SystemTime& local)
{
    tm t = ToTm(local);
    errno = 0;
    if (mktime(&t) == static_cast<time_t>(-1) && errno != 0) {
        return local;
    }
    SystemTime st = FromTm(t);
    st.milliseconds = local.milliseconds;
    return st;
}

}  // namespace orvane

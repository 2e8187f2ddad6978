#include "data/LocalTime.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "platform/CivilCalendar.h"

namespace orvane
{

namespace
{

constexpr int64_t kSecondsPerDay = 86400;

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

int32_t ClampToTimeValue(int64_t seconds)
{
    return seconds < 0 || seconds > std::numeric_limits<int32_t>::max()
               ? -1
               : static_cast<int32_t>(seconds);
}

// localtime() and mktime() cost about a microsecond each in glibc, which a big database
// pays for hundreds of thousands of dates. Most days have one UTC offset from start to end,
// so the offset is looked up once per day and the rest is arithmetic. Days with a
// daylight-saving change go to the C library every time. The cache follows TZ.
class ZoneCache
{
public:
    static constexpr int64_t kFirstDay = -3;    // late December 1969 still reaches 1970 UTC
    static constexpr int64_t kLastDay = 24860;  // past 19 January 2038
    static constexpr int32_t kUnknown = std::numeric_limits<int32_t>::min();
    static constexpr int32_t kMixed = kUnknown + 1;

    static ZoneCache& Current()
    {
        thread_local ZoneCache cache;
        cache.FollowTimeZone();
        return cache;
    }

    // The offset (local minus UTC) of a whole local day, or kMixed.
    int32_t LocalDayOffset(int64_t day)
    {
        if (day < kFirstDay || day > kLastDay) {
            return kMixed;
        }
        int32_t& slot = m_localDays[static_cast<size_t>(day - kFirstDay)];
        if (slot == kUnknown) {
            slot = ComputeLocalDayOffset(day);
        }
        return slot;
    }

    // The offset of a whole UTC day, or kMixed.
    int32_t UtcDayOffset(int64_t day)
    {
        if (day < 0 || day > kLastDay) {
            return kMixed;
        }
        int32_t& slot = m_utcDays[static_cast<size_t>(day)];
        if (slot == kUnknown) {
            slot = ComputeUtcDayOffset(day);
        }
        return slot;
    }

private:
    void FollowTimeZone()
    {
        const char* zone = std::getenv("TZ");
        if (m_filled && (zone ? m_hasZone && m_zone == zone : !m_hasZone)) {
            return;
        }
        tzset();
        m_filled = true;
        m_hasZone = zone != nullptr;
        m_zone = zone ? zone : "";
        m_localDays.assign(static_cast<size_t>(kLastDay - kFirstDay + 1), kUnknown);
        m_utcDays.assign(static_cast<size_t>(kLastDay + 1), kUnknown);
    }

    static bool OffsetAt(time_t t, long& offset)
    {
        tm local{};
        if (!localtime_r(&t, &local)) {
            return false;
        }
        offset = local.tm_gmtoff;
        return true;
    }

    static int32_t ComputeLocalDayOffset(int64_t day)
    {
        const CivilCalendar::Date date = CivilCalendar::CivilFromDays(day);
        const CivilCalendar::Date next = CivilCalendar::CivilFromDays(day + 1);
        tm start{}, end{};
        start.tm_year = static_cast<int>(date.year - 1900);
        start.tm_mon = date.month - 1;
        start.tm_mday = date.day;
        start.tm_isdst = -1;
        end.tm_year = static_cast<int>(next.year - 1900);
        end.tm_mon = next.month - 1;
        end.tm_mday = next.day;
        end.tm_isdst = -1;
        errno = 0;
        const time_t t0 = mktime(&start);
        const time_t t1 = mktime(&end);
        long first, last;
        if (errno != 0 || t1 - t0 != kSecondsPerDay || start.tm_hour != 0 || end.tm_hour != 0 ||
            !OffsetAt(t0, first) || !OffsetAt(t1 - 1, last) || first != last ||
            day * kSecondsPerDay - t0 != first) {
            return kMixed;
        }
        return static_cast<int32_t>(first);
    }

    static int32_t ComputeUtcDayOffset(int64_t day)
    {
        long first, last;
        const time_t start = static_cast<time_t>(day * kSecondsPerDay);
        if (!OffsetAt(start, first) || !OffsetAt(start + kSecondsPerDay - 1, last) ||
            first != last) {
            return kMixed;
        }
        return static_cast<int32_t>(first);
    }

    bool m_filled = false;
    bool m_hasZone = false;
    std::string m_zone;
    std::vector<int32_t> m_localDays;
    std::vector<int32_t> m_utcDays;
};

bool IsPlainTime(const SystemTime& st)
{
    return st.month >= 1 && st.month <= 12 && st.day >= 1 &&
           st.day <= CivilCalendar::DaysInMonth(st.year, st.month) && st.hour < 24 &&
           st.minute < 60 && st.second < 60;
}

}  // namespace

std::optional<SystemTime> LocalTime::FromTimeValue(int32_t timeValue)
{
    if (timeValue < 0) {
        return std::nullopt;
    }
    const int32_t offset = ZoneCache::Current().UtcDayOffset(timeValue / kSecondsPerDay);
    if (offset != ZoneCache::kMixed) {
        const int64_t local = static_cast<int64_t>(timeValue) + offset;
        const int64_t days =
            local >= 0 ? local / kSecondsPerDay : -((-local - 1) / kSecondsPerDay) - 1;
        const int64_t seconds = local - days * kSecondsPerDay;
        const CivilCalendar::Date date = CivilCalendar::CivilFromDays(days);
        SystemTime st;
        st.year = static_cast<uint16_t>(date.year);
        st.month = static_cast<uint16_t>(date.month);
        st.day = static_cast<uint16_t>(date.day);
        st.dayOfWeek = static_cast<uint16_t>(CivilCalendar::DayOfWeek(days));
        st.hour = static_cast<uint16_t>(seconds / 3600);
        st.minute = static_cast<uint16_t>(seconds / 60 % 60);
        st.second = static_cast<uint16_t>(seconds % 60);
        return st;
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
    if (IsPlainTime(local)) {
        const int64_t day = CivilCalendar::DaysFromCivil(local.year, local.month, local.day);
        const int32_t offset = ZoneCache::Current().LocalDayOffset(day);
        if (offset != ZoneCache::kMixed) {
            return ClampToTimeValue(day * kSecondsPerDay + local.hour * 3600 + local.minute * 60 +
                                    local.second - offset);
        }
    }
    tm t = ToTm(local);
    return ClampToTimeValue(mktime(&t));
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

#include "data/LocalTime.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "platform/CivilCalendar.h"

namespace orvane {

namespace {

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
class ZoneCache {
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

public:
    static bool OffsetAt(time_t t, long& offset)
    {
        tm local{};
        if (!localtime_r(&t, &local)) {
            return false;
        }
        offset = local.tm_gmtoff;
        return true;
    }

    // The instant a local wall-clock time (seconds since 1970 as if local were UTC) stands
    // for. mktime() answers this too, but for the repeated hour of an autumn change its
    // answer depends on the calls before it, which would let a loaded and saved file change.
    // Here the repeated hour is its first occurrence, and a time in the spring gap is read
    // with the offset before the change (2:30 becomes 3:30), always.
    static int64_t ResolveWallClock(int64_t wall)
    {
        // The offsets on either side of any change near this time.
        constexpr int64_t kReach = 129600;
        long before = 0, after = 0;
        OffsetAt(static_cast<time_t>(wall - kReach), before);
        OffsetAt(static_cast<time_t>(wall + kReach), after);
        int64_t best = 0;
        bool found = false;
        for (const long offset : {before, after}) {
            const int64_t t = wall - offset;
            long actual;
            if (OffsetAt(static_cast<time_t>(t), actual) && actual == offset &&
                (!found || t < best)) {
                best = t;
                found = true;
            }
        }
        return found ? best : wall - before;
    }

private:
    static int32_t ComputeLocalDayOffset(int64_t day)
    {
        const int64_t t0 = ResolveWallClock(day * kSecondsPerDay);
        const int64_t t1 = ResolveWallClock((day + 1) * kSecondsPerDay);
        long first, last;
        if (t1 - t0 != kSecondsPerDay || !OffsetAt(static_cast<time_t>(t0), first) ||
            !OffsetAt(static_cast<time_t>(t1 - 1), last) || first != last ||
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
    if (!IsPlainTime(local)) {
        tm t = ToTm(local);
        return ClampToTimeValue(mktime(&t));
    }
    const int64_t day = CivilCalendar::DaysFromCivil(local.year, local.month, local.day);
    const int64_t wall =
        day * kSecondsPerDay + local.hour * 3600 + local.minute * 60 + local.second;
    if (day < ZoneCache::kFirstDay || day > ZoneCache::kLastDay) {
        return -1;  // far outside 1970-2038 whatever the zone
    }
    ZoneCache& cache = ZoneCache::Current();
    const int32_t offset = cache.LocalDayOffset(day);
    return ClampToTimeValue(offset != ZoneCache::kMixed ? wall - offset
                                                        : ZoneCache::ResolveWallClock(wall));
}

SystemTime LocalTime::Normalise(const SystemTime& local)
{
    if (IsPlainTime(local)) {
        // The same reading of the repeated hour and the spring gap as ToTimeValue.
        ZoneCache::Current();
        const int64_t wall =
            CivilCalendar::DaysFromCivil(local.year, local.month, local.day) * kSecondsPerDay +
            local.hour * 3600 + local.minute * 60 + local.second;
        const time_t instant = static_cast<time_t>(ZoneCache::ResolveWallClock(wall));
        tm t{};
        if (localtime_r(&instant, &t)) {
            SystemTime st = FromTm(t);
            st.milliseconds = local.milliseconds;
            return st;
        }
    }
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

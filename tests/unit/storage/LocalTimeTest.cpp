#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

#include "data/LocalTime.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

SystemTime Local(uint16_t y, uint16_t mo, uint16_t d, uint16_t h, uint16_t mi, uint16_t s,
                 uint16_t weekday = 0)
{
    return {y, mo, weekday, d, h, mi, s, 0};
}

// What the C library says, the reference for the per-day cache of LocalTime.
std::optional<SystemTime> LibraryFromTimeValue(int32_t value)
{
    if (value < 0) {
        return std::nullopt;
    }
    const time_t t = value;
    tm l{};
    localtime_r(&t, &l);
    return Local(l.tm_year + 1900, l.tm_mon + 1, l.tm_mday, l.tm_hour, l.tm_min, l.tm_sec,
                 l.tm_wday);
}

long OffsetAt(int64_t t)
{
    const time_t value = static_cast<time_t>(t);
    tm local{};
    localtime_r(&value, &local);
    return local.tm_gmtoff;
}

// The rule for local times, checked by brute force: the earliest instant whose local time
// it is; a time that does not exist (the spring gap) is read with the offset before the gap.
int32_t ExpectedTimeValue(const SystemTime& st)
{
    tm t{};
    t.tm_year = st.year - 1900;
    t.tm_mon = st.month - 1;
    t.tm_mday = st.day;
    t.tm_hour = st.hour;
    t.tm_min = st.minute;
    t.tm_sec = st.second;
    const int64_t wall = timegm(&t);
    std::optional<int64_t> earliest;
    long previous = LONG_MIN;
    for (int64_t probe = wall - 30 * 3600; probe <= wall + 30 * 3600; probe += 1800) {
        const long offset = OffsetAt(probe);
        if (offset == previous) {
            continue;
        }
        previous = offset;
        const int64_t instant = wall - offset;
        if (OffsetAt(instant) == offset && (!earliest || instant < *earliest)) {
            earliest = instant;
        }
    }
    const int64_t value = earliest ? *earliest : wall - OffsetAt(wall - 36 * 3600);
    return value < 0 || value > INT_MAX ? -1 : static_cast<int32_t>(value);
}

void CompareWithLibrary(const char* zone, std::mt19937& random)
{
    SCOPED_TRACE(zone);
    // The zone changes without tzset(): LocalTime must notice on its own.
    setenv("TZ", zone, 1);
    std::uniform_int_distribution<int32_t> anyValue(0, INT_MAX);
    for (int i = 0; i < 3000; ++i) {
        const int32_t value = anyValue(random);
        const auto ours = LocalTime::FromTimeValue(value);
        tzset();
        ASSERT_EQ(ours, LibraryFromTimeValue(value)) << value;
    }
    // Every quarter hour of the spring and autumn changes (and of ordinary days).
    for (int year : {1970, 1987, 2007, 2011, 2024, 2037}) {
        for (int month : {1, 3, 4, 10, 11, 12}) {
            for (int day : {1, 10, 27, 28, 29, 30, 31}) {
                for (int minute = 0; minute < 24 * 60; minute += 15) {
                    const SystemTime st = Local(year, month, day, minute / 60, minute % 60, 7);
                    const int32_t ours = LocalTime::ToTimeValue(st);
                    ASSERT_EQ(ours, ExpectedTimeValue(st))
                        << year << "-" << month << "-" << day << " " << minute;
                    if (ours >= 0) {
                        ASSERT_EQ(LocalTime::FromTimeValue(ours), LibraryFromTimeValue(ours));
                    }
                }
            }
        }
    }
}

TEST(LocalTime, AgreesWithTheCLibraryAcrossZonesAndTheirChanges)
{
    test::ScopedTimeZone restore("America/New_York");
    std::mt19937 random(7);
    for (const char* zone :
         {"America/New_York", "Europe/Berlin", "UTC", "Australia/Lord_Howe", "America/St_Johns",
          "Asia/Kolkata", "Pacific/Apia", "Europe/Moscow", "America/New_York", "EST5EDT"}) {
        CompareWithLibrary(zone, random);
    }
}

// glibc's mktime() answers for the repeated hour of an autumn change after the calls before
// it; a loaded and saved file must not change with that history.
TEST(LocalTime, TheRepeatedHourDoesNotDependOnEarlierCalls)
{
    test::ScopedTimeZone zone("America/New_York");
    const SystemTime repeated = Local(1984, 10, 28, 1, 27, 29);
    std::vector<int32_t> answers;
    for (const int isDst : {1, 0, 1, 0}) {
        tm hint{};
        hint.tm_year = 84;
        hint.tm_mon = isDst ? 6 : 0;
        hint.tm_mday = 1;
        hint.tm_isdst = isDst;
        mktime(&hint);
        answers.push_back(LocalTime::ToTimeValue(repeated));
    }
    EXPECT_EQ(answers, std::vector<int32_t>(4, 467789249));  // 05:27:29 UTC, still EDT
}

// The ends of the range as PimDateTime sees them are TimeValue's test.
TEST(LocalTime, TheSecondBeforeTheEpochAndImpossibleTimes)
{
    test::ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(LocalTime::ToTimeValue(Local(1969, 12, 31, 19, 0, 0)), 0);
    EXPECT_EQ(LocalTime::ToTimeValue(Local(1969, 12, 31, 18, 59, 59)), -1);
    // Not a normal time: left to mktime, which rolls it over.
    EXPECT_EQ(LocalTime::ToTimeValue(Local(2024, 2, 30, 0, 0, 0)),
              LocalTime::ToTimeValue(Local(2024, 3, 1, 0, 0, 0)));
}

}  // namespace
}  // namespace orvane

#include "data/PimDateTime.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CivilCalendar.h"
#include "platform/LocaleFormat.h"

namespace orvane {
namespace {

constexpr int64_t kEpochDays = -25569;  // 30 December 1899 from 1 January 1970

PimDateTime V(double value)
{
    return PimDateTime::FromValue(value);
}

std::vector<int> Components(const PimDateTime& value)
{
    return {value.GetYear(), value.GetMonth(),  value.GetDay(),
            value.GetHour(), value.GetMinute(), value.GetSecond()};
}

TEST(PimDateTime, EveryDayFromYear100To9999RoundTrips)
{
    const int64_t first = CivilCalendar::DaysFromCivil(100, 1, 1);
    const int64_t last = CivilCalendar::DaysFromCivil(9999, 12, 31);
    int failures = 0;
    for (int64_t civil = first; civil <= last && failures < 5; ++civil) {
        const auto date = CivilCalendar::CivilFromDays(civil);
        const bool rangeEnd = civil == first || civil == last;
        const int seconds = rangeEnd ? 0 : static_cast<int>((civil * 7919) % 86400 + 86400) % 86400;
        const int h = seconds / 3600, mi = seconds / 60 % 60, s = seconds % 60;
        PimDateTime value;
        const bool ok =
            value.SetDateTime(static_cast<int>(date.year), date.month, date.day, h, mi, s);
        const int64_t days = civil - kEpochDays;
        const double fraction = seconds / 86400.0;
        SystemTime b;
        value.GetAsSystemTime(b);
        if (!ok || value.Value() != (days >= 0 ? days + fraction : days - fraction) ||
            b.year != date.year || b.month != date.month || b.day != date.day || b.hour != h ||
            b.minute != mi || b.second != s || b.dayOfWeek != CivilCalendar::DayOfWeek(civil)) {
            ADD_FAILURE() << "round trip failed for " << date.year << "-" << date.month << "-"
                          << date.day << " " << h << ":" << mi << ":" << s;
            ++failures;
        }
    }
}

TEST(PimDateTime, RangeEnds)
{
    PimDateTime first, last;
    ASSERT_TRUE(first.SetDateTime(100, 1, 1, 0, 0, 0));
    ASSERT_TRUE(last.SetDateTime(9999, 12, 31, 0, 0, 0));
    EXPECT_EQ(first.Value(), PimDateTime::kMinValue);
    EXPECT_EQ(last.Value(), PimDateTime::kMaxValue);
    EXPECT_FALSE(first.SetDateTime(100, 1, 1, 0, 0, 1));
    EXPECT_FALSE(last.SetDateTime(9999, 12, 31, 23, 59, 59));
    EXPECT_TRUE(last.SetDateTime(9999, 12, 30, 23, 59, 59));
    EXPECT_FALSE(V(PimDateTime::kMaxValue + 0.25).IsValid());
    EXPECT_FALSE(V(PimDateTime::kMinValue - 0.5).IsValid());
}

TEST(PimDateTime, ImpossibleComponentsLeaveTheValueInvalid)
{
    struct Case {
        int y, mo, d, h, mi, s;
    };
    const Case cases[] = {
        {2002, 2, 30, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2001, 13, 1, 0, 0, 0},
        {2001, 0, 1, 0, 0, 0},  {2001, 1, 0, 0, 0, 0},  {2001, 1, 32, 0, 0, 0},
        {2001, 1, 1, 24, 0, 0}, {2001, 1, 1, 0, 60, 0}, {2001, 1, 1, 0, 0, 60},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2001, -1, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":"
                                        << c.mi << ":" << c.s);
        PimDateTime value;
        ASSERT_TRUE(value.SetDateTime(2020, 5, 5, 5, 5, 5));
        EXPECT_FALSE(value.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s));
        EXPECT_EQ(value.Value(), PimDateTime::kInvalidValue);
    }
    PimDateTime leap;
    EXPECT_TRUE(leap.SetDateTime(2000, 2, 29, 23, 59, 59));
}

TEST(PimDateTime, TheInvalidStateAnswersNothing)
{
    const int bad = PimDateTime::kBadComponent;
    for (const PimDateTime& value : {PimDateTime(), V(3000000.0), V(-700000.0)}) {
        SCOPED_TRACE(value.Value());
        EXPECT_FALSE(value.IsValid());
        EXPECT_EQ(Components(value), std::vector<int>(6, bad));
        EXPECT_EQ(value.ToTimeValue(), -1);
        EXPECT_EQ(value.FormatDate(LocaleFormat::UserDefault(), DateStyle::Long), "");
        EXPECT_EQ(value.FormatTime(LocaleFormat::UserDefault(), TimeStyle::NoSeconds), "");
        EXPECT_EQ(value.Format("%Y"), "");
        SystemTime st;
        st.year = 7;
        EXPECT_FALSE(value.GetAsSystemTime(st));
        EXPECT_EQ(st, SystemTime{});
    }
}

TEST(PimDateTime, OrderFollowsTheCalendarAcrossDayZero)
{
    // -1.25 is 29 December 1899 06:00: after 29 December 00:00, before 30 December 00:00.
    EXPECT_LT(V(-1.25), V(0.0));
    EXPECT_GT(V(-1.25), V(-1.0));
    EXPECT_LT(V(-1.25), V(-1.75));  // 06:00 before 18:00 of the same day
    EXPECT_LE(V(-1.25), V(-1.25));
    EXPECT_GE(V(0.25), V(-1.75));
    EXPECT_TRUE(V(-0.5) != V(0.5));  // the same moment, stored differently
    EXPECT_FALSE(V(-0.5) < V(0.5) || V(-0.5) > V(0.5));
}

TEST(PimDateTime, SpanArithmeticAcrossDayZeroAndItsLimits)
{
    struct Case {
        double date, span, sum, difference;
    };
    const Case cases[] = {
        {-1.25, 0.5, -1.75, -2.75},  // 06:00 on 29 Dec +/- 12 h
        {0.25, 0.5, 0.75, -1.75},    // 06:00 on 30 Dec - 12 h is 18:00 on 29 Dec
        {-1.25, 1.0, 0.25, -2.25},
        {1.5, -2.0, -1.5, 3.5},
        {1000.0, PimTimeSpan::kMaxMagnitude, 1000.0 + PimTimeSpan::kMaxMagnitude,
         1000.0 - PimTimeSpan::kMaxMagnitude},
        {1000.0, PimTimeSpan::kMaxMagnitude + 1, PimDateTime::kInvalidValue,
         PimDateTime::kInvalidValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date << " +/- " << c.span);
        EXPECT_DOUBLE_EQ((V(c.date) + PimTimeSpan(c.span)).Value(), c.sum);
        EXPECT_DOUBLE_EQ((V(c.date) - PimTimeSpan(c.span)).Value(), c.difference);
    }
    EXPECT_DOUBLE_EQ((V(0.25) - V(-1.25)).Days(), 1.0);
    EXPECT_DOUBLE_EQ((V(-1.75) - V(-1.25)).Days(), 0.5);
    EXPECT_EQ((PimDateTime() + PimTimeSpan(1.0)).Value(), PimDateTime::kInvalidValue);
    EXPECT_EQ((V(1.0) - PimDateTime()).Days(), PimTimeSpan::kInvalid);
    EXPECT_EQ((PimDateTime() - V(1.0)).Days(), PimTimeSpan::kInvalid);
    EXPECT_DOUBLE_EQ(PimTimeSpan(1, 2, 30, 36).Days(), 1 + 2 / 24.0 + 30 / 1440.0 + 36 / 86400.0);
    EXPECT_DOUBLE_EQ(PimTimeSpan::Minutes(15).Days(), 15 / 1440.0);
}

TEST(PimDateTime, FormatsThroughTheLocaleAndStrftime)
{
    PimDateTime value;
    ASSERT_TRUE(value.SetDateTime(2026, 12, 5, 21, 5, 7));
    const LocaleFormat& us = LocaleFormat::UserDefault();
    EXPECT_EQ(value.FormatDate(us, DateStyle::Long), "Saturday, December 5, 2026");
    EXPECT_EQ(value.FormatTime(us, TimeStyle::WithSeconds, "h':'mm t"), "9:05 P");
    EXPECT_EQ(value.Format("%Y-%m-%d %I:%M:%S %p %a"), "2026-12-05 09:05:07 PM Sat");
    EXPECT_EQ(value.DateOnly().Format("%H:%M"), "00:00");
    EXPECT_EQ(Components(value), (std::vector<int>{2026, 12, 5, 21, 5, 7}));
}

// Puts de_DE.UTF-8 into effect, built by localedef into the temporary folder when missing.
bool UseGermanLocale()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        return true;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "orvane-test-locales";
    if (!std::filesystem::exists(folder / "de_DE.UTF-8/LC_TIME")) {
        std::filesystem::create_directories(folder);
        // localedef warns, and exits with 1, about details of locales it builds anyway.
        const std::string build =
            "localedef -i de_DE -f UTF-8 '" + folder.string() + "/de_DE.UTF-8' >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(build.c_str());
    }
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

// The window puts the desktop's locale into effect for the process; Format's pictures
// ("%I:%M %p" in the reminder and the appointment editor) are read in the C locale.
TEST(PimDateTime, FormatIsTheSameUnderAnyProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!UseGermanLocale()) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale, and localedef could not build one";
    }
    PimDateTime value;
    ASSERT_TRUE(value.SetDateTime(2026, 12, 5, 14, 30, 0));
    EXPECT_EQ(value.Format("%I:%M %p %A %b"), "02:30 PM Saturday Dec");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(PimDateTime, FractionsRoundToTheNearestSecond)
{
    // Half a second before midnight of 31 December 1899 rounds into the next day.
    EXPECT_EQ(Components(V(2.0 - 0.4 / 86400)), (std::vector<int>{1900, 1, 1, 0, 0, 0}));
    // Day -1 at 23:59:59.6 is 30 December 00:00.
    EXPECT_EQ(Components(V(-1.0 - (86400 - 0.4) / 86400)),
              (std::vector<int>{1899, 12, 30, 0, 0, 0}));
}

}  // namespace
}  // namespace orvane

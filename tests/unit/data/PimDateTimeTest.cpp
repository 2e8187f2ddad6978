#include "data/PimDateTime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/CivilCalendar.h"
#include "platform/LocaleFormat.h"

namespace orvane {
namespace {

constexpr int64_t kEpochDays = -25569;  // 30 December 1899 from 1 January 1970

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
        const double expected = days >= 0 ? days + fraction : days - fraction;
        SystemTime back;
        const bool decomposed = value.GetAsSystemTime(back);
        if (!ok || value.Value() != expected || !decomposed || back.year != date.year ||
            back.month != date.month || back.day != date.day || back.hour != h ||
            back.minute != mi || back.second != s ||
            back.dayOfWeek != CivilCalendar::DayOfWeek(civil)) {
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
    EXPECT_FALSE(PimDateTime::FromValue(PimDateTime::kMaxValue + 0.5).IsValid());
    EXPECT_FALSE(PimDateTime::FromValue(PimDateTime::kMinValue - 0.5).IsValid());
    // 31 December 9999 after midnight lies beyond the last valid value.
    EXPECT_FALSE(PimDateTime::FromValue(PimDateTime::kMaxValue + 0.25).IsValid());
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
        EXPECT_FALSE(value.IsValid());
        EXPECT_EQ(value.Value(), PimDateTime::kInvalidValue);
    }
    PimDateTime leap;
    EXPECT_TRUE(leap.SetDateTime(2000, 2, 29, 23, 59, 59));
}

TEST(PimDateTime, TheInvalidStateAnswersNothing)
{
    const PimDateTime candidates[] = {PimDateTime(), PimDateTime::FromValue(3000000.0),
                                      PimDateTime::FromValue(-700000.0)};
    for (const PimDateTime& value : candidates) {
        SCOPED_TRACE(value.Value());
        EXPECT_FALSE(value.IsValid());
        EXPECT_EQ(value.GetYear(), PimDateTime::kBadComponent);
        EXPECT_EQ(value.GetMonth(), PimDateTime::kBadComponent);
        EXPECT_EQ(value.GetDay(), PimDateTime::kBadComponent);
        EXPECT_EQ(value.GetHour(), PimDateTime::kBadComponent);
        EXPECT_EQ(value.GetMinute(), PimDateTime::kBadComponent);
        EXPECT_EQ(value.ToTimeValue(), -1);
        EXPECT_EQ(value.FormatDate(LocaleFormat::UserDefault(), DateStyle::Long), "");
        EXPECT_EQ(value.FormatTime(LocaleFormat::UserDefault(), TimeStyle::NoSeconds), "");
        EXPECT_EQ(value.Format("%Y"), "");
        SystemTime st;
        st.year = 7;
        EXPECT_FALSE(value.GetAsSystemTime(st));
        EXPECT_EQ(st, SystemTime{});
    }
    EXPECT_EQ(PimDateTime().Value(), PimDateTime::kInvalidValue);
}

TEST(PimDateTime, OrderFollowsTheCalendarAcrossDayZero)
{
    const auto v = [](double x) { return PimDateTime::FromValue(x); };
    // -1.25 is 29 December 1899 06:00: after 29 December 00:00, before 30 December 00:00.
    EXPECT_LT(v(-1.25), v(0.0));
    EXPECT_GT(v(-1.25), v(-1.0));
    EXPECT_LT(v(-1.25), v(-1.75));  // 06:00 before 18:00 of the same day
    EXPECT_LT(v(-2.5), v(-1.25));
    EXPECT_LE(v(-1.25), v(-1.25));
    EXPECT_GE(v(0.25), v(-1.75));
    EXPECT_TRUE(v(-1.25) == v(-1.25));
    EXPECT_TRUE(v(-0.5) != v(0.5));  // the same moment, stored differently
    EXPECT_FALSE(v(-0.5) < v(0.5));
    EXPECT_FALSE(v(-0.5) > v(0.5));
}

TEST(PimDateTime, SpanArithmeticAcrossDayZero)
{
    const auto v = [](double x) { return PimDateTime::FromValue(x); };
    struct Case {
        double date, span, sum, difference;
    };
    const Case cases[] = {
        {-1.25, 0.5, -1.75, -2.75},  // 06:00 on 29 Dec +/- 12 h
        {0.25, 0.5, 0.75, -1.75},    // 06:00 on 30 Dec - 12 h is 18:00 on 29 Dec
        {-1.25, 1.0, 0.25, -2.25},  {1.5, -2.0, -1.5, 3.5}, {0.0, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date << " +/- " << c.span);
        EXPECT_DOUBLE_EQ((v(c.date) + PimTimeSpan(c.span)).Value(), c.sum);
        EXPECT_DOUBLE_EQ((v(c.date) - PimTimeSpan(c.span)).Value(), c.difference);
    }
    EXPECT_DOUBLE_EQ((v(0.25) - v(-1.25)).Days(), 1.0);
    EXPECT_DOUBLE_EQ((v(-1.25) - v(0.25)).Days(), -1.0);
    EXPECT_DOUBLE_EQ((v(-1.75) - v(-1.25)).Days(), 0.5);
}

TEST(PimDateTime, SpanLimits)
{
    const PimDateTime day = PimDateTime::FromValue(1000.0);
    EXPECT_TRUE((day + PimTimeSpan(PimTimeSpan::kMaxMagnitude)).Value() ==
                1000.0 + PimTimeSpan::kMaxMagnitude);
    EXPECT_EQ((day + PimTimeSpan(PimTimeSpan::kMaxMagnitude + 1)).Value(),
              PimDateTime::kInvalidValue);
    EXPECT_EQ((day - PimTimeSpan(-PimTimeSpan::kMaxMagnitude - 1)).Value(),
              PimDateTime::kInvalidValue);
    EXPECT_EQ((PimDateTime() + PimTimeSpan(1.0)).Value(), PimDateTime::kInvalidValue);
    EXPECT_EQ((day - PimDateTime()).Days(), PimTimeSpan::kInvalid);
    EXPECT_EQ((PimDateTime() - day).Days(), PimTimeSpan::kInvalid);
    EXPECT_FALSE(PimTimeSpan::Invalid().IsValid());
    EXPECT_DOUBLE_EQ(PimTimeSpan(1, 2, 30, 36).Days(), 1 + 2 / 24.0 + 30 / 1440.0 + 36 / 86400.0);
    EXPECT_DOUBLE_EQ(PimTimeSpan::Minutes(15).Days(), 15 / 1440.0);
}

TEST(PimDateTime, FormatsThroughTheLocaleAndStrftime)
{
    PimDateTime value;
    ASSERT_TRUE(value.SetDateTime(2026, 12, 5, 21, 5, 7));
    const LocaleFormat& us = LocaleFormat::UserDefault();
    EXPECT_EQ(value.FormatDate(us, DateStyle::Long), "Saturday, December 5, 2026");
    EXPECT_EQ(value.FormatDate(us, DateStyle::Short), "12/5/2026");
    EXPECT_EQ(value.FormatTime(us, TimeStyle::NoSeconds), "9:05 PM");
    EXPECT_EQ(value.FormatTime(us, TimeStyle::WithSeconds, "h':'mm t"), "9:05 P");
    EXPECT_EQ(value.Format("%I:%M %p"), "09:05 PM");
    EXPECT_EQ(value.Format("%Y-%m-%d %H:%M:%S %a"), "2026-12-05 21:05:07 Sat");
    EXPECT_EQ(value.DateOnly().Format("%H:%M"), "00:00");
    EXPECT_EQ(value.GetYear(), 2026);
    EXPECT_EQ(value.GetMonth(), 12);
    EXPECT_EQ(value.GetDay(), 5);
    EXPECT_EQ(value.GetHour(), 21);
    EXPECT_EQ(value.GetMinute(), 5);
}

TEST(PimDateTime, FractionsRoundToTheNearestSecond)
{
    SystemTime st;
    // Half a second before midnight of 31 December 1899 rounds into the next day.
    ASSERT_TRUE(PimDateTime::FromValue(2.0 - 0.4 / 86400).GetAsSystemTime(st));
    EXPECT_EQ(st.day, 1);
    EXPECT_EQ(st.month, 1);
    EXPECT_EQ(st.year, 1900);
    EXPECT_EQ(st.hour, 0);
    ASSERT_TRUE(PimDateTime::FromValue(-1.0 - (86400 - 0.4) / 86400).GetAsSystemTime(st));
    EXPECT_EQ(st.day, 30);  // day -1 at 23:59:59.6 is 30 December 00:00
    EXPECT_EQ(st.month, 12);
    EXPECT_EQ(st.hour, 0);
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include "platform/LocaleFormat.h"
#include "platform/PictureLocale.h"
#include "platform/SettableClock.h"

namespace orvane {
namespace {

SystemTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    SystemTime t;
    t.year = static_cast<uint16_t>(y);
    t.month = static_cast<uint16_t>(mo);
    t.day = static_cast<uint16_t>(d);
    t.hour = static_cast<uint16_t>(h);
    t.minute = static_cast<uint16_t>(mi);
    t.second = static_cast<uint16_t>(s);
    return t;
}

const LocaleFormat& Us()
{
    return LocaleFormat::UserDefault();
}

TEST(LocaleFormat, UnitedStatesDatesAndTimes)
{
    const SystemTime morning = At(2026, 12, 5, 9, 5, 7);
    const SystemTime evening = At(2026, 1, 30, 22, 30, 0);
    EXPECT_EQ(Us().FormatDate(morning, DateStyle::Short), "12/5/2026");
    EXPECT_EQ(Us().FormatDate(morning, DateStyle::Long), "Saturday, December 5, 2026");
    EXPECT_EQ(Us().FormatTime(morning, TimeStyle::NoSeconds), "9:05 AM");
    EXPECT_EQ(Us().FormatTime(morning, TimeStyle::WithSeconds), "9:05:07 AM");
    EXPECT_EQ(Us().FormatTime(evening, TimeStyle::NoSeconds), "10:30 PM");
    EXPECT_EQ(Us().FormatTime(At(2026, 1, 1, 0, 0), TimeStyle::NoSeconds), "12:00 AM");
    EXPECT_EQ(Us().FormatTime(At(2026, 1, 1, 12, 0), TimeStyle::NoSeconds), "12:00 PM");
}

TEST(LocaleFormat, Pictures)
{
    const SystemTime t = At(2007, 3, 4, 9, 5, 7);
    struct Case {
        const char* picture;
        bool date;
        const char* expected;
    };
    const Case cases[] = {
        {"h':'mm t", false, "9:05 A"},      {"hh:mm:ss tt", false, "09:05:07 AM"},
        {"H:m:s", false, "9:5:7"},          {"HH 'o''clock'", false, "09 o'clock"},
        {"d/M/yy", true, "4/3/07"},         {"dd.MM.yyyy", true, "04.03.2007"},
        {"ddd, MMM d", true, "Sun, Mar 4"}, {"dddd d MMMM yyyy", true, "Sunday 4 March 2007"},
        {"'day' d", true, "day 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        const std::string text = c.date ? Us().FormatDate(t, DateStyle::Short, c.picture)
                                        : Us().FormatTime(t, TimeStyle::WithSeconds, c.picture);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(LocaleFormat, ImpossibleComponentsFormatAsNothing)
{
    EXPECT_EQ(Us().FormatDate(SystemTime{}, DateStyle::Short), "");
    EXPECT_EQ(Us().FormatDate(At(2026, 2, 30), DateStyle::Long), "");
    EXPECT_EQ(Us().FormatTime(At(2026, 1, 1, 24, 0), TimeStyle::NoSeconds), "");
}

TEST(LocaleFormat, ParsesDates)
{
    SettableClock clock(2026, 6, 15);
    Clock::SetCurrent(&clock);
    struct Case {
        const char* text;
        int y, m, d;  // 0: refused
    };
    const Case cases[] = {
        {"12/25/2026", 2026, 12, 25},
        {" 1/2/2003 ", 2003, 1, 2},
        {"2026-12-25", 2026, 12, 25},
        {"12/25/26", 2026, 12, 25},
        {"1/1/30", 1930, 1, 1},
        {"1/1/29", 2029, 1, 1},
        {"25/12/2026", 2026, 12, 25},  // not a month-first date: read day-first
        {"Dec 25, 2026", 2026, 12, 25},
        {"25 December 2026", 2026, 12, 25},
        {"Thursday, March 5, 2026", 2026, 3, 5},
        {"march 5", 2026, 3, 5},
        {"12/25", 2026, 12, 25},
        {"12/25/2026 10:30 PM", 2026, 12, 25},
        {"10:30", 1899, 12, 30},  // a time alone names the epoch day
        {"2/30/2026", 0, 0, 0},
        {"13/13/2026", 0, 0, 0},
        {"", 0, 0, 0},
        {"abc", 0, 0, 0},
        {"12", 0, 0, 0},
        {"1/2/3/4", 0, 0, 0},
        {"12/25/2026 x", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = Us().ParseDate(c.text);
        if (c.y == 0) {
            EXPECT_FALSE(parsed.has_value());
            continue;
        }
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->year, c.y);
        EXPECT_EQ(parsed->month, c.m);
        EXPECT_EQ(parsed->day, c.d);
    }
    Clock::SetCurrent(nullptr);
}

TEST(LocaleFormat, ParsesTimes)
{
    struct Case {
        const char* text;
        int h, m, s;  // h < 0: refused
    };
    const Case cases[] = {
        {"10:07", 10, 7, 0},
        {"10:07 AM", 10, 7, 0},
        {"10:07 PM", 22, 7, 0},
        {"12:00 AM", 0, 0, 0},
        {"12:30 pm", 12, 30, 0},
        {"9:05:30 PM", 21, 5, 30},
        {"23:59:59", 23, 59, 59},
        {"10 am", 10, 0, 0},
        {"10PM", 22, 0, 0},
        {"12/25/2026", 0, 0, 0},  // a date alone names midnight
        {"12/25/2026 7:15 AM", 7, 15, 0},
        {"24:00", -1, 0, 0},
        {"10:60", -1, 0, 0},
        {"13:00 PM", -1, 0, 0},
        {"PM", -1, 0, 0},
        {"ten", -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = Us().ParseTime(c.text);
        if (c.h < 0) {
            EXPECT_FALSE(parsed.has_value());
            continue;
        }
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->hour, c.h);
        EXPECT_EQ(parsed->minute, c.m);
        EXPECT_EQ(parsed->second, c.s);
    }
}

TEST(LocaleFormat, DayFirstLocaleReadsDayFirst)
{
    LocaleNames names = LocaleNames::UnitedStates();
    names.shortDate = "dd/MM/yyyy";
    const PictureLocale british(names);
    const auto parsed = british.ParseDate("03/04/2026");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->day, 3);
    EXPECT_EQ(parsed->month, 4);
    EXPECT_EQ(british.FormatDate(At(2026, 4, 3), DateStyle::Short), "03/04/2026");
}

}  // namespace
}  // namespace orvane

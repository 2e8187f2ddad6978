#include <gtest/gtest.h>

#include "platform/LocaleFormat.h"
#include "platform/PictureLocale.h"
#include "platform/SettableClock.h"

namespace orvane {
namespace {

SystemTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return {static_cast<uint16_t>(y),
            static_cast<uint16_t>(mo),
            0,
            static_cast<uint16_t>(d),
            static_cast<uint16_t>(h),
            static_cast<uint16_t>(mi),
            static_cast<uint16_t>(s),
            0};
}

const LocaleFormat& Us()
{
    return LocaleFormat::UserDefault();
}

// The date parts of a parse as "y-m-d" and its time as "h:m:s"; "none" when refused.
std::string DateOf(const std::optional<SystemTime>& t)
{
    return t ? std::to_string(t->year) + "-" + std::to_string(t->month) + "-" +
                   std::to_string(t->day)
             : "none";
}

std::string TimeOf(const std::optional<SystemTime>& t)
{
    return t ? std::to_string(t->hour) + ":" + std::to_string(t->minute) + ":" +
                   std::to_string(t->second)
             : "none";
}

TEST(LocaleFormat, UnitedStatesStylesAndPictures)
{
    const SystemTime t = At(2007, 3, 4, 9, 5, 7);
    struct Case {
        SystemTime time;
        const char* picture;  // nullptr: the style's own
        bool date;
        bool longStyle;
        const char* expected;
    };
    const Case cases[] = {
        {At(2026, 12, 5), nullptr, true, false, "12/5/2026"},
        {At(2026, 12, 5), nullptr, true, true, "Saturday, December 5, 2026"},
        {t, nullptr, false, false, "9:05 AM"},
        {t, nullptr, false, true, "9:05:07 AM"},
        {At(2026, 1, 30, 22, 30), nullptr, false, false, "10:30 PM"},
        {At(2026, 1, 1, 0, 0), nullptr, false, false, "12:00 AM"},
        {At(2026, 1, 1, 12, 0), nullptr, false, false, "12:00 PM"},
        {t, "h':'mm t", false, true, "9:05 A"},
        {t, "hh:mm:ss tt", false, true, "09:05:07 AM"},
        {t, "H:m:s", false, true, "9:5:7"},
        {t, "HH 'o''clock'", false, true, "09 o'clock"},
        {t, "d/M/yy", true, false, "4/3/07"},
        {t, "dd.MM.yyyy", true, false, "04.03.2007"},
        {t, "ddd, MMM d", true, false, "Sun, Mar 4"},
        {t, "dddd d MMMM yyyy", true, false, "Sunday 4 March 2007"},
        {t, "'day' d", true, false, "day 4"},
        {SystemTime{}, nullptr, true, false, ""},  // impossible components: nothing
        {At(2026, 2, 30), nullptr, true, true, ""},
        {At(2026, 1, 1, 24, 0), nullptr, false, false, ""},
        {At(2026, 1, 1, 0, 0, 60), nullptr, false, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const std::string_view picture = c.picture ? c.picture : "";
        const std::string text =
            c.date
                ? Us().FormatDate(c.time, c.longStyle ? DateStyle::Long : DateStyle::Short, picture)
                : Us().FormatTime(
                      c.time, c.longStyle ? TimeStyle::WithSeconds : TimeStyle::NoSeconds, picture);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(LocaleFormat, ParsesDatesAndTimes)
{
    SettableClock clock(2026, 6, 15);
    Clock::SetCurrent(&clock);
    // Not a month-first date is read day-first; a time alone names the epoch day.
    const std::pair<const char*, const char*> dates[] = {
        {"12/25/2026", "2026-12-25"},
        {" 1/2/2003 ", "2003-1-2"},
        {"2026-12-25", "2026-12-25"},
        {"12/25/26", "2026-12-25"},
        {"1/1/30", "1930-1-1"},
        {"1/1/29", "2029-1-1"},
        {"25/12/2026", "2026-12-25"},
        {"Dec 25, 2026", "2026-12-25"},
        {"25 December 2026", "2026-12-25"},
        {"Thursday, March 5, 2026", "2026-3-5"},
        {"march 5", "2026-3-5"},
        {"12/25", "2026-12-25"},
        {"12/25/2026 10:30 PM", "2026-12-25"},
        {"10:30", "1899-12-30"},
        {"2/30/2026", "none"},
        {"13/13/2026", "none"},
        {"", "none"},
        {"abc", "none"},
        {"12", "none"},
        {"1/2/3/4", "none"},
        {"12/25/2026 x", "none"},
    };
    for (const auto& [text, expected] : dates) {
        EXPECT_EQ(DateOf(Us().ParseDate(text)), expected) << text;
    }
    Clock::SetCurrent(nullptr);
    // A date alone names midnight.
    const std::pair<const char*, const char*> times[] = {
        {"10:07", "10:7:0"},
        {"10:07 AM", "10:7:0"},
        {"10:07 PM", "22:7:0"},
        {"12:00 AM", "0:0:0"},
        {"12:30 pm", "12:30:0"},
        {"9:05:30 PM", "21:5:30"},
        {"23:59:59", "23:59:59"},
        {"10 am", "10:0:0"},
        {"10PM", "22:0:0"},
        {"12/25/2026", "0:0:0"},
        {"12/25/2026 7:15 AM", "7:15:0"},
        {"24:00", "none"},
        {"10:60", "none"},
        {"13:00 PM", "none"},
        {"PM", "none"},
        {"ten", "none"},
    };
    for (const auto& [text, expected] : times) {
        EXPECT_EQ(TimeOf(Us().ParseTime(text)), expected) << text;
    }
}

TEST(LocaleFormat, DayFirstLocaleReadsDayFirst)
{
    LocaleNames names = LocaleNames::UnitedStates();
    names.shortDate = "dd/MM/yyyy";
    const PictureLocale british(names);
    EXPECT_EQ(DateOf(british.ParseDate("03/04/2026")), "2026-4-3");
    EXPECT_EQ(british.FormatDate(At(2026, 4, 3), DateStyle::Short), "03/04/2026");
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/LocaleFormat.h"
#include "platform/PictureLocale.h"
#include "platform/SettableClock.h"
#include "support/Golden.h"

namespace orvane {
namespace {

SystemTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    const auto u = [](int v) { return static_cast<uint16_t>(v); };
    return {u(y), u(mo), 0, u(d), u(h), u(mi), u(s), 0};
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

TEST(LocaleFormat, UnitedStatesCasesOfTheDataFile)
{
    SettableClock clock(2026, 6, 15);
    Clock::SetCurrent(&clock);
    for (const auto& f : test::RowsOf("locale/united-states.txt")) {
        const std::string line = f[0] + "|" + f[1] + "|" + f[2];
        if (f[0] == "date" || f[0] == "time") {
            const auto parsed = f[0] == "date" ? Us().ParseDate(f[1]) : Us().ParseTime(f[1]);
            EXPECT_EQ(f[0] == "date" ? DateOf(parsed) : TimeOf(parsed), f[2]) << line;
            continue;
        }
        int y, mo, d, h, mi, sec;
        ASSERT_EQ(std::sscanf(f[1].c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec), 6);
        const SystemTime t = At(y, mo, d, h, mi, sec);
        const std::string text =
            f[0] == "short" ? Us().FormatDate(t, DateStyle::Short, f[2])
            : f[0] == "long"
                ? Us().FormatDate(t, DateStyle::Long, f[2])
                : Us().FormatTime(t, f[0] == "hm" ? TimeStyle::NoSeconds : TimeStyle::WithSeconds,
                                  f[2]);
        EXPECT_EQ(text, f.size() > 3 ? f[3] : "") << line;
    }
    Clock::SetCurrent(nullptr);
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

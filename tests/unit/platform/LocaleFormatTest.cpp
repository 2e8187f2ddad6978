#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

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

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> parts;
    std::istringstream in(line);
    for (std::string part; std::getline(in, part, '|');) {
        parts.push_back(part);
    }
    if (!line.empty() && line.back() == '|') {
        parts.emplace_back();
    }
    return parts;
}

TEST(LocaleFormat, UnitedStatesCasesOfTheDataFile)
{
    SettableClock clock(2026, 6, 15);
    Clock::SetCurrent(&clock);
    std::ifstream file(ORVANE_TEST_DATA "/locale/united-states.txt");
    int cases = 0;
    for (std::string line; std::getline(file, line);) {
        const auto f = Split(line);
        if (line.empty() || line[0] == '#' || f.size() < 3) {
            continue;
        }
        ++cases;
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
    EXPECT_EQ(cases, 59);
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

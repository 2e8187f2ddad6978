#include <gtest/gtest.h>

#include <cstdio>

#include "data/PimDateTime.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::At;
using test::ScopedTimeZone;

std::string Text(const PimDateTime& value)
{
    return value.Format("%Y-%m-%d %H:%M:%S");
}

// Both ways between time values and local times in zones either side of Greenwich; only
// values from 1970 to 2038 are representable.
TEST(TimeValue, FromAndToTimeValuesIn1970To2038)
{
    for (const auto& row : test::RowsOf("locale/time-values.txt")) {
        SCOPED_TRACE(row[0] + " " + row[1] + " " + row[2]);
        ScopedTimeZone zone(row[0].c_str());
        if (row[2] == "-" || row[2].find(':') != std::string::npos) {
            const PimDateTime value = PimDateTime::FromTimeValue(std::stoi(row[1]));
            EXPECT_EQ(value.IsValid() ? Text(value) : "-", row[2]);
            if (value.IsValid()) {
                EXPECT_EQ(value.ToTimeValue(), std::stoi(row[1]));
            }
            continue;
        }
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
        std::sscanf(row[1].c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec);
        const PimDateTime local = row[1] == "-" ? PimDateTime() : At(y, mo, d, h, mi, sec);
        EXPECT_EQ(local.ToTimeValue(), std::stoi(row[2]));
    }
}

TEST(TimeValue, DaylightSavingTransitionDays)
{
    struct Case {
        const char* zone;
        int month, day;
        int gapHour;  // -1: the day the clocks go back
    };
    const Case cases[] = {
        {"America/New_York", 3, 8, 2},
        {"America/New_York", 11, 1, -1},
        {"Europe/Berlin", 3, 29, 2},
        {"Europe/Berlin", 10, 25, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.month << "/" << c.day);
        ScopedTimeZone zone(c.zone);
        const int32_t length =
            At(2026, c.month, c.day + 1).ToTimeValue() - At(2026, c.month, c.day).ToTimeValue();
        EXPECT_EQ(length, c.gapHour >= 0 ? 23 * 3600 : 25 * 3600);
        for (int h : {0, 1, 2, 3, 23}) {
            const PimDateTime local = At(2026, c.month, c.day, h, 30);
            const PimDateTime back = PimDateTime::FromTimeValue(local.ToTimeValue());
            const int expectedHour = h == c.gapHour ? h + 1 : h;  // the gap moves forward
            EXPECT_EQ(back.GetHour(), expectedHour) << h;
            EXPECT_EQ(local.GetHour(), expectedHour) << h;  // the getters normalise alike
            EXPECT_EQ(back.GetMinute(), 30);
        }
    }
}

}  // namespace
}  // namespace orvane

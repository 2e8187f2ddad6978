#include <gtest/gtest.h>

#include "rules/panes/DayRules.h"
#include "support/Golden.h"
#include "support/SampleData.h"

namespace orvane {
namespace {

using test::Day;

// Today is 10 March 2026 throughout; days are given as offsets from it.
const PimDateTime kToday = Day(2026, 3, 10);

PimDateTime Offset(int days, int hour = 0)
{
    return Day(2026, 3, 10 + days, hour);
}

TEST(DayRules, TaskListedExactlyOnTheExpectedDays)
{
    for (const auto& c : test::RowsOf("rules/day-rules.txt")) {
        SCOPED_TRACE(c[0]);
        Task task = test::MakeTask("t", Offset(std::stoi(c[1]), std::stoi(c[5])), std::stoi(c[2]));
        if (c[3] != "-") {
            task.DoneDate = Offset(std::stoi(c[3]), std::stoi(c[6]));
        }
        for (int day = -5; day <= 5; ++day) {
            const bool listed =
                ("," + c[4] + ",").find("," + std::to_string(day) + ",") != std::string::npos;
            EXPECT_EQ(DayRules::TaskBelongsToDay(task, Offset(day), kToday), listed) << day;
        }
    }
    // A timed due date of a past day is an unfinished task and goes to the new today.
    const Task timed = test::MakeTask("t", Offset(0, 10), kPriorityHigh);
    EXPECT_TRUE(DayRules::TaskBelongsToDay(timed, Offset(1), Offset(1)));
}

TEST(DayRules, AppointmentsBelongToTheirDueDateOnly)
{
    Appointment late = test::MakeAppointment("late", Offset(2), 23, 0);
    late.EndTime = Day(2026, 3, 13, 1, 0);  // ends the next day
    EXPECT_TRUE(DayRules::AppointmentBelongsToDay(late, Offset(2)));
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(late, Offset(3)));
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(late, Offset(1)));
    late.DueDate = Offset(2, 9);
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(late, Offset(2)));
}

}  // namespace
}  // namespace orvane

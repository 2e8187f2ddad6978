#include <gtest/gtest.h>

#include "rules/panes/DayRules.h"
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
    const int kNone = 99;  // no completion date, or a due date with a time of day
    struct Case {
        const char* name;
        int due, priority, done;
        std::vector<int> listedOn;  // offsets, from -5 to +5
        int dueHour = 0, doneHour = 0;
    };
    const Case cases[] = {
        {"open, due in the future", 3, kPriorityLow, kNone, {3}},
        {"open, due today", 0, kPriorityHigh, kNone, {0}},
        {"open, overdue: carried to today only", -3, kPriorityMedium, kNone, {0}},
        {"done today, due in the future", 2, kPriorityDone, 0, {0, 2}},
        {"done tomorrow: not on a future completion day", 4, kPriorityDone, 1, {4}},
        {"done two days ago, due in the past", -4, kPriorityDone, -2, {-2}},
        {"done yesterday, due yesterday", -1, kPriorityDone, -1, {-1}},
        {"done without a date, due in the past", -2, kPriorityDone, kNone, {}},
        {"done without a date, due in the future", 2, kPriorityDone, kNone, {2}},
        {"due today at 10:00: neither due nor carried", 0, kPriorityHigh, kNone, {}, 10},
        {"completion date at 08:30 matches no day", -3, kPriorityDone, -1, {}, 0, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Task task = test::MakeTask("t", Offset(c.due, c.dueHour), c.priority);
        if (c.done != kNone) {
            task.DoneDate = Offset(c.done, c.doneHour);
        }
        for (int day = -5; day <= 5; ++day) {
            const bool expected = std::count(c.listedOn.begin(), c.listedOn.end(), day) > 0;
            EXPECT_EQ(DayRules::TaskBelongsToDay(task, Offset(day), kToday), expected) << day;
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

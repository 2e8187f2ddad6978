#include <gtest/gtest.h>

#include "../SampleData.h"
#include "views/DayRules.h"

namespace orvane {
namespace {

using test::Day;

// Today is 10 March 2026 throughout; days are given as offsets from it.
const PimDateTime kToday = Day(2026, 3, 10);

PimDateTime Offset(int days)
{
    return Day(2026, 3, 10 + days);
}

struct TaskCase {
    const char* name;
    int due;  // offset of the due date
    int priority;
    int done;                   // offset of the completion date; 99 for an invalid one
    std::vector<int> listedOn;  // offsets, from -5 to +5, on which the task is listed
};

class TaskDayTable : public ::testing::TestWithParam<TaskCase> {};

TEST_P(TaskDayTable, ListedExactlyOnTheExpectedDays)
{
    const TaskCase& c = GetParam();
    Task task = test::MakeTask("t", Offset(c.due), c.priority);
    if (c.done != 99) {
        task.DoneDate = Offset(c.done);
    }
    for (int day = -5; day <= 5; ++day) {
        const bool expected =
            std::find(c.listedOn.begin(), c.listedOn.end(), day) != c.listedOn.end();
        EXPECT_EQ(DayRules::TaskBelongsToDay(task, Offset(day), kToday), expected)
            << c.name << ", selected day offset " << day;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TaskDayTable,
    ::testing::Values(
        TaskCase{"open, due in the future", 3, kPriorityLow, 99, {3}},
        TaskCase{"open, due today", 0, kPriorityHigh, 99, {0}},
        TaskCase{"open, due three days ago is carried to today only", -3, kPriorityMedium, 99, {0}},
        TaskCase{"completed today, due in the future", 2, kPriorityDone, 0, {0, 2}},
        TaskCase{"completed tomorrow is not listed on a future completion day",
                 4,
                 kPriorityDone,
                 1,
                 {4}},
        TaskCase{"completed two days ago, due in the past", -4, kPriorityDone, -2, {-2}},
        TaskCase{"completed yesterday, due yesterday", -1, kPriorityDone, -1, {-1}},
        TaskCase{"completed without a completion date, due in the past", -2, kPriorityDone, 99, {}},
        TaskCase{
            "completed without a completion date, due in the future", 2, kPriorityDone, 99, {2}}),
    [](const ::testing::TestParamInfo<TaskCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(DayRules, DueDateWithATimeOfDayMatchesNoDayUntilItIsCarried)
{
    Task task = test::MakeTask("t", Day(2026, 3, 10, 10, 0), kPriorityHigh);
    // Today at 10:00 is later than today at 00:00: neither due that day nor carried.
    EXPECT_FALSE(DayRules::TaskBelongsToDay(task, kToday, kToday));
    EXPECT_FALSE(DayRules::TaskBelongsToDay(task, Offset(1), kToday));
    // From tomorrow on it is an unfinished task of a past day and goes to the new today.
    EXPECT_TRUE(DayRules::TaskBelongsToDay(task, Offset(1), Offset(1)));
}

TEST(DayRules, CompletionDateWithATimeOfDayMatchesNoDay)
{
    Task task = test::MakeTask("t", Offset(-3), kPriorityDone);
    task.DoneDate = Day(2026, 3, 9, 8, 30);
    for (int day = -5; day <= 5; ++day) {
        EXPECT_FALSE(DayRules::TaskBelongsToDay(task, Offset(day), kToday)) << day;
    }
}

TEST(DayRules, AppointmentsBelongToTheirDueDateOnly)
{
    Appointment late = test::MakeAppointment("late", Offset(2), 23, 0);
    late.EndTime = Day(2026, 3, 13, 1, 0);  // ends the next day
    EXPECT_TRUE(DayRules::AppointmentBelongsToDay(late, Offset(2)));
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(late, Offset(3)));
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(late, Offset(1)));

    Appointment timed = test::MakeAppointment("timed", Offset(0), 9, 0);
    timed.DueDate = Day(2026, 3, 10, 9, 0);
    EXPECT_FALSE(DayRules::AppointmentBelongsToDay(timed, Offset(0)));
}

}  // namespace
}  // namespace orvane

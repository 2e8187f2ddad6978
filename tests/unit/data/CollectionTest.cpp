#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "data/PimDatabase.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::ScopedClock;

Person Named(const std::string& first, int32_t id = 0, const std::string& last = {})
{
    Person p;
    p.FName = first;
    p.LName = last;
    p.ID = id;
    return p;
}

std::vector<int32_t> Ids(const RecordCollection<Person>& persons)
{
    std::vector<int32_t> ids;
    for (const auto& [id, person] : persons) {
        EXPECT_EQ(id, person.ID);
        ids.push_back(id);
    }
    return ids;
}

TEST(RecordCollection, IdentifiersComeFromTheCounterAndAreNeverReused)
{
    RecordCollection<Person> persons;
    for (const char* name : {"a", "b", "c"}) {
        persons.Add(Named(name));
    }
    EXPECT_TRUE(persons.Remove(3));
    EXPECT_FALSE(persons.Remove(3));
    EXPECT_EQ(persons.Add(Named("d")), 4);
    EXPECT_EQ(Ids(persons), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(persons.Find(4)->FName, "d");
    EXPECT_EQ(persons.Find(3), nullptr);

    persons.SetLastID(INT_MAX);
    EXPECT_EQ(persons.Add(Named("e")), INT_MIN);  // wraps without overflow
}

// Insert keeps the first record of an ID and leaves the counter; Add then collides with a
// record above a hand-edited counter and moves on.
TEST(RecordCollection, InsertKeepsTheFirstRecordAndAddSkipsPastIt)
{
    RecordCollection<Person> persons;
    EXPECT_TRUE(persons.Insert(Named("first", 5)));
    EXPECT_FALSE(persons.Insert(Named("second", 5)));
    EXPECT_TRUE(persons.Insert(Named("negative", -3)));
    EXPECT_EQ(Ids(persons), (std::vector<int32_t>{-3, 5}));
    EXPECT_EQ(persons.LastID(), 0);
    persons.SetLastID(4);
    EXPECT_EQ(persons.Add(Named("new")), 5);
    EXPECT_EQ(persons.Count(), 2u);
    EXPECT_EQ(persons.Find(5)->FName, "first");
    EXPECT_EQ(persons.Add(Named("next")), 6);
    EXPECT_EQ(persons.Find(6)->FName, "next");
}

TEST(RecordCollection, UpdateReplacesTheStoredRecordOfItsId)
{
    RecordCollection<Person> persons;
    Person changed = *persons.Find(persons.Add(Named("Anna", 0, "Smith")));
    changed.LName = "Jones";
    changed.Notes = "line\nbreak";
    EXPECT_TRUE(persons.Update(changed));
    EXPECT_EQ(*persons.Find(changed.ID), changed);
    changed.ID = 77;
    EXPECT_FALSE(persons.Update(changed));
    EXPECT_EQ(persons.Count(), 1u);
}

TEST(Records, DisplayNameIgnoresTheCompany)
{
    const char* cases[][3] = {{"Anna", "Smith", "Smith, Anna"},
                              {"", "Smith", "Smith"},
                              {"Anna", "", "Anna"},
                              {"", "", ""}};
    for (const auto& [first, last, expected] : cases) {
        Person p = Named(first, 0, last);
        p.Company = "Acme";
        EXPECT_EQ(p.GetDisplayName(), expected);
    }
}

TEST(Records, DefaultsTakeTheCurrentTime)
{
    ScopedClock clock(2026, 12, 5, 10, 37, 12);
    const Task task;
    EXPECT_EQ(task.DueDate.Format("%Y-%m-%d %H:%M:%S"), "2026-12-05 10:37:12");
    EXPECT_FALSE(task.DoneDate.IsValid());
    const Appointment appointment;
    EXPECT_EQ(appointment.StartTime, task.DueDate);
    EXPECT_EQ(appointment.EndTime, task.DueDate);
    EXPECT_EQ(appointment.AlarmTime, task.DueDate);
}

TEST(TaskCollection, CompleteTaskDatesTheCompletionToday)
{
    ScopedClock clock(2026, 3, 10, 15, 45);
    TaskCollection tasks;
    Task task;
    task.Priority = kPriorityLow;
    const int32_t id = tasks.Add(task);
    EXPECT_TRUE(tasks.CompleteTask(id));
    EXPECT_EQ(tasks.Find(id)->Priority, kPriorityDone);
    EXPECT_EQ(tasks.Find(id)->DoneDate.Format("%Y-%m-%d %H:%M"), "2026-03-10 00:00");
    EXPECT_FALSE(tasks.CompleteTask(id + 1));
}

TEST(PimDatabase, CompactRemovesCompletedTasksDueBeforeToday)
{
    ScopedClock clock(2026, 3, 10, 9, 0);
    struct Case {
        int month, day, hour;
        int32_t priority;
        bool kept;
    };
    const Case cases[] = {{3, 9, 0, kPriorityDone, false},
                          {3, 9, 23, kPriorityDone, false},
                          {3, 10, 0, kPriorityDone, true},
                          {1, 1, 0, kPriorityHigh, true},
                          {4, 1, 0, kPriorityDone, true}};
    PimDatabase db;
    for (const Case& c : cases) {
        Task t;
        t.DueDate.SetDateTime(2026, c.month, c.day, c.hour, 0, 0);
        t.Priority = c.priority;
        db.Tasks().Add(t);
    }
    db.Persons().Add(Named("kept"));
    db.Compact();
    for (int32_t id = 1; id <= 5; ++id) {
        EXPECT_EQ(db.Tasks().Find(id) != nullptr, cases[id - 1].kept) << id;
    }
    EXPECT_EQ(db.Tasks().LastID(), 5);
    EXPECT_EQ(db.Persons().Count(), 1u);
}

TEST(PimDatabase, ClearEmptiesEverythingButTheCountersOfEmptyCollections)
{
    PimDatabase db;
    db.Persons().Add(Named("a"));
    db.Tasks().Add(Task{});
    db.Tasks().Remove(1);
    db.GetUser().Company = "Acme";
    db.Clear();
    EXPECT_TRUE(db.Persons().IsEmpty());
    EXPECT_EQ(db.Persons().LastID(), 0);
    EXPECT_EQ(db.Tasks().LastID(), 1);
    EXPECT_EQ(db.GetUser(), User{});
}

}  // namespace
}  // namespace orvane

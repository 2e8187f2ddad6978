#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "data/PimDatabase.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::ScopedClock;

Person Named(const std::string& first, const std::string& last = {})
{
    Person p;
    p.FName = first;
    p.LName = last;
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
    EXPECT_EQ(persons.Add(Named("a")), 1);
    EXPECT_EQ(persons.Add(Named("b")), 2);
    EXPECT_EQ(persons.Add(Named("c")), 3);
    EXPECT_TRUE(persons.Remove(3));
    EXPECT_EQ(persons.Add(Named("d")), 4);
    EXPECT_EQ(Ids(persons), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(persons.LastID(), 4);
    EXPECT_EQ(persons.Find(4)->FName, "d");
    EXPECT_EQ(persons.Find(3), nullptr);
    EXPECT_FALSE(persons.Remove(3));
}

TEST(RecordCollection, InsertKeepsTheFirstRecordOfAnId)
{
    RecordCollection<Person> persons;
    Person first = Named("first");
    first.ID = 9;
    Person second = Named("second");
    second.ID = 9;
    EXPECT_TRUE(persons.Insert(first));
    EXPECT_FALSE(persons.Insert(second));
    EXPECT_EQ(persons.Find(9)->FName, "first");
    EXPECT_EQ(persons.LastID(), 0);  // Insert leaves the counter alone
}

TEST(RecordCollection, AddCollidesWithARecordAboveAHandEditedCounter)
{
    RecordCollection<Person> persons;
    Person loaded = Named("loaded");
    loaded.ID = 5;
    persons.Insert(loaded);
    persons.SetLastID(4);
    EXPECT_EQ(persons.Add(Named("new")), 5);
    EXPECT_EQ(persons.Count(), 1u);
    EXPECT_EQ(persons.Find(5)->FName, "loaded");
    EXPECT_EQ(persons.Add(Named("next")), 6);
    EXPECT_EQ(persons.Find(6)->FName, "next");
}

TEST(RecordCollection, IterationFollowsIdsWhateverTheInsertionOrder)
{
    RecordCollection<Person> persons;
    for (int32_t id : {7, -3, 100, 0, 2}) {
        Person p = Named("x");
        p.ID = id;
        persons.Insert(p);
    }
    EXPECT_EQ(Ids(persons), (std::vector<int32_t>{-3, 0, 2, 7, 100}));
}

TEST(RecordCollection, ClearRestartsTheCounterOnlyWhenRecordsWereRemoved)
{
    RecordCollection<Person> persons;
    persons.Add(Named("a"));
    persons.Add(Named("b"));
    persons.Clear();
    EXPECT_TRUE(persons.IsEmpty());
    EXPECT_EQ(persons.LastID(), 0);

    persons.Add(Named("a"));
    persons.Remove(1);
    persons.Clear();  // already empty: the counter stays
    EXPECT_EQ(persons.LastID(), 1);
    EXPECT_EQ(persons.Add(Named("b")), 2);
}

TEST(RecordCollection, UpdateReplacesEveryFieldOfTheStoredRecord)
{
    RecordCollection<Person> persons;
    const int32_t id = persons.Add(Named("Anna", "Smith"));
    Person changed = *persons.Find(id);
    changed.LName = "Jones";
    changed.Notes = "line\nbreak";
    EXPECT_TRUE(persons.Update(changed));
    EXPECT_EQ(*persons.Find(id), changed);
    changed.ID = 77;
    EXPECT_FALSE(persons.Update(changed));
    EXPECT_EQ(persons.Count(), 1u);
}

TEST(RecordCollection, CounterWrapsWithoutOverflow)
{
    RecordCollection<Person> persons;
    persons.SetLastID(INT_MAX);
    EXPECT_EQ(persons.Add(Named("a")), INT_MIN);
}

TEST(Records, DisplayName)
{
    struct Case {
        const char* first;
        const char* last;
        const char* expected;
    };
    const Case cases[] = {
        {"Anna", "Smith", "Smith, Anna"},
        {"", "Smith", "Smith"},
        {"Anna", "", "Anna"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        Person p = Named(c.first, c.last);
        p.Company = "Acme";
        EXPECT_EQ(p.GetDisplayName(), c.expected);
    }
}

TEST(Records, DefaultsTakeTheCurrentTime)
{
    ScopedClock clock(2026, 12, 5, 10, 37, 12);
    const Task task;
    EXPECT_EQ(task.DueDate.Format("%Y-%m-%d %H:%M:%S"), "2026-12-05 10:37:12");
    EXPECT_FALSE(task.DoneDate.IsValid());
    EXPECT_EQ(task.Priority, kPriorityHigh);
    const Appointment appointment;
    EXPECT_EQ(appointment.StartTime, task.DueDate);
    EXPECT_EQ(appointment.EndTime, task.DueDate);
    EXPECT_EQ(appointment.AlarmTime, task.DueDate);
    EXPECT_FALSE(appointment.Alarm);
    const Person person;
    EXPECT_EQ(person.WhitePages, 0);
    EXPECT_EQ(Task::PriorityName(kPriorityDone), std::string("Done"));
    EXPECT_EQ(Task::PriorityName(4), std::string(""));
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
    EXPECT_EQ(tasks.Find(id)->DoneDate, PimDateTime::Today());
    EXPECT_EQ(tasks.Find(id)->DoneDate.Format("%Y-%m-%d %H:%M"), "2026-03-10 00:00");
    EXPECT_FALSE(tasks.CompleteTask(id + 1));
}

TEST(PimDatabase, CompactRemovesCompletedTasksDueBeforeToday)
{
    ScopedClock clock(2026, 3, 10, 9, 0);
    PimDatabase db;
    auto add = [&](int month, int day, int hour, int32_t priority) {
        Task t;
        t.DueDate.SetDateTime(2026, month, day, hour, 0, 0);
        t.Priority = priority;
        return db.Tasks().Add(t);
    };
    const int32_t doneYesterday = add(3, 9, 0, kPriorityDone);
    const int32_t doneYesterdayEvening = add(3, 9, 23, kPriorityDone);
    const int32_t doneToday = add(3, 10, 0, kPriorityDone);
    const int32_t openOld = add(1, 1, 0, kPriorityHigh);
    const int32_t doneFuture = add(4, 1, 0, kPriorityDone);
    db.Persons().Add(Named("kept"));
    db.Compact();
    EXPECT_EQ(db.Tasks().Find(doneYesterday), nullptr);
    EXPECT_EQ(db.Tasks().Find(doneYesterdayEvening), nullptr);
    EXPECT_NE(db.Tasks().Find(doneToday), nullptr);
    EXPECT_NE(db.Tasks().Find(openOld), nullptr);
    EXPECT_NE(db.Tasks().Find(doneFuture), nullptr);
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

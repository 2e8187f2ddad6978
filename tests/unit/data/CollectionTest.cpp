#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "data/PimDatabase.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::ScopedClock;

Person Named(const std::string& first, int32_t id = 0)
{
    Person p;
    p.FName = first;
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

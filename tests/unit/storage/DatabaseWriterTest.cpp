#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "storage/DatabaseWriter.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::At;

std::string Golden(const std::string& name)
{
    return test::ReadFileBytes(test::DataPath("writer/" + name));
}

TEST(DatabaseWriter, EmptyDatabase)
{
    test::ScopedClock clock(2024, 3, 10, 15, 30);
    EXPECT_EQ(DatabaseWriter::BuildText(PimDatabase()), Golden("empty.pgr"));
}

// Only the five markup characters are escaped; task dates fall back to today and a done
// date needs completion; dates before 1970 and an alarm time without an alarm are 0.
TEST(DatabaseWriter, RecordsOfEveryKind)
{
    test::ScopedClock clock(2024, 3, 10, 15, 30);
    PimDatabase db;
    Person p;
    p.ID = 7;
    p.FName = "Jos\xe9";
    p.LName = "O'Neil";
    p.RName = p.GetDisplayName();
    p.Company = "Smith & Sons";
    p.YellowPages = 1;
    p.Notes = "Line one\nsays \"hi\" & 'bye' <b>\tx\r\n";
    p.EMail = "a@b.example";
    db.Persons().Insert(p);
    db.Persons().SetLastID(9);
    db.GetUser().FName = "<me>";

    const auto task = [](int32_t id, const char* text, int32_t priority, PimDateTime due) {
        Task t = test::MakeTask(text, due, priority);
        t.ID = id;
        return t;
    };
    // Added out of order: the file lists them by ID.
    db.Tasks().Insert(task(5, "Before 1970", kPriorityLow, At(1969, 7, 20)));
    Task open = task(2, "Open, with a date", kPriorityMedium, At(2024, 3, 12));
    open.DoneDate = At(2024, 3, 1);
    db.Tasks().Insert(open);
    db.Tasks().Insert(task(1, "Done, no date", kPriorityDone, At(2024, 3, 9)));
    db.Tasks().SetLastID(5);

    Appointment moon =
        test::MakeAppointment("Moon landing party", At(1969, 7, 20, 20, 17), At(1970, 1, 1, 10));
    moon.ID = 3;
    moon.AlarmTime = At(1969, 7, 20, 20);
    Appointment summer =
        test::MakeAppointment("Summer", At(2024, 7, 4, 9, 30), At(2024, 7, 4, 10, 45));
    summer.ID = 4;
    summer.Alarm = true;
    summer.AlarmTime = At(2024, 7, 4, 9, 15);
    summer.Done = true;
    db.Appointments().Insert(summer);
    db.Appointments().Insert(moon);
    db.Appointments().SetLastID(-2);
    test::ExpectGolden(DatabaseWriter::BuildText(db), "writer/records.pgr");
}

// A save takes the text in pieces: together they are the whole text, and a refused piece
// stops the writing.
TEST(DatabaseWriter, PiecesMakeTheWholeTextAndARefusalStops)
{
    PimDatabase db;
    Person p;
    p.Notes = std::string(1000, 'n');
    for (int i = 0; i < 1000; ++i) {
        db.Persons().Add(p);
    }
    for (const size_t refused : {size_t{0}, size_t{2}}) {
        std::string joined;
        size_t pieces = 0;
        const bool written = DatabaseWriter::WriteText(db, [&](std::string_view piece) {
            joined.append(piece);
            return ++pieces != refused;
        });
        EXPECT_EQ(written, refused == 0);
        if (refused == 0) {
            EXPECT_EQ(joined, DatabaseWriter::BuildText(db));
            EXPECT_EQ(pieces, joined.size() / DatabaseWriter::kPiece + 1);
        } else {
            EXPECT_EQ(pieces, refused);
        }
    }
}

}  // namespace
}  // namespace orvane

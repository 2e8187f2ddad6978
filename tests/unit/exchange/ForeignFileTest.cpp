#include <gtest/gtest.h>

#include <functional>

#include "ImportFixture.h"

namespace orvane {
namespace {

using test::At;

// Files written by other programs, one case per file: how the columns are assigned, how
// many records must come in, and what some of them must hold.
struct ForeignFile {
    const char* name;
    RecordKind kind;
    const char* separator;
    const char* encloser;
    bool header;
    std::vector<std::string> mapping;
    int added;
    std::function<void(const PimDatabase&)> check;
};

const std::vector<ForeignFile>& Files()
{
    static const std::vector<ForeignFile> files = {
        {"contacts-spreadsheet.csv",
         RecordKind::Persons,
         ",",
         "\"",
         true,
         {"FirstName", "LastName", "Company", "E-Mail", "WorkPhone", "Notes"},
         4,
         [](const PimDatabase& db) {
             const Person& bob = *db.Persons().Find(2);
             EXPECT_EQ(bob.FName, "Bob \"Bobby\"");
             EXPECT_EQ(bob.RName, "Jones, Bob \"Bobby\"");
             EXPECT_EQ(bob.Notes, "Said \"hi\"");
             EXPECT_EQ(db.Persons().Find(3)->Notes, "Main supplier");
             EXPECT_EQ(db.Persons().Find(4)->Notes, "Notes, with a comma");
             EXPECT_EQ(db.Persons().Find(1)->WkPhone, "555-0100");
         }},
        {"tasks-semicolon.txt",
         RecordKind::Tasks,
         ";",
         "",
         true,
         {"Task", "DueDate", "Priority"},
         4,
         [](const PimDatabase& db) {
             EXPECT_EQ(db.Tasks().Find(1)->DueDate, At(2026, 3, 15));
             EXPECT_EQ(db.Tasks().Find(1)->Priority, 2);
             EXPECT_EQ(db.Tasks().Find(3)->DueDate, At(2026, 4, 15));
             EXPECT_EQ(db.Tasks().Find(4)->Description, "Tidy desk");
             EXPECT_EQ(db.Tasks().Find(4)->DueDate, At(2026, 3, 1));  // today
         }},
        {"appointments-tab.txt",
         RecordKind::Appointments,
         "\t",
         "\"",
         false,
         {"Appointment", "Date", "StartTime", "EndTime", "Alarmed", "AlarmTime"},
         3,
         [](const PimDatabase& db) {
             const Appointment& standup = *db.Appointments().Find(1);
             EXPECT_TRUE(standup.Alarm);
             EXPECT_EQ(standup.AlarmTime, At(2026, 3, 9, 8, 55));
             const Appointment& review = *db.Appointments().Find(2);
             EXPECT_EQ(review.EndTime, At(2026, 3, 9, 15, 30));
             EXPECT_EQ(review.AlarmTime, At(2026, 3, 9, 13, 30));
             const Appointment& trip = *db.Appointments().Find(3);
             EXPECT_FALSE(trip.Alarm);
             EXPECT_EQ(trip.EndTime, At(2026, 3, 10, 18, 0));
         }},
    };
    return files;
}

class ForeignFileTest : public test::ImportFixture {};

TEST_F(ForeignFileTest, ImportsWhatTheRulesAccept)
{
    for (const ForeignFile& f : Files()) {
        SCOPED_TRACE(f.name);
        PimDocument document;
        auto settings =
            test::ImportSettings(f.kind, test::DataFile(std::string("foreign/") + f.name),
                                 f.mapping, f.header, f.separator, f.encloser);
        const int added = test::RunImport(document, settings);
        EXPECT_EQ(added, f.added);
        if (added == f.added) {
            f.check(document.Database());
        }
    }
}

}  // namespace
}  // namespace orvane

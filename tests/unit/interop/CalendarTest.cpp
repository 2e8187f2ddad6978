#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/CalendarItem.h"
#include "interop/CalendarRecords.h"
#include "interop/VCardExport.h"
#include "interop/VCardImport.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/SampleData.h"
#include "support/TestEnvironment.h"

namespace orvane::interop {
namespace {

using test::At;
using test::ReadFileBytes;

std::string Fixture(const char* name)
{
    return ReadFileBytes(test::DataPath("interop/") / name);
}

class Calendars : public testing::Test {
protected:
    test::ScopedClock m_clock{2024, 3, 1, 12, 0, 0};
};

TEST_F(Calendars, CalendarsFromOtherProgramsMapAsExpected)
{
    PimDatabase db;
    const ExpansionWindow year{At(2024, 1, 1), At(2024, 12, 31)};
    const auto events = CalendarImport::Run(db, Fixture("calendar.ics"), year);
    const auto tasks = CalendarImport::Run(db, Fixture("tasks.ics"), year);
    ASSERT_TRUE(events && tasks);
    test::ExpectGolden(test::RecordsText(db) + events->Text() + "\n" + tasks->Text() + "\n",
                       "interop/calendar.expected");
}

TEST_F(Calendars, SeriesAreExpandedWithinTheWindow)
{
    const auto day = [](const std::string& text) {
        return At(std::stoi(text), std::stoi(text.substr(5)), std::stoi(text.substr(8)));
    };
    for (const auto& row : test::RowsOf("interop/series-windows.txt")) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        const ExpansionWindow window = row[0] == "default"
                                           ? ExpansionWindow::Default()
                                           : ExpansionWindow{day(row[0]), day(row[1])};
        PimDatabase db;
        const auto summary = CalendarImport::Run(db, Fixture("calendar.ics"), window);
        ASSERT_TRUE(summary);
        EXPECT_EQ(summary->series, 2u);
        EXPECT_EQ(summary->seriesAppointments, std::stoul(row[2]));
        EXPECT_EQ(db.Appointments().Count(), std::stoul(row[2]) + 6);  // the single events
    }
}

// alarm: invalid for none.
Appointment Make(const char* text, const PimDateTime& start, const PimDateTime& end,
                 const PimDateTime& alarm = PimDateTime())
{
    Appointment a = test::MakeAppointment(text, start, end);
    a.Alarm = alarm.IsValid();
    a.AlarmTime = a.Alarm ? alarm : start;
    return a;
}

void Fill(PimDatabase& db)
{
    db.Appointments().Add(
        Make("Dentist", At(2024, 3, 12, 9, 30), At(2024, 3, 12, 10, 15), At(2024, 3, 12, 9, 15)));
    db.Appointments().Add(Make("Trip, days; three\nwith ünïcode", At(2024, 5, 20),
                               At(2024, 5, 22, 23, 59), At(2024, 5, 19, 12)));
    Appointment late =
        Make("Listed the day before", At(2024, 3, 10, 0, 30), At(2024, 3, 10, 0, 30));
    late.DueDate = At(2024, 3, 9);
    late.Done = true;
    db.Appointments().Add(late);
    // Across the change to summer time in America; the alarm comes after the start.
    db.Appointments().Add(
        Make("Night shift", At(2024, 3, 10, 1, 30), At(2024, 3, 10, 4, 0), At(2024, 3, 10, 1, 35)));
    db.Appointments().Add(Make("Autumn", At(2024, 10, 27, 2, 30), At(2024, 11, 3, 1, 30),
                               At(2024, 10, 26, 23, 59, 30)));
    for (int32_t priority : {kPriorityHigh, kPriorityMedium, kPriorityLow, kPriorityDone}) {
        Task task =
            test::MakeTask("Task " + std::to_string(priority), At(2024, 4, 1 + priority), priority);
        task.DoneDate = priority == kPriorityDone ? At(2024, 3, 2) : PimDateTime();
        db.Tasks().Add(task);
    }
}

TEST_F(Calendars, EveryFieldSurvivesARoundTripInEveryZone)
{
    for (const char* zone : {"America/New_York", "Europe/Berlin", "Australia/Lord_Howe", "UTC"}) {
        test::ScopedTimeZone scoped(zone);
        PimDatabase db;
        Fill(db);
        const ExportResult result = CalendarExport::Run(db, true, true);
        EXPECT_EQ(result.uidsGiven, 9u);
        PimDatabase back;
        ASSERT_TRUE(CalendarImport::Run(back, result.text, ExpansionWindow::Default()));
        EXPECT_EQ(test::RecordsText(back), test::RecordsText(db)) << zone << "\n" << result.text;
        EXPECT_EQ(back.Appointments().Records(), db.Appointments().Records()) << zone;
        EXPECT_EQ(back.Tasks().Records(), db.Tasks().Records()) << zone;
    }
}

// An all-day event's end counts in whole days only when it is a date too.
TEST_F(Calendars, AnAllDayEventWithATimedEndLastsItsFirstDay)
{
    const auto read = CalendarItem::Read(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:fair-1\r\n"
        "DTSTART;VALUE=DATE:20240305\r\nDTEND:20240308T120000\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n",
        ExpansionWindow::Default());
    ASSERT_TRUE(read && read->appointments.size() == 1);
    EXPECT_EQ(test::TimeText(read->appointments[0].EndTime), "2024-03-05 23:59:00");
}

TEST_F(Calendars, ItemsKnownByTheirUidAreUpdatedNotDoubled)
{
    PimDatabase db;
    const ExpansionWindow year{At(2024, 1, 1), At(2024, 12, 31)};
    std::vector<std::string> steps;  // added/updated/unchanged after each import
    const auto counts = [&](const char* what, const RecordCounts& c) {
        steps.push_back(std::string(what) + " " + std::to_string(c.added) + "/" +
                        std::to_string(c.updated) + "/" + std::to_string(c.unchanged));
    };
    const auto calendar = [&](const std::string& text) {
        counts("events", CalendarImport::Run(db, text, year)->appointments);
    };
    const auto cards = [&](const std::string& text) {
        counts("cards", VCardImport::Run(db, text)->persons);
    };
    calendar(Fixture("calendar.ics"));
    cards(Fixture("webmail.vcf"));  // cards without a UID
    calendar(CalendarExport::Run(db, true, true).text);
    cards(VCardExport::Run(db, {}).text);
    calendar(Fixture("calendar.ics"));
    cards(Fixture("webmail.vcf"));
    Appointment changed = db.Appointments().begin()->second;
    changed.Description = "Changed here";
    db.Appointments().Update(changed);
    calendar(Fixture("calendar.ics"));
    EXPECT_EQ(steps, (std::vector<std::string>{"events 16/0/0", "cards 3/0/0", "events 0/0/16",
                                               "cards 0/0/3", "events 0/0/16", "cards 0/0/3",
                                               "events 0/1/15"}));
    EXPECT_EQ(db.Appointments().begin()->second.Description, "Team call with Berlin");
}

TEST_F(Calendars, ASyncedItemKeepsWhatThisProgramDoesNotMap)
{
    const std::string item =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Server//EN\r\nBEGIN:VEVENT\r\n"
        "UID:lunch-1\r\nDTSTAMP:20240201T120000Z\r\nDTSTART:20240305T170000Z\r\n"
        "DURATION:PT1H\r\nSUMMARY:Lunch\r\nLOCATION:Corner café\r\n"
        "ATTENDEE;CN=Ana:mailto:ana@example.com\r\nBEGIN:VALARM\r\nACTION:EMAIL\r\n"
        "SUMMARY:x\r\nDESCRIPTION:y\r\nATTENDEE:mailto:me@example.com\r\nTRIGGER:-PT1H\r\n"
        "END:VALARM\r\nEND:VEVENT\r\nBEGIN:VTODO\r\nUID:todo-1\r\nSUMMARY:Book table\r\n"
        "CATEGORIES:Food\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
    auto records = CalendarItem::Read(item, ExpansionWindow::Default());
    ASSERT_TRUE(records && records->appointments.size() == 1 && records->tasks.size() == 1);
    Appointment lunch = records->appointments[0];
    lunch.Description = "Long lunch";
    lunch.EndTime = lunch.EndTime + PimTimeSpan::Minutes(30);
    lunch.Alarm = true;
    lunch.AlarmTime = lunch.StartTime - PimTimeSpan::Minutes(10);
    Task table = records->tasks[0];
    table.Priority = kPriorityDone;
    table.DoneDate = At(2024, 3, 1);

    std::string updated = CalendarItem::UpdateAppointment(item, lunch).value_or("");
    updated = CalendarItem::UpdateTask(updated, table).value_or("");
    for (const char* kept : {"LOCATION:Corner café", "ATTENDEE;CN=Ana", "ACTION:EMAIL",
                             "CATEGORIES:Food", "TRIGGER:-PT10M", "SUMMARY:Long lunch"}) {
        EXPECT_NE(updated.find(kept), std::string::npos) << kept << "\n" << updated;
    }
    const auto again = CalendarItem::Read(updated, ExpansionWindow::Default());
    ASSERT_TRUE(again && again->appointments.size() == 1 && again->tasks.size() == 1);
    EXPECT_EQ(again->appointments[0], lunch);
    EXPECT_EQ(again->tasks[0], table);
    EXPECT_EQ(again->unmapped.Text(), "ATTENDEE 1, CATEGORIES 1, LOCATION 1, VALARM 1");

    // A done task edited in its text keeps the completion time the server gave it.
    const std::string done =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTODO\r\nUID:done-1\r\n"
        "SUMMARY:Filed\r\nSTATUS:COMPLETED\r\nCOMPLETED:20240301T101500Z\r\n"
        "END:VTODO\r\nEND:VCALENDAR\r\n";
    Task filed = CalendarItem::Read(done, ExpansionWindow::Default())->tasks.at(0);
    filed.Description = "Filed taxes";
    EXPECT_NE(CalendarItem::UpdateTask(done, filed).value_or("").find("COMPLETED:20240301T101500Z"),
              std::string::npos);

    // One occurrence of a series is not the series.
    EXPECT_FALSE(CalendarItem::UpdateAppointment(Fixture("calendar.ics"), lunch));
    EXPECT_EQ(CalendarRecords::SeriesUid("team@x#20240321T150000Z"), "team@x");

    // New items read back as the records they came from.
    const auto fresh =
        CalendarItem::Read(CalendarItem::FromAppointment(lunch) + CalendarItem::FromTask(table),
                           ExpansionWindow::Default());
    ASSERT_TRUE(fresh && fresh->appointments.size() == 1 && fresh->tasks.size() == 1);
    EXPECT_EQ(fresh->appointments[0], lunch);
    EXPECT_EQ(fresh->tasks[0], table);
}

}  // namespace
}  // namespace orvane::interop

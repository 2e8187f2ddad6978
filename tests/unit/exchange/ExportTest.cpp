#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "data/PimDocument.h"
#include "exchange/ExportColumns.h"
#include "storage/SafeSave.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::At;

class ExportTest : public ::testing::Test {
protected:
    test::ScopedClock m_clock{2026, 3, 1, 9, 0, 0};
    test::ScratchFolder m_dir;
    PimDocument m_document;
    std::string m_out = m_dir.File("out.csv");
};

TEST_F(ExportTest, PersonsMatchTheGoldenFile)
{
    Person bob;
    bob.ID = 7;
    bob.FName = "Bob 'Bobby'";
    bob.LName = "Smith";
    bob.Addr1 = "1 Main St";
    bob.City = "Springfield";
    bob.State = "IL";
    bob.CelPhone = "555-0199";
    bob.Pager = "555-0101";
    bob.EMail = "bob@example.com";
    bob.Notes = "Bob 'Bobby'";
    bob.HmPhone = "not exported";
    Person anna = test::MakePerson("Anna", "", "Acme, Inc.");
    anna.ID = 3;
    anna.Position = "Buyer";
    m_document.Database().Persons().Insert(bob);
    m_document.Database().Persons().Insert(anna);

    const auto settings =
        test::ExportSettings(RecordKind::Persons, m_out,
                             {"FirstName", "LastName", "Address1", "City", "State", "CelPhone",
                              "Pager", "E-Mail", "Company", "Position", "Notes"});
    EXPECT_EQ(m_document.ExportPersons(settings), 2);
    EXPECT_EQ(test::ReadFileBytes(m_out),
              test::ReadFileBytes(test::DataFile("golden/persons.csv")));
}

TEST_F(ExportTest, TasksMatchTheGoldenFile)
{
    const auto add = [this](const char* text, PimDateTime due, int priority) {
        m_document.Database().Tasks().Add(test::MakeTask(text, due, priority));
    };
    add("Call Bob", At(2026, 3, 9, 15, 30), kPriorityMedium);
    add("", At(2026, 12, 25), kPriorityDone);
    add("Buy \"milk\"", At(2026, 1, 5), kPriorityHigh);

    const auto settings =
        test::ExportSettings(RecordKind::Tasks, m_out, {"Task", "DueDate", "Priority"});
    EXPECT_EQ(m_document.ExportTasks(settings), 3);
    EXPECT_EQ(test::ReadFileBytes(m_out), test::ReadFileBytes(test::DataFile("golden/tasks.csv")));
}

Appointment MakeAppointment(const char* text, PimDateTime start, PimDateTime end, bool alarm,
                            PimDateTime alarmTime)
{
    Appointment a = test::MakeAppointment(text, start, end);
    a.Alarm = alarm;
    a.AlarmTime = alarmTime;
    return a;
}

TEST_F(ExportTest, AppointmentsMatchTheGoldenFile)
{
    auto& book = m_document.Database().Appointments();
    book.Add(MakeAppointment("Say \"hi\"", At(2026, 3, 9, 10), At(2026, 3, 9, 11), true,
                             At(2026, 3, 9, 9, 45)));
    book.Add(MakeAppointment("Lunch", At(2026, 3, 9, 12, 30), At(2026, 3, 9, 13, 30), true,
                             At(2026, 3, 9, 11)));
    book.Add(MakeAppointment("Gym", At(2026, 3, 10, 18), At(2026, 3, 10, 19, 15), true,
                             At(2026, 3, 10, 17, 45, 1)));
    book.Add(MakeAppointment("Call", At(2026, 3, 11, 8, 5), At(2026, 3, 11, 8, 20), false,
                             At(2026, 3, 11, 7, 0)));
    book.Add(MakeAppointment("Late alarm", At(2026, 3, 12, 9), At(2026, 3, 12, 9, 30), true,
                             At(2026, 3, 12, 9, 10)));
    book.Add(MakeAppointment("No alarm time", At(2026, 3, 13, 9), At(2026, 3, 13, 9, 30), true,
                             PimDateTime()));

    const auto settings = test::ExportSettings(
        RecordKind::Appointments, m_out,
        {"Appointment", "Date", "StartTime", "EndTime", "Alarmed", "AlarmTime"}, true, ";", "\"");
    EXPECT_EQ(m_document.ExportAppointments(settings), 6);
    EXPECT_EQ(test::ReadFileBytes(m_out),
              test::ReadFileBytes(test::DataFile("golden/appointments.csv")));
}

TEST_F(ExportTest, AlarmLeadIsWholeMinutesWithinAnHour)
{
    struct Case {
        int leadSeconds;
        bool alarm;
        int expected;
    } cases[] = {
        {15 * 60, true, 15}, {15 * 60 - 1, true, 14}, {61 * 60, true, 60},
        {-60, true, 0},      {15 * 60, false, 0},     {59, true, 0},
    };
    // Many start times, so that floating-point noise in the day numbers would show.
    for (int day = 1; day <= 28; ++day) {
        for (const Case& c : cases) {
            Appointment a;
            a.StartTime = At(2026, 2, day, 10, 0, 0);
            // Built from components, as the editors and the file reader store them.
            SystemTime st;
            (a.StartTime - PimTimeSpan(0, 0, 0, c.leadSeconds)).GetAsSystemTime(st);
            a.AlarmTime = PimDateTime(st);
            a.Alarm = c.alarm;
            EXPECT_EQ(ExportColumns::AlarmMinutes(a), c.expected)
                << "day " << day << " lead " << c.leadSeconds;
        }
    }
}

TEST_F(ExportTest, SmallExportsReplaceTheFile)
{
    m_document.Database().Tasks().Add(
        test::MakeTask("Call Bob", PimDateTime::Now(), kPriorityMedium));
    Person person = test::MakePerson("Anna", "");
    person.City = "Rome";
    struct Case {
        RecordKind kind;
        std::vector<std::string> fields;
        bool header;
        const char* separator;
        const char* encloser;
        const char* expected;
    } cases[] = {
        {RecordKind::Tasks, {"Task", "Priority"}, false, ",", "'", "'Call Bob','1'\n"},
        {RecordKind::Tasks, {"Task"}, true, ",", "'", "'Task'\n'Call Bob'\n"},
        // An empty collection gives an empty file, even with a header.
        {RecordKind::Persons, {"FirstName"}, true, ",", "'", ""},
        // The header follows the mapping; the values always follow the table.
        {RecordKind::Persons, {"City", "FirstName"}, true, "|", "", "City|FirstName\nAnna|Rome\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        test::WriteFileBytes(m_out, std::string(10000, 'z'));
        const auto settings =
            test::ExportSettings(c.kind, m_out, c.fields, c.header, c.separator, c.encloser);
        const int expected = *c.expected ? 1 : 0;
        EXPECT_EQ(Transfer::Export(m_document, c.kind, settings), expected);
        EXPECT_EQ(test::ReadFileBytes(m_out), c.expected);
        if (c.kind == RecordKind::Persons && !expected) {
            m_document.Database().Persons().Add(person);
        }
    }
}

TEST_F(ExportTest, AFailedWriteReturnsZero)
{
    m_document.Database().Tasks().Add(test::MakeTask("x"));
    m_document.Database().Appointments().Add(Appointment());
    EXPECT_EQ(
        m_document.ExportTasks(test::ExportSettings(RecordKind::Tasks, "/dev/full", {"Task"})), 0);
    EXPECT_EQ(m_document.ExportAppointments(test::ExportSettings(
                  RecordKind::Appointments, m_dir.File("no/such/folder/a.csv"), {"Appointment"})),
              0);
    // The file it was to replace stays as it was.
    test::WriteFileBytes(m_out, "kept");
    SafeSave::SetFaultInjector([](SafeSave::Step step) { return step == SafeSave::Step::Rename; });
    EXPECT_EQ(m_document.ExportTasks(test::ExportSettings(RecordKind::Tasks, m_out, {"Task"})), 0);
    SafeSave::SetFaultInjector({});
    EXPECT_EQ(test::ReadFileBytes(m_out), "kept");
}

}  // namespace
}  // namespace orvane

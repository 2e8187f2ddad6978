#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "data/PimDocument.h"
#include "exchange/ExportColumns.h"
#include "storage/SafeSave.h"
#include "support/ScriptedPrompter.h"
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

// One database holds the records of all three exports: quotes to double, a done task,
// alarms on and off, before and after the start, a field the mapping leaves out.
TEST_F(ExportTest, EachKindMatchesItsGoldenFile)
{
    ScriptedPrompter prompter;
    ASSERT_TRUE(m_document.Database().Load(
        test::ReadFileBytes(test::DataFile("export-source.pgr")).c_str(), prompter));
    const std::vector<std::string> persons{"FirstName", "LastName", "Address1", "City",
                                           "State",     "CelPhone", "Pager",    "E-Mail",
                                           "Company",   "Position", "Notes"};
    const std::vector<std::string> appointments{"Appointment", "Date",    "StartTime",
                                                "EndTime",     "Alarmed", "AlarmTime"};
    const struct {
        RecordKind kind;
        TransferSettings settings;
        int count;
        const char* golden;
    } cases[] = {
        {RecordKind::Persons, test::ExportSettings(RecordKind::Persons, m_out, persons), 2,
         "golden/persons.csv"},
        {RecordKind::Tasks,
         test::ExportSettings(RecordKind::Tasks, m_out, {"Task", "DueDate", "Priority"}), 3,
         "golden/tasks.csv"},
        {RecordKind::Appointments,
         test::ExportSettings(RecordKind::Appointments, m_out, appointments, true, ";", "\""), 6,
         "golden/appointments.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        EXPECT_EQ(Transfer::Export(m_document, c.kind, c.settings), c.count);
        EXPECT_EQ(test::ReadFileBytes(m_out), test::ReadFileBytes(test::DataFile(c.golden)));
    }
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

#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "exchange/FieldTables.h"

namespace orvane {
namespace {

using test::At;

class ImportTest : public test::ImportFixture {
protected:
    std::vector<Task> Tasks() { return Records(m_document.Database().Tasks()); }
    std::vector<Person> Persons() { return Records(m_document.Database().Persons()); }
};

TEST_F(ImportTest, PriorityReadsLikeAtoiAndKeepsOnlyTheFourCodes)
{
    const std::pair<const char*, int> cases[] = {
        {"7", 0}, {"-1", 0}, {"High", 0}, {"2", 2},           {"' 3'", 3},         {"1x", 1},
        {"", 0},  {"+2", 2}, {"3.9", 3},  {"99999999999", 0}, {"-99999999999", 0},
    };
    std::string file;
    for (const auto& [text, expected] : cases) {
        file += std::string("'t',") + text + "\n";
    }
    ASSERT_EQ(Import(RecordKind::Tasks, file, {"Task", "Priority"}), std::size(cases));
    const auto tasks = Tasks();
    for (size_t i = 0; i < tasks.size(); ++i) {
        EXPECT_EQ(tasks[i].Priority, cases[i].second) << cases[i].first;
    }
}

TEST_F(ImportTest, ATaskNeedsADescriptionAndMarkersReadAsEmpty)
{
    const std::string file =
        "'Call',1\n"
        ",2\n"
        "'  b  ',1\n"
        "EOF,1\n"
        "eof,1\n"
        "EMPTY FIELD,1\n"
        "Empty Field,1\n"
        "'EOF ',1\n";
    EXPECT_EQ(Import(RecordKind::Tasks, file, {"Task", "Priority"}), 5);
    std::vector<std::string> descriptions;
    for (const Task& task : Tasks()) {
        descriptions.push_back(task.Description);
    }
    EXPECT_EQ(descriptions, (std::vector<std::string>{"Call", "b", "eof", "Empty Field", "EOF"}));
}

TEST_F(ImportTest, DueDatesAreDaysAtMidnightOrToday)
{
    const std::string file =
        "a,3/9/2026\n"
        "b,'March 10, 2026'\n"
        "c,3/11/2026 14:30\n"
        "d,garbage\n"
        "e,\n"
        "f,2/30/2026\n";
    ASSERT_EQ(Import(RecordKind::Tasks, file, {"Task", "DueDate"}), 6);
    const PimDateTime today = At(2026, 3, 1);
    const PimDateTime expected[] = {At(2026, 3, 9), At(2026, 3, 10), At(2026, 3, 11),
                                    today,          today,           today};
    const auto tasks = Tasks();
    for (size_t i = 0; i < tasks.size(); ++i) {
        EXPECT_EQ(tasks[i].DueDate, expected[i]) << tasks[i].Description;
    }
}

TEST_F(ImportTest, FieldsWithoutAColumnKeepANewTasksDefaults)
{
    ASSERT_EQ(Import(RecordKind::Tasks, "a,3\nb,2\n", {"Task", ""}), 2);
    for (const Task& task : Tasks()) {
        EXPECT_EQ(task.Priority, kPriorityHigh);
        EXPECT_EQ(task.DueDate, At(2026, 3, 1, 9, 30));  // now, not midnight
        EXPECT_FALSE(task.DoneDate.IsValid());
    }
    EXPECT_EQ(Tasks()[0].ID, 1);
    EXPECT_EQ(Tasks()[1].ID, 2);
}

TEST_F(ImportTest, APersonNeedsAFirstNameLastNameOrCompany)
{
    const std::string file =
        ",,'Acme',,\n"
        ",,,'1 Main St','Rome'\n"
        "'Anna','Smith',,,\n"
        "EOF,EMPTY FIELD,,,x\n"
        "'Bo',,,,\n";
    EXPECT_EQ(
        Import(RecordKind::Persons, file, {"FirstName", "LastName", "Company", "Address1", "City"}),
        3);
    const auto persons = Persons();
    ASSERT_EQ(persons.size(), 3u);
    EXPECT_EQ(persons[0].Company, "Acme");
    EXPECT_EQ(persons[0].RName, "");
    EXPECT_EQ(persons[1].RName, "Smith, Anna");
    EXPECT_EQ(persons[2].RName, "Bo");
}

TEST_F(ImportTest, ListingFlagsDefaultToTheWhitePages)
{
    const std::string file =
        "a,,\n"
        "b,no,Yes\n"
        "c,TRUE,1\n"
        "d,no,no\n"
        "e,yes,YES\n"
        "f,on,true\n";
    ASSERT_EQ(Import(RecordKind::Persons, file, {"FirstName", "WhitePages", "YellowPages"}), 6);
    const std::pair<int, int> expected[] = {{1, 0}, {0, 1}, {1, 1}, {1, 0}, {1, 1}, {0, 1}};
    const auto persons = Persons();
    for (size_t i = 0; i < persons.size(); ++i) {
        EXPECT_EQ(persons[i].WhitePages, expected[i].first) << persons[i].FName;
        EXPECT_EQ(persons[i].YellowPages, expected[i].second) << persons[i].FName;
    }
    ASSERT_EQ(Import(RecordKind::Persons, "g\n", {"FirstName"}), 1);
    EXPECT_EQ(Persons().back().WhitePages, 1);
    EXPECT_EQ(Persons().back().YellowPages, 0);
}

TEST_F(ImportTest, EveryPersonColumnFeedsItsOwnField)
{
    const auto names = FieldTables::ImportNames(RecordKind::Persons);
    std::string line;
    for (size_t i = 0; i < names.size(); ++i) {
        line += (i ? "," : "") + (names[i] == "WhitePages"    ? std::string("0")
                                  : names[i] == "YellowPages" ? std::string("yes")
                                                              : "' v" + names[i] + " '");
    }
    ASSERT_EQ(Import(RecordKind::Persons, line + "\n", names), 1);
    const Person p = Persons().front();
    // The round trip compares every field; here the ones whose import differs.
    EXPECT_EQ(p.RName, "vLastName, vFirstName");
    EXPECT_EQ(p.Pager, "vPager");
    EXPECT_EQ(p.CelPhone, "vCelPhone");
    EXPECT_EQ(p.Notes, "vNotes");
    EXPECT_EQ(p.Position, " vPosition ");  // the one field that keeps its white space
    EXPECT_EQ(p.WhitePages, 0);
    EXPECT_EQ(p.YellowPages, 1);
}

TEST_F(ImportTest, TheHeaderLineIsSkippedOnlyWhenAnnounced)
{
    EXPECT_EQ(Import(RecordKind::Tasks, "'Task'\n'x'\n", {"Task"}, true), 1);
    EXPECT_EQ(Tasks().back().Description, "x");
    EXPECT_EQ(Import(RecordKind::Tasks, "'Task'\n'x'\n", {"Task"}, false), 2);
    EXPECT_EQ(Tasks()[1].Description, "Task");
    EXPECT_EQ(Import(RecordKind::Tasks, "", {"Task"}, true), 0);
    EXPECT_EQ(Import(RecordKind::Tasks, "'Task'", {"Task"}, true), 0);
}

TEST_F(ImportTest, AnUnterminatedLastLineIsLost)
{
    EXPECT_EQ(Import(RecordKind::Tasks, "a\nb\nc", {"Task"}), 2);
    EXPECT_EQ(Tasks().back().Description, "b");
}

TEST_F(ImportTest, AnOverLongLineEndsTheImport)
{
    struct Case {
        RecordKind kind;
        std::vector<std::string> mapping;
        size_t limit;
    } cases[] = {
        {RecordKind::Tasks, {"Task"}, 2047},
        {RecordKind::Persons, {"FirstName"}, 4095},
        {RecordKind::Appointments, {"Appointment", "Date", "StartTime", "EndTime"}, 2047},
    };
    for (const Case& c : cases) {
        PimDocument document;
        auto run = [&](const TransferSettings& settings) {
            return test::RunImport(document, settings);
        };
        // Lines of an exact length; appointments on different days so that none collide.
        auto line = [&](size_t length, int day) {
            const std::string tail = c.kind == RecordKind::Appointments
                                         ? ",3/" + std::to_string(day) + "/2026,10:00,11:00"
                                         : "";
            return std::string(length - tail.size(), 'x') + tail;
        };
        const std::string path = m_dir.File("long.csv");
        test::WriteBytes(path, line(30, 1) + "\n" + line(c.limit, 2) + "\n" + line(c.limit, 3) +
                                   "\r\n" + line(c.limit + 1, 4) + "\n" + line(30, 5) + "\n");
        auto settings = test::ImportSettings(c.kind, path, c.mapping, false, ",", "");
        EXPECT_EQ(run(settings), 3) << c.limit;
        // The same limit applies to the header line.
        test::WriteBytes(path, line(c.limit + 1, 6) + "\n" + line(30, 7) + "\n");
        settings.firstLineHasNames = true;
        EXPECT_EQ(run(settings), 0) << c.limit;
        test::WriteBytes(path, line(c.limit, 6) + "\n" + line(30, 7) + "\n");
        EXPECT_EQ(run(settings), 1) << c.limit;
    }
}

TEST_F(ImportTest, CarriageReturnLineFeedFilesReadLikeLineFeedFiles)
{
    const std::string lf = "'Task','Priority'\n'Call Bob','1'\n  \n\"q\",2\n";
    std::string crlf;
    for (char c : lf) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    ASSERT_EQ(Import(RecordKind::Tasks, lf, {"Task", "Priority"}, true), 2);
    ASSERT_EQ(Import(RecordKind::Tasks, crlf, {"Task", "Priority"}, true), 2);
    const auto tasks = Tasks();
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(tasks[i].Description, tasks[i + 2].Description);
        EXPECT_EQ(tasks[i].Priority, tasks[i + 2].Priority);
    }
    // A carriage return that is not followed by a line feed is text.
    ASSERT_EQ(Import(RecordKind::Tasks, "a\rb,2\n", {"Task", "Priority"}, false, ",", ""), 1);
    EXPECT_EQ(Tasks().back().Description, "a\rb");
}

TEST_F(ImportTest, ShortLinesReadAsEmptyColumnsAndExtraFieldsAreIgnored)
{
    ASSERT_EQ(Import(RecordKind::Tasks, "a\nb,2,x,y\n,,\n", {"Task", "Priority"}), 2);
    EXPECT_EQ(Tasks()[0].Priority, 0);
    EXPECT_EQ(Tasks()[1].Priority, 2);
    // A column count below the mapping's size limits what is read.
    auto settings =
        test::ImportSettings(RecordKind::Tasks, m_dir.File("in.csv"), {"Priority", "Task"}, false);
    settings.columnCount = 1;
    EXPECT_EQ(m_document.ImportTasks(settings), 0);
}

TEST_F(ImportTest, ViewsRefillOnceAndOnlyWhenSomethingWasAdded)
{
    EXPECT_EQ(Import(RecordKind::Tasks, "a,1\nb,2\nc\n", {"Task", "Priority"}), 3);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_TRUE(m_document.Modified());

    m_document.SetModified(false, false);
    EXPECT_EQ(Import(RecordKind::Persons, ",,\n", {"FirstName"}), 0);
    EXPECT_EQ(ImportFile(
                  test::ImportSettings(RecordKind::Persons, m_dir.File("gone.csv"), {"FirstName"})),
              0);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_FALSE(m_document.Modified());

    // Importing the same file again adds everything again, with new identifiers.
    EXPECT_EQ(Import(RecordKind::Tasks, "a,1\nb,2\n", {"Task", "Priority"}), 2);
    const auto tasks = Tasks();
    ASSERT_EQ(tasks.size(), 5u);
    EXPECT_EQ(tasks[4].ID, 5);
    EXPECT_EQ(tasks[4].Description, "b");
    EXPECT_EQ(m_document.Database().Tasks().LastID(), 5);
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "data/PimDatabase.h"
#include "storage/ReadWholeFile.h"
#include "storage/StorageTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane::cli {
namespace {

using test::At;

class TransferCommands : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder / name; }

    // A database file with two tasks, one person and one appointment.
    std::string SampleDatabase()
    {
        PimDatabase db;
        db.Tasks().Add(test::MakeTask("Call Bob", At(2026, 3, 9), kPriorityMedium));
        db.Tasks().Add(test::MakeTask("Pay 'rent'", At(2026, 4, 1)));
        db.Persons().Add(test::MakePerson("Anna", "Smith"));
        Appointment dentist =
            test::MakeAppointment("Dentist", At(2026, 3, 10, 9, 30), At(2026, 3, 10, 10, 15));
        dentist.Alarm = true;
        dentist.AlarmTime = At(2026, 3, 10, 9, 15);
        db.Appointments().Add(dentist);
        const std::string path = Path("sample.pgr");
        EXPECT_TRUE(db.Save(path));
        return path;
    }

    PimDatabase Load(const std::string& path)
    {
        PimDatabase db;
        ScriptedPrompter prompter;
        EXPECT_TRUE(db.Load(ReadWholeFile(path).value_or("").c_str(), prompter));
        return db;
    }

    test::ScratchFolder m_folder;
};

TEST_F(TransferCommands, ExportWritesTheChosenFieldsInTableOrder)
{
    const std::string db = SampleDatabase();
    const CliResult result =
        RunCli({"export", "tasks", db, Path("t.csv"), "--fields", "Priority,Task,DueDate",
                "--separator", "semicolon", "--encloser=single"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "2 records written.\n");
    EXPECT_EQ(test::ReadFileBytes(Path("t.csv")),
              "'Task';'DueDate';'Priority'\n"
              "'Call Bob';'3/9/2026';'1'\n"
              "'Pay ''rent''';'4/1/2026';'0'\n");

    EXPECT_EQ(RunCli({"export", "appointments", db, Path("a.csv"),
                      "--fields=Appointment,StartTime,"
                      "AlarmTime",
                      "--no-header", "--encloser", "none", "--separator", "tab"})
                  .status,
              kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("a.csv")), "Dentist\t9:30 AM\t15\n");
}

TEST_F(TransferCommands, ImportAddsSavesAndReportsTheCount)
{
    const std::string db = SampleDatabase();
    test::WriteFileBytes(Path("people.csv"),
                         "\"First\",\"Notes\",\"Firm\",\"Yellow\"\r\n"
                         "\"Bob\",\"met at \"\"the fair\"\"\",,yes\r\n"
                         ",\"nobody\",,\r\n"
                         ",,\"Acme\",no\r\n");
    const CliResult result = RunCli({"import", "persons", db, Path("people.csv"), "--columns",
                                     "FirstName,Notes,Company,YellowPages"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "2 names added to current database.\n");
    const PimDatabase saved = Load(db);
    ASSERT_EQ(saved.Persons().Count(), 3u);
    const Person& bob = *saved.Persons().Find(2);
    EXPECT_EQ(bob.FName, "Bob");
    EXPECT_EQ(bob.Notes, "met at \"the fair\"");
    EXPECT_EQ(bob.WhitePages, 1);  // no column says otherwise
    EXPECT_EQ(bob.YellowPages, 1);
    EXPECT_EQ(saved.Persons().Find(3)->Company, "Acme");
}

TEST_F(TransferCommands, TheClockOfNowDecidesTodayForUnreadableDueDates)
{
    const std::string db = SampleDatabase();
    test::WriteFileBytes(Path("t.txt"), "Water plants|someday\n");
    const CliResult result =
        RunCli({"--now", "2027-05-06 07:08:09", "import", "tasks", db, Path("t.txt"), "--columns",
                "Task,DueDate", "--separator", "pipe", "--no-header"});
    EXPECT_EQ(result.out, "1 tasks added to current database.\n");
    EXPECT_EQ(Load(db).Tasks().Find(3)->DueDate, At(2027, 5, 6));
}

// Which fields each type needs is the rule's test; the command asks before reading the file.
TEST_F(TransferCommands, MissingRequiredFieldsStopTheImportBeforeAnythingIsRead)
{
    const std::string db = SampleDatabase();
    const std::string before = test::ReadFileBytes(db);
    const CliResult result =
        RunCli({"import", "tasks", db, Path("nothing-here.csv"), "--columns", "DueDate"});
    EXPECT_EQ(result.status, kMissingFields);
    EXPECT_EQ(result.err + result.out, "You must include a task as a field to import.\n");
    EXPECT_EQ(test::ReadFileBytes(db), before);
}

TEST_F(TransferCommands, FailuresAndBadArguments)
{
    const std::string in = Path("in.csv");
    test::WriteFileBytes(in, "x\n");
    ExpectOutcomes(OutcomesOf("transfer-outcomes.txt", {{"$DB", SampleDatabase()},
                                                        {"$IN", in},
                                                        {"$OUT", Path("o.csv")},
                                                        {"$DIR", m_folder.Path().string()}}));
}

// A zero byte ends the text it stands in, wherever it comes from, so that what was saved
// opens again with the same records.
TEST_F(TransferCommands, AZeroByteEndsTheTextFromEverySource)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> import;  // empty: the bytes are a database file, resaved
        const char* first;
        const char* last;
    };
    const std::vector<std::string> tab = {"--columns", "FirstName,LastName", "--separator", "tab"};
    const std::vector<std::string> quoted = {"--columns", "FirstName,LastName", "--encloser",
                                             "single", "--no-header"};
    const std::string utf16 = {'\xFF', '\xFE', 'F',  0, 'N',  0, '\t', 0, 'L',  0,
                               'N',    0,      '\r', 0, '\n', 0, 'A',  0, 'n',  0,
                               'n',    0,      '\t', 0, 'S',  0, '\r', 0, '\n', 0};
    const Case cases[] = {
        {"&#0;",
         R"(<Pim Version="1"><Persons><Person ID="1" FName="Ann&#0;x" LName="S&#256;m"/>)"
         "</Persons></Pim>",
         {},
         "Ann",
         "S"},
        {"&#x110000;",
         R"(<Pim Version="13"><Persons><Person ID="1"><FName>A&#x110000;x</FName>)"
         "<LName>S</LName></Person></Persons></Pim>",
         {},
         "A",
         "S"},
        {"raw zero byte", std::string("First\tLast\nAnn\0x\tS\n", 19), tab, "Ann", "S"},
        {"\\000 escape", "'Ann\\000x','S'\n", quoted, "Ann", "S"},
        {"UTF-16", utf16, tab, "Ann", "S"},
        {"vCard",
         std::string("BEGIN:VCARD\r\nVERSION:3.0\r\nN:S;Ann\0x\r\nEND:VCARD\r\n", 48),
         {"vcard"},
         "Ann",
         "S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string db = Path("db.pgr"), in = Path("in.txt");
        ASSERT_TRUE(PimDatabase().Save(db));
        test::WriteFileBytes(in, c.bytes);
        std::vector<std::string> command = {"resave", in, db};
        if (c.import == std::vector<std::string>{"vcard"}) {
            command = {"import", "vcard", db, in};
        } else if (!c.import.empty()) {
            command = {"import", "persons", db, in};
            command.insert(command.end(), c.import.begin(), c.import.end());
        }
        ASSERT_EQ(RunCli(command).status, kSuccess);
        const PimDatabase saved = Load(db);
        ASSERT_EQ(saved.Persons().Count(), 1u);
        const Person& person = saved.Persons().begin()->second;
        EXPECT_EQ(person.FName + "|" + person.LName, c.first + std::string("|") + c.last);
        ASSERT_EQ(RunCli({"resave", db, Path("again.pgr")}).status, kSuccess);
        EXPECT_EQ(Load(Path("again.pgr")).Persons().Records(), saved.Persons().Records());
    }
}

TEST_F(TransferCommands, AnImportThatAddsNothingLeavesTheFileAlone)
{
    const std::string db = SampleDatabase();
    const auto written = std::filesystem::last_write_time(db);
    const std::string before = test::ReadFileBytes(db);
    test::WriteFileBytes(Path("in.csv"), "Name\n,\n");
    const CliResult result =
        RunCli({"import", "persons", db, Path("in.csv"), "--columns", "LastName"});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(result.out, "0 names added to current database.\n");
    EXPECT_EQ(test::ReadFileBytes(db), before);
    EXPECT_EQ(std::filesystem::last_write_time(db), written);
}

}  // namespace
}  // namespace orvane::cli

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

TEST_F(TransferCommands, AnExportedFileImportsBack)
{
    const std::string db = SampleDatabase();
    PimDatabase empty;
    ASSERT_TRUE(empty.Save(Path("copy.pgr")));
    const std::string fields = "Appointment,Date,StartTime,EndTime,Alarmed,AlarmTime";
    ASSERT_EQ(RunCli({"export", "appointments", db, Path("a.csv"), "--fields", fields}).status,
              kSuccess);
    const CliResult result =
        RunCli({"import", "appointments", Path("copy.pgr"), Path("a.csv"), "--columns", fields});
    EXPECT_EQ(result.out, "1 appointments added to current database.\n");
    const Appointment original = Load(db).Appointments().begin()->second;
    const Appointment copy = Load(Path("copy.pgr")).Appointments().begin()->second;
    EXPECT_EQ(copy, original);
}

TEST_F(TransferCommands, MissingRequiredFieldsStopTheImportBeforeAnythingIsRead)
{
    const std::string db = SampleDatabase();
    const std::string before = test::ReadFileBytes(db);
    const char* const cases[][3] = {
        {"persons", "City,Notes",
         "You must include a first name, last name, or company as a field to import.\n"},
        {"tasks", "DueDate", "You must include a task as a field to import.\n"},
        {"appointments", "Appointment,Date,,StartTime",
         "You must include an appointment, date, start time, and end time as fields to "
         "import.\n"},
    };
    for (const auto& [type, columns, message] : cases) {
        const CliResult result =
            RunCli({"import", type, db, Path("nothing-here.csv"), "--columns", columns});
        EXPECT_EQ(result.status, kMissingFields) << type;
        EXPECT_EQ(result.err + result.out, message);
    }
    EXPECT_EQ(test::ReadFileBytes(db), before);
}

TEST_F(TransferCommands, FailuresAndBadArguments)
{
    const std::string db = SampleDatabase(), in = Path("in.csv"), out = Path("o.csv");
    test::WriteFileBytes(in, "x\n");
    const std::string exporting = "orvane-cli: export: ", importing = "orvane-cli: import: ";
    ExpectOutcomes({
        {kReadFailed,
         "Unable to open file\n",
         {"import", "tasks", db, Path("gone.csv"), "--columns", "Task"}},
        {kReadFailed,
         "Error loading file.\n",
         {"import", "tasks", Path("gone.pgr"), in, "--columns", "Task"}},
        {kWriteFailed,
         "Unable to write file!\n",
         {"export", "tasks", db, "/dev/full", "--fields", "Task"}},
        {kWriteFailed,
         "Unable to write file!\n",
         {"export", "tasks", db, Path("no/folder/t.csv"), "--fields", "Task"}},
        {kUsage, exporting + "--fields is required", {"export", "tasks", db, out}},
        {kUsage,
         exporting + "unknown type notes",
         {"export", "notes", db, out, "--fields", "Task"}},
        {kUsage,
         exporting + "unknown field \"Done\"; Tasks fields are Task, DueDate, Priority",
         {"export", "tasks", db, out, "--fields", "Task,Done"}},
        {kUsage,
         exporting + "unknown field \"WhitePages\"",
         {"export", "persons", db, out, "--fields", "WhitePages"}},
        {kUsage,
         exporting + "unknown separator colon",
         {"export", "tasks", db, out, "--fields", "Task", "--separator", "colon"}},
        {kUsage,
         importing + "unknown encloser curly",
         {"import", "tasks", db, in, "--columns", "Task", "--encloser", "curly"}},
        {kUsage,
         importing + "field \"Task\" is given to more than one column",
         {"import", "tasks", db, in, "--columns", "Task,,Task"}},
        {kUsage,
         importing + "unknown option --quiet",
         {"import", "tasks", db, in, "--columns", "Task", "--quiet"}},
        {kUsage,
         importing + "expected TYPE DBFILE FILE",
         {"import", "tasks", db, in, "extra", "--columns", "Task"}},
        {kUsage, importing + "--columns needs a value", {"import", "tasks", db, in, "--columns"}},
        {kUsage, "orvane-cli: import takes TYPE DBFILE INFILE", {"import", "tasks"}},
    });
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

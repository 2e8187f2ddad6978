#include "cli/CliRunner.h"
#include "support/TestEnvironment.h"

namespace orvane::cli {
namespace {

using test::At;

class TransferCommands : public CliTestBase {
protected:
    // A database file with two tasks, one person and one appointment.
    void SetUp() override
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
        ASSERT_TRUE(db.Save(m_db));
    }

    const std::string m_db = Path("sample.pgr");
};

TEST_F(TransferCommands, ExportWritesTheChosenFieldsInTableOrder)
{
    const CliResult result =
        RunCli({"export", "tasks", m_db, Path("t.csv"), "--fields", "Priority,Task,DueDate",
                "--separator", "semicolon", "--encloser=single"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "2 records written.\n");
    EXPECT_EQ(test::ReadFileBytes(Path("t.csv")),
              "'Task';'DueDate';'Priority'\n"
              "'Call Bob';'3/9/2026';'1'\n"
              "'Pay ''rent''';'4/1/2026';'0'\n");

    EXPECT_EQ(RunCli({"export", "appointments", m_db, Path("a.csv"),
                      "--fields=Appointment,StartTime,AlarmTime", "--no-header", "--encloser",
                      "none", "--separator", "tab"})
                  .status,
              kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("a.csv")), "Dentist\t9:30 AM\t15\n");
}

// What each column becomes is the import's own test; the command reads, adds and saves.
TEST_F(TransferCommands, ImportAddsSavesAndReportsTheCount)
{
    test::WriteFileBytes(Path("people.csv"),
                         "\"First\",\"Firm\"\r\n\"Bob\",\r\n,\r\n,\"Acme\"\r\n");
    const CliResult result =
        RunCli({"import", "persons", m_db, Path("people.csv"), "--columns", "FirstName,Company"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "2 names added to current database.\n");
    const PimDatabase saved = LoadDatabase(m_db);
    ASSERT_EQ(saved.Persons().Count(), 3u);
    EXPECT_EQ(saved.Persons().Find(2)->FName + "|" + saved.Persons().Find(3)->Company, "Bob|Acme");
}

// Which fields each type needs is the rule's test; the command asks before reading the file.
// Neither that nor an import that adds nothing touches the database file.
TEST_F(TransferCommands, AnImportThatAddsNothingLeavesTheFileAlone)
{
    const auto written = std::filesystem::last_write_time(m_db);
    const std::string before = test::ReadFileBytes(m_db);
    const CliResult missing =
        RunCli({"import", "tasks", m_db, Path("nothing-here.csv"), "--columns", "DueDate"});
    EXPECT_EQ(missing.status, kMissingFields);
    EXPECT_EQ(missing.err + missing.out, "You must include a task as a field to import.\n");
    test::WriteFileBytes(Path("in.csv"), "Name\n,\n");
    const CliResult none =
        RunCli({"import", "persons", m_db, Path("in.csv"), "--columns", "LastName"});
    EXPECT_EQ(none.status, kSuccess);
    EXPECT_EQ(none.out, "0 names added to current database.\n");
    EXPECT_EQ(test::ReadFileBytes(m_db), before);
    EXPECT_EQ(std::filesystem::last_write_time(m_db), written);
}

TEST_F(TransferCommands, FailuresAndBadArguments)
{
    const std::string in = Path("in.csv");
    test::WriteFileBytes(in, "x\n");
    ExpectOutcomes(OutcomesOf(
        "transfer-outcomes.txt",
        {{"$DB", m_db}, {"$IN", in}, {"$OUT", Path("o.csv")}, {"$DIR", m_folder.Path().string()}}));
}

// A zero byte ends the text it stands in, in a database file as in a card, so that what was
// saved opens again with the same records. Import files are the import's own test.
TEST_F(TransferCommands, AZeroByteEndsTheText)
{
    for (const char* name :
         {"zero-reference.pgr", "beyond-unicode-reference.pgr", "zero-byte.vcf"}) {
        SCOPED_TRACE(name);
        const std::string db = Path("db.pgr"), in = test::DataPath("cli") / name;
        ASSERT_TRUE(PimDatabase().Save(db));
        ASSERT_EQ(RunCli(std::string(name).ends_with(".vcf")
                             ? std::vector<std::string>{"import", "vcard", db, in}
                             : std::vector<std::string>{"resave", in, db})
                      .status,
                  kSuccess);
        const PimDatabase saved = LoadDatabase(db);
        ASSERT_EQ(saved.Persons().Count(), 1u);
        const Person& person = saved.Persons().begin()->second;
        EXPECT_EQ(person.FName + "|" + person.LName, "Ann|S");
        ASSERT_EQ(RunCli({"resave", db, Path("again.pgr")}).status, kSuccess);
        EXPECT_EQ(LoadDatabase(Path("again.pgr")).Persons().Records(), saved.Persons().Records());
    }
}

}  // namespace
}  // namespace orvane::cli

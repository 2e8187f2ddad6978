#include <gtest/gtest.h>

#include <sys/stat.h>

#include "cli/CliRunner.h"
#include "data/PimDatabase.h"
#include "storage/StorageTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane::cli {
namespace {

class Cli : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder / name; }

    test::ScratchFolder m_folder;
};

TEST_F(Cli, ExitStatusesAndMessages)
{
    test::WriteFileBytes(Path("broken.pgr"), "<Pim Version=\"1\">\n<Tasks>\n");
    test::WriteFileBytes(Path("empty.pgr"), "");
    const std::string config = "<config><window x=\"1\"/></config>\n";
    test::WriteFileBytes(Path("config.xml"), config);
    test::WriteFileBytes(Path("v7.pgr"), "<Pim Version=\"7\"><Tasks LastID=\"0\"/></Pim>");
    test::WriteFileBytes(Path("people.csv"), "Ann,Smith\n");
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", Path("loop"));
    ExpectOutcomes(OutcomesOf("cli-outcomes.txt", {{"$DIR", m_folder.Path().string()},
                                                   {"$SAMPLE", test::DataPath("cli/sample.pgr")}}));
    EXPECT_EQ(test::ReadFileBytes(Path("config.xml")), config);
    EXPECT_TRUE(std::filesystem::is_fifo(Path("fifo")));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("loop")));
}

TEST_F(Cli, HelpNamesEveryCommandAndStatus)
{
    for (const char* option : {"--help", "-h"}) {
        const CliResult result = RunCli({option});
        EXPECT_EQ(result.status, kSuccess);
        for (const char* text :
             {"dump FILE", "resave IN OUT", "compact FILE", "demo OUTFILE", "backups FILE",
              "restore FILE [--version N]", "--now \"YYYY-MM-DD HH:MM:SS\"",
              "5 another program changed", "64 bad arguments"}) {
            EXPECT_NE(result.out.find(text), std::string::npos) << text;
        }
    }
}

TEST_F(Cli, DumpOfTheSampleDatabase)
{
    const CliResult result = RunCli({"dump", test::DataPath("cli/sample.pgr")});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, test::ReadFileBytes(test::DataPath("cli/sample.json")));
}

// Every byte and date the writer can produce is the storage round trip's test; here the
// command reads and writes real files, in place too.
TEST_F(Cli, ResaveOfAFileTheProgramWroteGivesTheSameBytes)
{
    ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", Path("demo.pgr")}).status, kSuccess);
    const std::string demo = test::ReadFileBytes(Path("demo.pgr"));
    EXPECT_EQ(RunCli({"resave", Path("demo.pgr"), Path("again.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("again.pgr")), demo);
    EXPECT_EQ(RunCli({"resave", Path("demo.pgr"), Path("demo.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("demo.pgr")), demo);
}

TEST_F(Cli, TheDemoIsReproducibleAndCoversTheViews)
{
    for (const char* name : {"a.pgr", "b.pgr"}) {
        ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", Path(name)}).status, kSuccess);
    }
    const std::string text = test::ReadFileBytes(Path("a.pgr"));
    EXPECT_EQ(text, test::ReadFileBytes(Path("b.pgr")));

    test::ScopedClock clock(2024, 3, 10, 15, 30);
    PimDatabase db;
    ScriptedPrompter prompter;
    ASSERT_TRUE(db.Load(text.c_str(), prompter));
    const PimDateTime today = PimDateTime::Today();
    // One bit per kind of record the views show differently. Persons: in both listings, a
    // company alone, an extension, a web page, notes. Tasks: each priority, overdue, future.
    unsigned persons = 0, tasks = 0;
    for (const auto& [id, p] : db.Persons()) {
        persons |= (p.WhitePages && p.YellowPages) |
                   (p.LName + p.FName == "" && p.Company != "") << 1 | !p.WkExt.empty() << 2 |
                   !p.WebPage.empty() << 3 | !p.Notes.empty() << 4;
    }
    for (const auto& [id, t] : db.Tasks()) {
        tasks |= 1u << t.Priority | (!t.IsCompleted() && t.DueDate < today) << 4 |
                 (t.DueDate > today) << 5;
    }
    EXPECT_GE(db.Persons().Count(), 24u);
    EXPECT_EQ(persons, 0x1Fu);
    EXPECT_EQ(tasks, 0x3Fu);
    int todays = 0, alarms = 0;
    for (const auto& [id, a] : db.Appointments()) {
        todays += a.DueDate == today;
        alarms += a.Alarm && a.AlarmTime.DateOnly() == today;
    }
    EXPECT_GE(todays, 2);
    EXPECT_EQ(alarms, 1);
    EXPECT_FALSE(db.GetUser().LName.empty());
}

TEST_F(Cli, CompactRemovesOldCompletedTasksFromTheFile)
{
    ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", Path("c.pgr")}).status, kSuccess);
    const std::string before = test::ReadFileBytes(Path("c.pgr"));
    ASSERT_NE(before.find("Pay the electricity bill"), std::string::npos);
    // The same day: the task done yesterday goes, the one due today stays.
    EXPECT_EQ(RunCli({"--now", "2024-03-10 18:00:00", "compact", Path("c.pgr")}).status, kSuccess);
    const std::string after = test::ReadFileBytes(Path("c.pgr"));
    EXPECT_EQ(after.find("Pay the electricity bill"), std::string::npos);
    EXPECT_NE(after.find("Pick up dry cleaning"), std::string::npos);
}

}  // namespace
}  // namespace orvane::cli

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRunner.h"
#include "data/PimDatabase.h"
#include "platform/ScriptedPrompter.h"
#include "storage/StorageTestSupport.h"
#include "support/TestEnvironment.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

class Cli : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder / name; }

    test::ScratchFolder m_folder;
};

TEST_F(Cli, ExitStatusesAndMessages)
{
    test::WriteFileBytes(Path("broken.pgr"), "<Pim Version=\"1\">\n<Tasks>\n");
    test::WriteFileBytes(Path("empty.pgr"), "");
    const std::string sample = test::DataPath("cli/sample.pgr");
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;  // the start of the error text
    };
    const Case cases[] = {
        {{"dump", Path("missing.pgr")}, kReadFailed, "Error loading file.\n"},
        {{"dump", m_folder.Path()}, kReadFailed, "Error loading file.\n"},  // a folder
        {{"dump", Path("broken.pgr")}, kParseFailed, "Parsing error at line 3\n"},
        {{"compact", Path("empty.pgr")}, kParseFailed, "Parsing error at line 1\n"},
        {{"resave", sample, Path("no/folder/x.pgr")}, kWriteFailed, "Unable to write file!\n"},
        {{"demo", Path("no/folder/x.pgr")}, kWriteFailed, "Unable to write file!\n"},
        {{}, kUsage, "orvane-cli: no command given"},
        {{"frobnicate"}, kUsage, "orvane-cli: unknown command frobnicate"},
        {{"dump"}, kUsage, "orvane-cli: dump takes FILE"},
        {{"resave", sample}, kUsage, "orvane-cli: resave takes IN OUT"},
        {{"--now", "2024-02-30 10:00:00", "dump", sample}, kUsage, "orvane-cli: --now needs"},
        {{"--now", "2024-03-10", "dump", sample}, kUsage, "orvane-cli: --now needs"},
        {{"--now"}, kUsage, "orvane-cli: unknown option --now"},
        {{"--verbose", "dump", sample}, kUsage, "orvane-cli: unknown option --verbose"},
        {{"--now", "2024-03-10 10:00:00", "dump", sample}, kSuccess, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        if (c.status == kUsage) {
            EXPECT_NE(result.err.find("Usage: orvane-cli"), std::string::npos);
        }
    }
}

TEST_F(Cli, HelpNamesEveryCommandAndStatus)
{
    for (const char* option : {"--help", "-h"}) {
        const CliResult result = RunCli({option});
        EXPECT_EQ(result.status, kSuccess);
        for (const char* text : {"dump FILE", "resave IN OUT", "compact FILE", "demo OUTFILE",
                                 "--now \"YYYY-MM-DD HH:MM:SS\"", "64 bad arguments"}) {
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

TEST_F(Cli, ResaveOfFilesTheProgramWroteGivesTheSameBytes)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(test::DataPath("writer"))) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", Path("demo.pgr")}).status, kSuccess);
    files.push_back(Path("demo.pgr"));
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const CliResult result = RunCli({"resave", file, Path("again.pgr")});
        EXPECT_EQ(result.status, kSuccess);
        EXPECT_EQ(test::ReadFileBytes(Path("again.pgr")), test::ReadFileBytes(file));
    }
    // In place, too.
    EXPECT_EQ(RunCli({"resave", Path("demo.pgr"), Path("demo.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("demo.pgr")), test::ReadFileBytes(Path("again.pgr")));
}

TEST_F(Cli, TheDemoIsReproducibleAndCoversTheViews)
{
    const std::vector<std::string> demo = {"--now", "2024-03-10 15:30:00", "demo"};
    ASSERT_EQ(RunCli({demo[0], demo[1], demo[2], Path("a.pgr")}).status, kSuccess);
    ASSERT_EQ(RunCli({demo[0], demo[1], demo[2], Path("b.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("a.pgr")), test::ReadFileBytes(Path("b.pgr")));

    test::ScopedClock clock(2024, 3, 10, 15, 30);
    const std::string text = test::ReadFileBytes(Path("a.pgr"));
    PimDatabase db;
    ScriptedPrompter prompter;
    ASSERT_TRUE(db.Load(text.c_str(), prompter));
    const PimDateTime today = PimDateTime::Today();

    int both = 0, companyOnly = 0, withExtension = 0, withWeb = 0, withNotes = 0;
    for (const auto& [id, p] : db.Persons()) {
        both += p.WhitePages && p.YellowPages;
        companyOnly += p.LName.empty() && p.FName.empty() && !p.Company.empty();
        withExtension += !p.WkExt.empty();
        withWeb += !p.WebPage.empty();
        withNotes += !p.Notes.empty();
    }
    EXPECT_GE(db.Persons().Count(), 24u);
    EXPECT_GT(both, 0);
    EXPECT_GT(companyOnly, 0);
    EXPECT_GT(withExtension, 0);
    EXPECT_GT(withWeb, 0);
    EXPECT_GT(withNotes, 0);

    bool priorities[4] = {};
    bool overdue = false, future = false;
    for (const auto& [id, t] : db.Tasks()) {
        priorities[t.Priority] = true;
        overdue |= !t.IsCompleted() && t.DueDate < today;
        future |= t.DueDate > today;
    }
    EXPECT_TRUE(priorities[0] && priorities[1] && priorities[2] && priorities[3]);
    EXPECT_TRUE(overdue);
    EXPECT_TRUE(future);

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

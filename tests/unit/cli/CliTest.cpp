#include <sys/stat.h>

#include "cli/CliRunner.h"

namespace orvane::cli {
namespace {

class Cli : public CliTestBase {
protected:
    // The demo database as of 10 March 2024, 15:30.
    std::string Demo(const std::string& name) const
    {
        EXPECT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", Path(name)}).status, kSuccess);
        return test::ReadFileBytes(Path(name));
    }
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
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.status, kSuccess);
    test::ExpectGolden(result.out, "cli/help.txt");
    EXPECT_EQ(RunCli({"-h"}).out, result.out);
}

TEST_F(Cli, DumpOfTheSampleDatabase)
{
    const CliResult result = RunCli({"dump", test::DataPath("cli/sample.pgr")});
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, test::ReadFileBytes(test::DataPath("cli/sample.json")));
}

// The demo has a record of each kind the views show differently: persons in both listings,
// a company alone, tasks of each priority, overdue and future, today's appointments, one
// alarm due today.
//
// Every byte and date the writer can produce is the storage round trip's test; here resave
// reads and writes real files, in place too.
TEST_F(Cli, TheDemoIsReproducibleAndResavedUnchanged)
{
    const std::string demo = Demo("a.pgr");
    EXPECT_EQ(Demo("b.pgr"), demo);
    test::ExpectGolden(RunCli({"dump", Path("a.pgr")}).out, "cli/demo.json");
    EXPECT_EQ(RunCli({"resave", Path("a.pgr"), Path("again.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("again.pgr")), demo);
    EXPECT_EQ(RunCli({"resave", Path("a.pgr"), Path("a.pgr")}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(Path("a.pgr")), demo);
}

TEST_F(Cli, CompactRemovesOldCompletedTasksFromTheFile)
{
    ASSERT_NE(Demo("c.pgr").find("Pay the electricity bill"), std::string::npos);
    // The same day: the task done yesterday goes, the one due today stays.
    EXPECT_EQ(RunCli({"--now", "2024-03-10 18:00:00", "compact", Path("c.pgr")}).status, kSuccess);
    const std::string after = test::ReadFileBytes(Path("c.pgr"));
    EXPECT_EQ(after.find("Pay the electricity bill"), std::string::npos);
    EXPECT_NE(after.find("Pick up dry cleaning"), std::string::npos);
}

}  // namespace
}  // namespace orvane::cli

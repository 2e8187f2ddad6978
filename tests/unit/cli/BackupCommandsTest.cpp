#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "cli/CliRunner.h"
#include "cli/DatabaseUpdate.h"
#include "storage/BackupStore.h"

namespace orvane::cli {
namespace {

// orvane-cli as its own process, its output discarded; Wait gives its exit status.
FILE* Start(const std::vector<std::string>& arguments)
{
    std::string command = ORVANE_BINARY_DIR "/src/cli/orvane-cli";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    return ::popen((command + " >/dev/null 2>&1").c_str(), "r");
}

int Wait(FILE* process)
{
    const int status = ::pclose(process);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

class BackupCommands : public CliTestBase {
protected:
    std::vector<std::string> ImportArguments(const std::string& csv) const
    {
        return {"import",     "persons",   Path("db.pgr"),
                Path(csv),    "--columns", "FirstName,LastName",
                "--no-header"};
    }

    static size_t PersonsIn(const std::string& path)
    {
        return LoadDatabase(path).Persons().Count();
    }
};

TEST_F(BackupCommands, EverySaveKeepsTheVersionItReplacesAndRestorePutsOneBack)
{
    const std::string db = Path("db.pgr");
    test::WriteFileBytes(Path("one.csv"), "Ann,Smith\n");
    ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "demo", db}).status, kSuccess);
    const std::string demo = test::ReadFileBytes(db);
    const PimDatabase first = LoadDatabase(db);
    ASSERT_EQ(RunCli({"--now", "2024-03-10 15:30:00", "compact", db}).status, kSuccess);
    const std::string compacted = test::ReadFileBytes(db);
    ASSERT_EQ(RunCli(ImportArguments("one.csv")).status, kSuccess);
    const std::string imported = test::ReadFileBytes(db);

    CliResult listed = RunCli({"backups", db});
    EXPECT_EQ(listed.status, kSuccess);
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3);  // heading, 2 versions
    const std::string oldest = std::to_string(demo.size()) + " bytes  " +
                               std::to_string(first.Tasks().Count()) + " tasks, " +
                               std::to_string(first.Persons().Count()) + " persons, " +
                               std::to_string(first.Appointments().Count()) + " appointments\n";
    EXPECT_TRUE(listed.out.ends_with(oldest)) << listed.out;
    EXPECT_TRUE(listed.out.starts_with("Backups of " + db + " in ")) << listed.out;

    EXPECT_EQ(RunCli({"restore", db, "--version", "2"}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(db), demo);
    // The restored-over version is kept in turn, newest first.
    std::vector<std::string> kept;
    for (const BackupVersion& version : BackupStore::ForUser().Versions(db)) {
        kept.push_back(test::ReadFileBytes(version.file));
    }
    EXPECT_EQ(kept, (std::vector<std::string>{imported, compacted, demo}));
    EXPECT_EQ(RunCli({"restore", db}).status, kSuccess);
    EXPECT_EQ(test::ReadFileBytes(db), imported);
    EXPECT_EQ(RunCli({"restore", db, "--version", "9"}).status, kReadFailed);
}

// Two real processes: what another program saved while a command ran is never lost.
TEST_F(BackupCommands, AChangeByAnotherProgramIsNeverOverwritten)
{
    const std::string db = Path("db.pgr");
    test::WriteFileBytes(Path("a.csv"), "Ann,Smith\n");
    test::WriteFileBytes(Path("b.csv"), "Bob,Jones\n");
    ASSERT_EQ(RunCli({"demo", db}).status, kSuccess);
    const size_t base = PersonsIn(db);

    PimDatabase loaded;
    DatabaseUpdate update(db);
    std::ostringstream out, err;
    CliContext context{out, err};
    ASSERT_EQ(update.Load(loaded, context), kSuccess);
    ASSERT_EQ(Wait(Start(ImportArguments("a.csv"))), kSuccess);
    EXPECT_EQ(update.Save(loaded, context), kChanged);
    EXPECT_EQ(err.str(), db + " was changed by another program while this command ran; nothing "
                              "written\n");
    EXPECT_EQ(PersonsIn(db), base + 1);

    // Two imports at once: each one either lands or says it did not.
    for (int trial = 0; trial < 10; ++trial) {
        ASSERT_EQ(RunCli({"demo", db}).status, kSuccess);
        FILE* first = Start(ImportArguments("a.csv"));
        FILE* second = Start(ImportArguments("b.csv"));
        const int statuses[2] = {Wait(first), Wait(second)};
        size_t landed = 0;
        for (const int status : statuses) {
            ASSERT_TRUE(status == kSuccess || status == kChanged) << status;
            landed += status == kSuccess;
        }
        EXPECT_GE(landed, 1u);
        EXPECT_EQ(PersonsIn(db), base + landed) << "trial " << trial;
    }
}

TEST_F(BackupCommands, TheKeptCountIsTheWindowsSetting)
{
    const std::string config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::create_directories(config + "/Kestrow");
    const std::string file = config + "/Kestrow/Orvane!.conf";
    const std::string db = Path("db.pgr");
    for (const int count : {2, 0}) {
        SCOPED_TRACE(count);
        std::ofstream(file) << "[Alarm]\nAlarmSound=beep.wav\n\n[Backup]\nCount=" << count << "\n";
        std::filesystem::remove_all(m_folder.DataHome());
        for (int save = 0; save < 4; ++save) {
            ASSERT_EQ(Wait(Start({"demo", db})), kSuccess);
        }
        EXPECT_EQ(BackupStore::ForUser().Versions(db).size(), static_cast<size_t>(count));
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace orvane::cli

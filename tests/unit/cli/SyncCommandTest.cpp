#include <cstdlib>
#include <filesystem>

#include "cli/CliRunner.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

class SyncCommand : public CliTestBase {
protected:
    SyncCommand()
    {
        ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (m_folder / "data").c_str(), 1);
        PimDatabase db;
        db.Persons().Add(test::MakePerson("Ann", "Lane"));
        EXPECT_TRUE(db.Save(m_db));
    }
    // The window's settings for the database, as QSettings writes them: the path's "/" as
    // "\", other characters than letters, digits and "-_." as %XX.
    void WriteWindowSettings(const std::string& rule) const
    {
        std::string key;
        for (const char c : m_db.substr(1)) {
            key += c == '/' ? std::string("\\") : c == ' ' ? std::string("%20") : std::string(1, c);
        }
        fs::create_directories(m_folder / "config/Kestrow");
        test::WriteFileBytes(m_folder / "config/Kestrow/Orvane!.conf",
                             "[Alarm]\nAlarmSound=beep.wav\n\n[Sync]\nConflicts=" + rule + "\n" +
                                 key + "\\Contacts=" + m_contacts + "\n");
    }

    std::string m_db = (m_folder / "my db.pgr").string();
    std::string m_contacts = (m_folder / "contacts").string();
};

TEST_F(SyncCommand, ExitStatuses)
{
    ExpectOutcomes(
        OutcomesOf("sync-outcomes.txt",
                   {{"$DB", m_db}, {"$CONTACTS", m_contacts}, {"$DIR", m_folder.Path().string()}}));
    EXPECT_FALSE(fs::exists(m_contacts));
}

TEST_F(SyncCommand, FoldersComeFromTheWindowsSettingsAndAnEmptyFolderStopsTheSync)
{
    WriteWindowSettings("folder");
    CliResult result = RunCli({"sync", m_db, "--run-before", "true"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out,
              "0 added here, 1 added there, 0 changed here, 0 changed there, 0 deleted, "
              "0 conflicts (folder won)\n");
    ASSERT_EQ(std::distance(fs::directory_iterator(m_contacts), fs::directory_iterator()), 1);

    fs::remove(fs::directory_iterator(m_contacts)->path());
    result = RunCli({"sync", m_db});
    EXPECT_EQ(result.status, kSyncStopped);
    EXPECT_NE(result.err.find("holds no items, but it held 1"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("--force-delete"), std::string::npos);
    EXPECT_NE(RunCli({"dump", m_db}).out.find("\"Ann\""), std::string::npos);
}

}  // namespace
}  // namespace orvane::cli

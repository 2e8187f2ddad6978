// The window's sync: the command before and after it, the sync of the open database with
// its folders, and the output of a failing command.
#include <QSignalSpy>
#include <filesystem>

#include "FrameFixture.h"
#include "app/SyncCommands.h"
#include "rules/commands/CommandIds.h"
#include "storage/StorageTestSupport.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

class SyncCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_commands = SyncCommands::Install(Frame(), m_prompter, m_settings);
        fs::create_directory(m_contacts);
        WriteFileBytes(m_contacts / "ann.vcf",
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nN:Lane;Ann;;;\r\nFN:Ann Lane\r\n"
                       "END:VCARD\r\n");
        Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
        bool failed = false;
        ASSERT_TRUE(Frame().Document().SaveDocument(m_db, m_prompter, failed));
        Frame().Document().SetPath(m_db);
    }
    void Configure(const std::string& command)
    {
        sync::SyncSettings settings;
        settings.contacts = m_contacts.string();
        settings.command = command;
        m_commands->SetEditor([settings](const sync::SyncSettings&) { return settings; });
        Frame().RunCommand(kCmdSyncSettings);
    }
    void SynchronizeAndWait()
    {
        QSignalSpy done(m_commands, &SyncCommands::finished);
        Frame().RunCommand(kCmdSynchronize);
        ASSERT_TRUE(done.count() == 1 || done.wait(20000));
    }

    fs::path m_contacts = m_scratch / "contacts";
    std::string m_db = (m_scratch / "a.pgr").string();
    SyncCommands* m_commands = nullptr;
};

TEST_F(SyncCommandsTest, RunsTheCommandAroundTheSyncAndRefreshesThePanes)
{
    Idle();
    EXPECT_FALSE(Frame().Action(kCmdSynchronize)->isEnabled());
    const fs::path log = m_scratch / "ran";
    Configure("echo ran >> '" + log.string() + "'");
    Idle();
    ASSERT_TRUE(Frame().Action(kCmdSynchronize)->isEnabled());

    SynchronizeAndWait();
    EXPECT_TRUE(m_prompter.Messages().empty());
    // Before, and after because Bo went into the folder.
    EXPECT_EQ(ReadFileBytes(log), "ran\nran\n");
    EXPECT_EQ(Db().Persons().Count(), 2u);
    EXPECT_EQ(Form().List(PaneList::PhoneBook)->model()->rowCount(), 2);
    EXPECT_FALSE(Frame().Document().Modified());
    EXPECT_EQ(Frame().StatusText().toStdString(),
              "Synchronized: 1 added here, 1 added there, 0 changed here, 0 changed there, "
              "0 deleted, 0 conflicts (newer won)");
}

TEST_F(SyncCommandsTest, AFailingCommandShowsItsOutputAndSynchronizesNothing)
{
    Configure("echo server unreachable; exit 3");
    SynchronizeAndWait();
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text,
              "\"echo server unreachable; exit 3\" failed with exit status 3; nothing was "
              "synchronized.\n\nserver unreachable\n");
    EXPECT_EQ(Db().Persons().Count(), 1u);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_contacts), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace orvane::test

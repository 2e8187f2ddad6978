#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <filesystem>

#include "FrameFixture.h"
#include "rules/commands/CommandIds.h"
#include "storage/BackupStore.h"
#include "widgets/files/RestoreVersionDialog.h"

namespace orvane {
namespace {

class DocumentFlowTest : public test::FrameFixture {
protected:
    // A database file with one person, two tasks due today and one appointment today.
    std::string WriteSample(const QString& name)
    {
        PimDatabase db;
        const PimDateTime today = test::Day(2026, 3, 10);
        db.Persons().Add(test::MakePerson("Ann", "Lee", "Lee Co", true, true));
        db.Tasks().Add(test::MakeTask("first", today));
        db.Tasks().Add(test::MakeTask("second", today));
        db.Appointments().Add(test::MakeAppointment("meeting", today, 10, 0));
        const std::string path = m_dir.filePath(name).toStdString();
        EXPECT_TRUE(db.Save(path));
        return path;
    }

    QStringList RecentItems()
    {
        QStringList items;
        for (QAction* action : Frame().RecentMenu()->actions()) {
            items << action->text() + (action->isEnabled() ? "" : " (greyed)");
        }
        return items;
    }

    int Rows(PaneList list) { return Form().List(list)->model()->rowCount(); }

    QTemporaryDir m_dir;
};

// What the document commands ask and answer is their own test; here the window follows.
TEST_F(DocumentFlowTest, OpenFillsThePanesTitleAndRecentFilesAndNewEmptiesThem)
{
    const std::string path = WriteSample("home.pgr");
    m_prompter.QueuePath(path);
    Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + path + "]");
    EXPECT_EQ(Rows(PaneList::PhoneBook), 1);
    EXPECT_EQ(Rows(PaneList::Tasks), 2);
    EXPECT_EQ(RecentItems(), QStringList{QString::fromStdString("&1 " + path)});
    Idle();
    EXPECT_TRUE(Enabled(kCmdCompact));
    EXPECT_FALSE(Enabled(kCmdSave));

    Frame().Document().SetModified(true, false);
    m_prompter.QueueAnswer(MessageAnswer::No);
    Frame().RunCommand(kCmdNew);
    EXPECT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(Rows(PaneList::Tasks), 0);
    EXPECT_EQ(Frame().windowTitle(), "Orvane! [Untitled]");
}

TEST_F(DocumentFlowTest, RecentFilesComeFromTheSettingsAndReopen)
{
    const std::string home = WriteSample("home.pgr");
    const std::string gone = m_dir.filePath("gone.pgr").toStdString();
    m_settings.WriteNumber("Recent Document List", "DocumentCount", 4);
    m_settings.WriteString("Recent Document List", "Document1", gone);
    m_settings.WriteString("Recent Document List", "Document2", home);
    m_frame = std::make_unique<MainFrame>(m_prompter, m_settings);
    EXPECT_EQ(RecentItems(), (QStringList{QString::fromStdString("&1 " + gone),
                                          QString::fromStdString("&2 " + home)}));

    Frame().RecentMenu()->actions()[1]->trigger();
    EXPECT_EQ(Rows(PaneList::Tasks), 2);
    EXPECT_EQ(RecentItems(), (QStringList{QString::fromStdString("&1 " + home),
                                          QString::fromStdString("&2 " + gone)}));

    // The deleted file shows the message and leaves the menu and the settings.
    Frame().RecentMenu()->actions()[1]->trigger();
    EXPECT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(RecentItems(), QStringList{QString::fromStdString("&1 " + home)});
    EXPECT_EQ(m_settings.ReadString("Recent Document List", "Document2"), std::nullopt);
}

// A version kept at a save comes back through the dialog, in place of the records and under
// the same path, modified, so that Save writes it back.
TEST_F(DocumentFlowTest, RestorePreviousVersionOpensTheChosenVersionUnderTheSamePath)
{
    const std::string path = WriteSample("home.pgr");
    m_prompter.QueuePath(path);
    Frame().RunCommand(kCmdOpen);
    EXPECT_FALSE(Enabled(kCmdRestoreVersion));  // nothing kept yet
    Db().Tasks().Add(test::MakeTask("third", test::Day(2026, 3, 10)));
    Frame().Document().SetModified(true, true);
    Frame().RunCommand(kCmdSave);
    ASSERT_TRUE(Enabled(kCmdRestoreVersion));

    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<RestoreVersionDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->List()->topLevelItemCount(), 1);
        for (int column = 2; column < 5; ++column) {
            shown << dialog->List()->topLevelItem(0)->text(column);
        }
        dialog->RestoreButton()->click();
    });
    Frame().RunCommand(kCmdRestoreVersion);
    EXPECT_EQ(shown, (QStringList{"2", "1", "1"}));  // tasks, persons, appointments
    EXPECT_EQ(Rows(PaneList::Tasks), 2);
    EXPECT_TRUE(Frame().Document().Modified());
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + path + "]");
    EXPECT_TRUE(m_prompter.Messages().empty());

    Frame().RunCommand(kCmdSave);
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().Count(), 2u);
    std::filesystem::remove_all(BackupStore::ForUser().FolderOf(path));
}

TEST_F(DocumentFlowTest, ClosingAModifiedDatabaseAsksAndCancelKeepsTheWindow)
{
    LoadSample();
    Show();
    Frame().Document().SetModified(true, true);
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    Frame().RunCommand(kCmdExit);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(m_prompter.Messages().size(), 1u);

    m_prompter.QueueAnswer(MessageAnswer::No);
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
}

}  // namespace
}  // namespace orvane

#include <QMenu>
#include <QTemporaryDir>

#include "FrameFixture.h"
#include "rules/commands/CommandIds.h"

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
    EXPECT_EQ(m_settings.ReadString("Recent Document List", "Document1"), path);
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
    ASSERT_FALSE(m_prompter.Messages().empty());
    EXPECT_EQ(m_prompter.Messages().back().text, "Error loading file.");
    EXPECT_EQ(m_prompter.Messages().back().caption, "Orvane!");
    EXPECT_EQ(RecentItems(), QStringList{QString::fromStdString("&1 " + home)});
    EXPECT_EQ(m_settings.ReadString("Recent Document List", "Document2"), std::nullopt);
}

TEST_F(DocumentFlowTest, ClosingAModifiedDatabaseAsksAndCancelKeepsTheWindow)
{
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
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

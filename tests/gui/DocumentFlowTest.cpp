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

TEST_F(DocumentFlowTest, OpenFillsThePanesSetsTheTitleAndListsTheFile)
{
    const std::string path = WriteSample("home.pgr");
    m_prompter.QueuePath(path);
    Frame().RunCommand(kCmdOpen);
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_FALSE(m_prompter.FileQuestions()[0].save);
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + path + "]");
    EXPECT_EQ(Rows(PaneList::PhoneBook), 1);
    EXPECT_EQ(Rows(PaneList::Tasks), 2);
    EXPECT_EQ(RecentItems(), QStringList{QString::fromStdString("&1 " + path)});
    EXPECT_EQ(m_settings.ReadString("Recent Document List", "Document1"), path);
    Idle();
    EXPECT_TRUE(Enabled(kCmdCompact));
    EXPECT_FALSE(Enabled(kCmdSave));
}

TEST_F(DocumentFlowTest, NewAsksToSaveAModifiedDatabaseAndEmptiesIt)
{
    LoadSample();
    Frame().Document().SetModified(true, false);
    m_prompter.QueueAnswer(MessageAnswer::No);
    Frame().RunCommand(kCmdNew);
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    const auto& asked = m_prompter.Messages()[0];
    EXPECT_EQ(asked.text, "Save changes to Untitled?");
    EXPECT_EQ(asked.caption, "Orvane!");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.icon, MessageIcon::Warning);
    EXPECT_EQ(Rows(PaneList::Tasks), 0);
    EXPECT_EQ(RecentItems(), QStringList{"(Empty) (greyed)"});
}

// Save without a path asks for one (cancelled: nothing shown); Save As names the document.
TEST_F(DocumentFlowTest, SaveAsNamesTheDocumentAndAddsItToTheRecentFiles)
{
    LoadSample();
    Frame().Document().SetModified(true, false);
    Idle();
    ASSERT_TRUE(Enabled(kCmdSave));
    m_prompter.QueuePath(std::nullopt);
    Frame().RunCommand(kCmdSave);
    EXPECT_TRUE(m_prompter.Messages().empty());
    const std::string path = m_dir.filePath("saved.pgr").toStdString();
    m_prompter.QueuePath(path);
    Frame().RunCommand(kCmdSaveAs);
    ASSERT_EQ(m_prompter.FileQuestions().size(), 2u);
    const FileDialogRequest& request = m_prompter.FileQuestions()[1].request;
    EXPECT_TRUE(m_prompter.FileQuestions()[1].save);
    EXPECT_EQ(request.initialName, "Untitled");
    EXPECT_EQ(request.defaultExtension, "pgr");
    EXPECT_EQ(RecentItems(), QStringList{QString::fromStdString("&1 " + path)});
}

TEST_F(DocumentFlowTest, FailedOpenShowsTheMessageAndKeepsTheTitle)
{
    const QString bad = m_dir.filePath("broken.pgr");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Pim Version=\"1\"><Persons");
    file.close();
    m_prompter.QueuePath(bad.toStdString());
    Frame().RunCommand(kCmdOpen);
    ASSERT_FALSE(m_prompter.Messages().empty());
    EXPECT_EQ(m_prompter.Messages().back().text, "Error loading file.");
    EXPECT_EQ(m_prompter.Messages().back().caption, "Orvane");
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

TEST_F(DocumentFlowTest, CommandLineOpensAPathWithSpaces)
{
    const std::string path = WriteSample("my home file.pgr");
    Frame().OpenFromCommandLine("\"" + path + "\"");
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + path + "]");
    EXPECT_EQ(Rows(PaneList::Appointments), 1);

    // At start-up a missing file gives an empty database named after it.
    m_frame = std::make_unique<MainFrame>(m_prompter, m_settings);
    const std::string missing = m_dir.filePath("new one.pgr").toStdString();
    Frame().OpenFromCommandLine(missing);
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + missing + "]");
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

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "data/DocumentView.h"
#include "data/PimDocument.h"
#include "storage/BackupStore.h"
#include "storage/DocumentCommands.h"
#include "storage/RecentFileList.h"
#include "storage/StorageTestSupport.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

std::string Msg(const std::string& text, const std::string& caption,
                MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::Error)
{
    return text + " | " + caption + " | " + std::to_string(static_cast<int>(buttons)) + " | " +
           std::to_string(static_cast<int>(icon));
}

std::string SaveChanges(const std::string& title, const std::string& caption)
{
    return Msg("Save changes to " + title + "?", caption, MessageButtons::YesNoCancel,
               MessageIcon::Warning);
}

class DocumentCommandsTest : public testing::Test {
protected:
    DocumentCommandsTest()
    {
        m_document.AttachView(&m_view);
        m_commands.SetTitleObserver(
            [this](const std::string& title) { m_titles.push_back(title); });
    }

    // A database file with one task of the given description.
    std::string MakeFile(const std::string& name, const std::string& description)
    {
        PimDatabase db;
        db.Tasks().Add(test::MakeTask(description));
        const std::string path = m_folder / name;
        EXPECT_TRUE(db.Save(path));
        return path;
    }

    void ChangeSomething()
    {
        m_document.Database().Tasks().Add(test::MakeTask("changed"));
        m_document.SetModified(true, true);
    }

    std::string FirstTask() const
    {
        const auto& tasks = m_document.Database().Tasks();
        return tasks.IsEmpty() ? std::string() : tasks.begin()->second.Description;
    }

    // The messages shown since the last call, which forgets them and the file questions.
    Strings TakeMessages()
    {
        Strings said;
        for (const auto& m : m_prompter.Messages()) {
            said.push_back(Msg(m.text, m.caption, m.buttons, m.icon));
        }
        m_prompter.ClearRecord();
        return said;
    }

    std::optional<std::string> Setting(int i) const
    {
        return m_settings.ReadString("Recent Document List", "Document" + std::to_string(i));
    }

    std::string Title(const std::string& name) const { return "Orvane! [" + name + "]"; }

    test::ScopedClock m_clock{2024, 3, 10, 15, 30};
    test::ScratchFolder m_folder;
    PimDocument m_document;
    test::CountingView m_view;
    ScriptedPrompter m_prompter;
    RecentFileList m_recent{"(Empty)"};
    MemorySettingsStore m_settings;
    DocumentCommands m_commands{m_document, m_prompter, m_recent, m_settings};
    Strings m_titles;
};

TEST_F(DocumentCommandsTest, NewAsksOnlyWhenModifiedAndShownByOneView)
{
    m_commands.New();
    EXPECT_EQ(m_titles, Strings{Title("Untitled")});

    ChangeSomething();
    test::CountingView second;
    m_document.AttachView(&second);
    m_commands.New();  // two views: the close check never asks
    EXPECT_EQ(TakeMessages(), Strings{});
    m_document.DetachView(&second);

    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.New();
    EXPECT_EQ(TakeMessages(), Strings{SaveChanges("Untitled", "Orvane!")});
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    m_commands.New();  // Yes, then a cancelled save dialog: nothing happens
    EXPECT_EQ(FirstTask(), "changed");
    // No empties the database: the window's test.
}

TEST_F(DocumentCommandsTest, NewWithYesSavesThroughTheSaveDialogFirst)
{
    ChangeSomething();
    const std::string path = m_folder / "kept.pgr";
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    m_prompter.QueuePath(path);
    m_commands.New();
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_TRUE(m_prompter.FileQuestions()[0].save);
    const FileDialogRequest& request = m_prompter.FileQuestions()[0].request;
    EXPECT_EQ(request.initialName, "Untitled");
    EXPECT_EQ(request.defaultExtension, "pgr");
    EXPECT_TRUE(request.confirmOverwrite);
    Strings filters;
    for (const FileFilter& filter : request.filters) {
        filters.push_back(filter.description + " " + filter.pattern);
    }
    EXPECT_EQ(filters, (Strings{"Orvane Files (*.pgr) *.pgr", "All Files (*.*) *.*"}));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_EQ(m_document.Path(), "");
    EXPECT_GT(m_prompter.WaitCount(), 0);
    EXPECT_EQ(m_prompter.WaitDepth(), 0);
}

TEST_F(DocumentCommandsTest, OpenLoadsListsAndTitlesTheFileOrLeavesAllAsItWas)
{
    const std::string path = MakeFile("Home Folder.pgr", "from file");
    m_prompter.QueuePath(path);
    m_commands.Open();
    EXPECT_EQ(TakeMessages(), Strings{});
    EXPECT_EQ(FirstTask(), "from file");
    EXPECT_FALSE(m_document.Modified());
    EXPECT_EQ(m_titles, Strings{Title(path)});

    // A file that cannot be read leaves everything as it was.
    m_prompter.QueuePath(m_folder / "missing.pgr");
    m_commands.Open();
    EXPECT_EQ(TakeMessages(), Strings{Msg("Error loading file.", "Orvane")});
    EXPECT_EQ(FirstTask(), "from file");
    EXPECT_EQ(m_titles.size(), 1u);

    // A file that does not parse empties the database; the path stays.
    const std::string broken = m_folder / "broken.pgr";
    test::WriteFileBytes(broken, "<Pim>\n<Tasks>\n");
    m_prompter.QueuePath(broken);
    m_commands.Open();
    EXPECT_EQ(TakeMessages(), (Strings{Msg("Parsing error at line 3", "Error Loading File"),
                                       Msg("Error loading file.", "Orvane")}));
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_EQ(m_recent.Entries(), Strings{path});

    // Modified: asked with the short caption first.
    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.Open();
    EXPECT_EQ(TakeMessages(), Strings{SaveChanges(path, "Orvane")});
}

TEST_F(DocumentCommandsTest, CancelledOpenAndSaveAsStillListAndTitleTheDocument)
{
    m_commands.Open();
    EXPECT_EQ(m_recent.Entries(), Strings{"Untitled"});
    EXPECT_EQ(m_titles, Strings{Title("Untitled")});
    m_recent.Remove(RecentFileList::kFirstCommandId);
    m_commands.SaveAs();
    EXPECT_EQ(m_recent.Entries(), Strings{"Untitled"});
    EXPECT_EQ(m_titles.size(), 2u);
    EXPECT_EQ(TakeMessages(), Strings{});
}

TEST_F(DocumentCommandsTest, SaveWritesOnlyChangesAndReportsFailures)
{
    ChangeSomething();
    m_commands.Save();  // no path and the dialog cancelled: nothing is lost
    EXPECT_TRUE(m_document.Modified());
    const std::string path = m_folder / "new.pgr";
    m_prompter.QueuePath(path);
    m_commands.Save();
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_FALSE(m_document.Modified());
    EXPECT_TRUE(m_recent.Entries().empty());  // Save leaves the list alone

    fs::remove(path);
    m_commands.Save();  // not modified: nothing is written
    EXPECT_FALSE(fs::exists(path));
    ChangeSomething();
    m_commands.Save();
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().Count(), 2u);

    // A failing save keeps the modified flag and says so.
    m_document.SetPath(m_folder / "gone/home.pgr");
    ChangeSomething();
    m_commands.Save();
    EXPECT_EQ(TakeMessages(), Strings{Msg("Unable to write file!", "Orvane")});
    EXPECT_TRUE(m_document.Modified());
}

TEST_F(DocumentCommandsTest, SaveAs)
{
    const auto error = [](const std::string& name) {
        return Msg("Error saving " + name + ".", "Orvane!", MessageButtons::RetryCancel);
    };
    m_prompter.QueuePath(m_folder / "gone/x.pgr");
    m_commands.SaveAs();
    EXPECT_EQ(TakeMessages(), Strings{error("Untitled")});
    EXPECT_TRUE(m_recent.Entries().empty());  // a failed save lists nothing

    const std::string path = m_folder / "copy.pgr";
    m_prompter.QueuePath(path);
    m_commands.SaveAs();
    EXPECT_EQ(m_prompter.FileQuestions().back().request.initialName, "Untitled");
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_EQ(m_recent.Entries(), Strings{path});
    EXPECT_EQ(m_titles.back(), Title(path));

    m_prompter.ClearRecord();
    m_prompter.QueuePath(m_folder / "gone/y.pgr");
    m_commands.SaveAs();
    EXPECT_EQ(m_prompter.FileQuestions().back().request.initialName, path);
    EXPECT_EQ(TakeMessages(), Strings{error(path)});
}

// The deleted file's entry is the window's test.
TEST_F(DocumentCommandsTest, OpenRecentWritesTheListAndAsksWithTheLongCaption)
{
    const std::string a = MakeFile("a.pgr", "a"), b = MakeFile("b.pgr", "b");
    m_prompter.QueuePath(a);
    m_commands.Open();
    m_prompter.QueuePath(b);
    m_commands.Open();
    const int older = RecentFileList::kFirstCommandId + 1;
    int menuUpdates = 0;
    m_recent.SetMenuObserver([&] { ++menuUpdates; });

    m_commands.OpenRecent(older);
    EXPECT_EQ(menuUpdates, 1);
    EXPECT_EQ(FirstTask(), "a");
    EXPECT_EQ(Setting(1), a);
    EXPECT_EQ(Setting(2), b);
    EXPECT_EQ(m_titles.back(), Title(a));

    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.OpenRecent(older);
    EXPECT_EQ(TakeMessages(), Strings{SaveChanges(a, "Orvane!")});
}

TEST_F(DocumentCommandsTest, CommandLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  \"/home/anna/My Files/home.pgr\"  ", "/home/anna/My Files/home.pgr"},
        {"\"/a b.pgr\" --ignored", "/a b.pgr"},
        {"\t/home/anna/plain name.pgr \n", "/home/anna/plain name.pgr"},
        {"\"/unterminated.pgr", "/unterminated.pgr"},
        {"\"\"", ""},
        {"   ", ""},
    };
    for (const auto& [line, path] : cases) {
        EXPECT_EQ(DocumentCommands::PathFromCommandLine(line), path) << line;
    }

    m_commands.OpenFromCommandLine("");
    EXPECT_TRUE(m_titles.empty());

    // A missing file: an empty database named after it, which Save then creates.
    const std::string missing = m_folder / "to be created.pgr";
    m_commands.OpenFromCommandLine(" " + missing + " ");
    EXPECT_EQ(m_document.Path(), missing);
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_EQ(TakeMessages(), Strings{});
    ChangeSomething();
    m_commands.Save();
    EXPECT_TRUE(fs::exists(missing));
}

TEST_F(DocumentCommandsTest, CompactRemovesOldDoneTasksAndSavesWithoutAsking)
{
    for (const int day : {9, 10}) {
        m_document.Database().Tasks().Add(
            test::MakeTask("done", test::At(2024, 3, day), kPriorityDone));
    }
    m_document.SetModified(true, false);
    m_commands.Compact();  // no file, the dialog cancelled: the task is gone all the same
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_TRUE(m_prompter.FileQuestions()[0].save);
    EXPECT_EQ(m_document.Database().Tasks().Count(), 1u);
    EXPECT_FALSE(m_document.Modified());

    const std::string path = m_folder / "compact.pgr";
    m_prompter.QueuePath(path);
    m_commands.Compact();
    EXPECT_EQ(m_titles.back(), Title(path));
    m_prompter.ClearRecord();
    ChangeSomething();
    m_commands.Compact();  // a named file is saved without a question
    EXPECT_EQ(TakeMessages(), Strings{});
    EXPECT_FALSE(m_document.Modified());
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().Count(), 2u);

    // Saving into a folder that is gone: no message, and the flag is cleared all the same.
    m_document.SetPath(m_folder / "gone/compact.pgr");
    m_document.SetModified(true, false);
    m_commands.Compact();
    EXPECT_EQ(TakeMessages(), Strings{});
    EXPECT_FALSE(m_document.Modified());
}

// Another program (a second process) saves the file while it is open in the window.
TEST_F(DocumentCommandsTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    const std::string path = MakeFile("shared.pgr", "from file");
    m_prompter.QueuePath(path);
    m_commands.Open();
    const pid_t other = ::fork();
    if (other == 0) {
        PimDatabase db;
        db.Tasks().Add(test::MakeTask("from the other program"));
        ::_exit(db.Save(path) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(other, &status, 0);
    ASSERT_EQ(status, 0);
    const std::string theirs = test::ReadFileBytes(path);
    TakeMessages();

    const std::string question = Msg(path +
                                         " has been changed by another program since it was "
                                         "opened or saved. Overwrite it?",
                                     "Orvane!", MessageButtons::YesNo, MessageIcon::Warning);
    for (const auto command : {&DocumentCommands::Save, &DocumentCommands::Compact}) {
        ChangeSomething();
        m_prompter.QueueAnswer(MessageAnswer::No);
        (m_commands.*command)();
        EXPECT_EQ(TakeMessages(), Strings{question});
        EXPECT_EQ(test::ReadFileBytes(path), theirs);
        EXPECT_TRUE(m_document.Modified());
    }
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    m_commands.Save();
    EXPECT_EQ(TakeMessages(), Strings{question});
    EXPECT_FALSE(m_document.Modified());
    ChangeSomething();
    m_commands.Save();  // the file is the window's own again
    EXPECT_EQ(TakeMessages(), Strings{});
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().Count(), m_document.Database().Tasks().Count());
}

// After a failed Open the window still names the old file; a save writes the emptied
// database there, and the version it replaced is there to restore.
TEST_F(DocumentCommandsTest, AFailedOpenThenSaveIsUndoneFromTheBackup)
{
    const std::string path = MakeFile("home.pgr", "from file");
    const std::string broken = m_folder / "broken.pgr";
    test::WriteFileBytes(broken, "<Pim>\n<Tasks>\n");
    m_prompter.QueuePath(path);
    m_prompter.QueuePath(broken);
    m_commands.Open();
    m_commands.Open();
    EXPECT_FALSE(m_commands.CanRestoreVersion());  // nothing kept yet
    ChangeSomething();
    m_commands.Save();
    EXPECT_EQ(m_document.Path(), path);
    ASSERT_TRUE(m_commands.CanRestoreVersion());
    const std::vector<ListedVersion> versions = m_commands.Versions();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].tasks, 1u);

    m_prompter.QueueAnswer(MessageAnswer::No);  // not the unsaved change
    ChangeSomething();
    m_commands.RestoreVersion(versions[0].version.file);
    EXPECT_EQ(FirstTask(), "from file");
    EXPECT_EQ(m_document.Database().Tasks().Count(), 1u);
    EXPECT_TRUE(m_document.Modified());
    EXPECT_EQ(m_document.Path(), path);
    m_commands.Save();
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().begin()->second.Description, "from file");
    EXPECT_EQ(BackupStore::ForUser().Versions(path).size(), 2u);

    TakeMessages();
    m_commands.RestoreVersion(broken);  // a version that does not load changes nothing
    EXPECT_EQ(TakeMessages().back(), Msg("Error loading file.", "Orvane!"));
    EXPECT_EQ(FirstTask(), "from file");
    m_commands.New();
    EXPECT_FALSE(m_commands.CanRestoreVersion());  // no file
}

TEST_F(DocumentCommandsTest, CanClose)
{
    EXPECT_TRUE(m_commands.CanClose());
    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(m_commands.CanClose());
    m_prompter.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(m_commands.CanClose());
    m_document.SetPath(m_folder / "gone/x.pgr");
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(m_commands.CanClose());  // the save failed
    m_document.SetPath(m_folder / "x.pgr");
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(m_commands.CanClose());
    EXPECT_EQ(m_prompter.Messages().back().caption, "Orvane!");
    EXPECT_TRUE(fs::exists(m_folder / "x.pgr"));
}

}  // namespace
}  // namespace orvane

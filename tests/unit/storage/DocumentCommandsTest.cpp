#include <gtest/gtest.h>

#include "data/DocumentView.h"
#include "data/PimDocument.h"
#include "platform/MemorySettingsStore.h"
#include "platform/ScriptedPrompter.h"
#include "storage/DocumentCommands.h"
#include "storage/RecentFileList.h"
#include "storage/StorageTestSupport.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Message = ScriptedPrompter::Message;

class CountingView : public DocumentView {
public:
    void OnUpdate() override { ++updates; }
    int updates = 0;
};

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
        Task task;
        task.Description = description;
        db.Tasks().Add(task);
        const std::string path = m_folder / name;
        EXPECT_TRUE(db.Save(path));
        return path;
    }

    void ChangeSomething()
    {
        Task task;
        task.Description = "changed";
        m_document.Database().Tasks().Add(task);
        m_document.SetModified(true, true);
    }

    std::string FirstTaskDescription() const
    {
        const auto& tasks = m_document.Database().Tasks();
        return tasks.IsEmpty() ? std::string() : tasks.begin()->second.Description;
    }

    void ExpectMessages(const std::vector<Message>& expected)
    {
        const auto& actual = m_prompter.Messages();
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].text, expected[i].text);
            EXPECT_EQ(actual[i].caption, expected[i].caption);
            EXPECT_EQ(actual[i].buttons, expected[i].buttons);
            EXPECT_EQ(actual[i].icon, expected[i].icon);
        }
    }

    std::optional<std::string> Setting(int i) const
    {
        return m_settings.ReadString("Recent Document List", "Document" + std::to_string(i));
    }

    static Message SaveChanges(const std::string& title, const std::string& caption)
    {
        return {"Save changes to " + title + "?", caption, MessageButtons::YesNoCancel,
                MessageIcon::Warning};
    }

    test::ScopedClock m_clock{2024, 3, 10, 15, 30};
    test::ScratchFolder m_folder;
    PimDocument m_document;
    CountingView m_view;
    ScriptedPrompter m_prompter;
    RecentFileList m_recent{"(Empty)"};
    MemorySettingsStore m_settings;
    DocumentCommands m_commands{m_document, m_prompter, m_recent, m_settings};
    std::vector<std::string> m_titles;
};

TEST_F(DocumentCommandsTest, NewAsksOnlyWhenModifiedAndShownByOneView)
{
    m_commands.New();
    ExpectMessages({});
    EXPECT_EQ(m_titles, std::vector<std::string>{"Orvane! [Untitled]"});

    ChangeSomething();
    CountingView second;
    m_document.AttachView(&second);
    m_commands.New();  // two views: the close check never asks
    ExpectMessages({});
    m_document.DetachView(&second);

    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.New();
    ExpectMessages({SaveChanges("Untitled", "Orvane!")});
    EXPECT_EQ(FirstTaskDescription(), "changed");

    m_prompter.ClearRecord();
    m_prompter.QueueAnswer(MessageAnswer::No);
    m_commands.New();
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_FALSE(m_document.Modified());
    EXPECT_TRUE(m_recent.Entries().empty());
}

TEST_F(DocumentCommandsTest, NewWithYesSavesThroughTheSaveDialogFirst)
{
    ChangeSomething();
    const std::string path = m_folder / "kept.pgr";
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    m_prompter.QueuePath(path);
    m_commands.New();
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    const auto& question = m_prompter.FileQuestions()[0];
    EXPECT_TRUE(question.save);
    EXPECT_EQ(question.request.initialName, "Untitled");
    EXPECT_EQ(question.request.defaultExtension, "pgr");
    EXPECT_TRUE(question.request.confirmOverwrite);
    ASSERT_EQ(question.request.filters.size(), 2u);
    EXPECT_EQ(question.request.filters[0].description, "Orvane Files (*.pgr)");
    EXPECT_EQ(question.request.filters[0].pattern, "*.pgr");
    EXPECT_EQ(question.request.filters[1].description, "All Files (*.*)");
    EXPECT_EQ(question.request.filters[1].pattern, "*.*");
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_EQ(m_document.Path(), "");
    EXPECT_GT(m_prompter.WaitCount(), 0);
    EXPECT_EQ(m_prompter.WaitDepth(), 0);

    // Yes, then a cancelled dialog: nothing happens.
    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Yes);
    m_commands.New();
    EXPECT_EQ(FirstTaskDescription(), "changed");
}

TEST_F(DocumentCommandsTest, OpenLoadsListsAndTitlesTheFile)
{
    const std::string path = MakeFile("Home Folder.pgr", "from file");
    m_prompter.QueuePath(path);
    m_commands.Open();
    ExpectMessages({});
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_FALSE(m_prompter.FileQuestions()[0].save);
    EXPECT_EQ(m_prompter.FileQuestions()[0].request.initialName, "");
    EXPECT_EQ(m_prompter.FileQuestions()[0].request.filters.size(), 2u);
    EXPECT_EQ(FirstTaskDescription(), "from file");
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_FALSE(m_document.Modified());
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{path});
    EXPECT_EQ(Setting(1), path);
    EXPECT_EQ(m_titles.back(), "Orvane! [" + path + "]");

    // Modified: asked with the short caption first.
    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.Open();
    ExpectMessages({SaveChanges(path, "Orvane")});
}

TEST_F(DocumentCommandsTest, OpenFailures)
{
    const std::string good = MakeFile("good.pgr", "good");
    m_prompter.QueuePath(good);
    m_commands.Open();
    const size_t titles = m_titles.size();

    // A file that cannot be read leaves everything as it was.
    m_prompter.QueuePath(m_folder / "missing.pgr");
    m_commands.Open();
    const Message loadError{"Error loading file.", "Orvane", MessageButtons::Ok,
                            MessageIcon::Error};
    ExpectMessages({loadError});
    EXPECT_EQ(FirstTaskDescription(), "good");
    EXPECT_EQ(m_document.Path(), good);
    EXPECT_EQ(m_titles.size(), titles);

    // A file that does not parse empties the database; the path stays.
    const std::string broken = m_folder / "broken.pgr";
    test::WriteFileBytes(broken, "<Pim>\n<Tasks>\n");
    m_prompter.ClearRecord();
    m_prompter.QueuePath(broken);
    m_commands.Open();
    ExpectMessages(
        {{"Parsing error at line 3", "Error Loading File", MessageButtons::Ok, MessageIcon::Error},
         loadError});
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_EQ(m_document.Path(), good);
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{good});
}

TEST_F(DocumentCommandsTest, ACancelledOpenStillListsTheCurrentTitle)
{
    m_commands.Open();
    ExpectMessages({});
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{"Untitled"});
    EXPECT_EQ(m_titles, std::vector<std::string>{"Orvane! [Untitled]"});
}

TEST_F(DocumentCommandsTest, Save)
{
    const std::string path = MakeFile("home.pgr", "original");
    m_prompter.QueuePath(path);
    m_commands.Open();
    m_titles.clear();

    // Not modified: nothing is written.
    fs::remove(path);
    m_commands.Save();
    EXPECT_FALSE(fs::exists(path));

    ChangeSomething();
    m_commands.Save();
    ExpectMessages({});
    EXPECT_FALSE(m_document.Modified());
    PimDocument reread;
    ScriptedPrompter quiet;
    ASSERT_TRUE(reread.OpenDocument(path, quiet));
    EXPECT_EQ(reread.Database().Tasks().Count(), 2u);
    EXPECT_TRUE(m_titles.empty());
    EXPECT_EQ(m_recent.Entries().size(), 1u);

    // A failing save keeps the modified flag and says so.
    m_document.SetPath(m_folder / "gone/home.pgr");
    ChangeSomething();
    m_commands.Save();
    ExpectMessages({{"Unable to write file!", "Orvane", MessageButtons::Ok, MessageIcon::Error}});
    EXPECT_TRUE(m_document.Modified());
}

TEST_F(DocumentCommandsTest, SaveWithoutAPathAsksForOne)
{
    ChangeSomething();
    m_commands.Save();  // dialog cancelled: nothing is shown
    ExpectMessages({});
    EXPECT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_TRUE(m_document.Modified());

    const std::string path = m_folder / "new.pgr";
    m_prompter.QueuePath(path);
    m_commands.Save();
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_FALSE(m_document.Modified());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(m_recent.Entries().empty());  // Save leaves the list alone
}

TEST_F(DocumentCommandsTest, SaveAs)
{
    m_commands.SaveAs();  // cancelled: still lists and titles the document
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{"Untitled"});
    EXPECT_EQ(m_titles.back(), "Orvane! [Untitled]");

    m_prompter.QueuePath(m_folder / "gone/x.pgr");
    m_commands.SaveAs();
    ExpectMessages(
        {{"Error saving Untitled.", "Orvane!", MessageButtons::RetryCancel, MessageIcon::Error}});
    EXPECT_EQ(m_recent.Entries().size(), 1u);

    const std::string path = m_folder / "copy.pgr";
    m_prompter.QueuePath(path);
    m_commands.SaveAs();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(m_document.Path(), path);
    EXPECT_EQ(m_recent.Entries(), (std::vector<std::string>{"Untitled", path}));
    EXPECT_EQ(m_titles.back(), "Orvane! [" + path + "]");
    EXPECT_EQ(m_prompter.FileQuestions().back().request.initialName, "Untitled");

    m_prompter.ClearRecord();
    m_prompter.QueuePath(m_folder / "gone/y.pgr");
    m_commands.SaveAs();
    EXPECT_EQ(m_prompter.FileQuestions().back().request.initialName, path);
    ExpectMessages({{"Error saving " + path + ".", "Orvane!", MessageButtons::RetryCancel,
                     MessageIcon::Error}});
}

TEST_F(DocumentCommandsTest, RecentFiles)
{
    const std::string a = MakeFile("a.pgr", "a"), b = MakeFile("b.pgr", "b");
    m_prompter.QueuePath(a);
    m_commands.Open();
    m_prompter.QueuePath(b);
    m_commands.Open();
    const int newest = RecentFileList::kFirstCommandId, older = newest + 1;
    EXPECT_EQ(m_recent.PathOf(newest), b);

    int menuUpdates = 0;
    m_recent.SetMenuObserver([&] { ++menuUpdates; });
    m_commands.OpenRecent(older);
    EXPECT_EQ(FirstTaskDescription(), "a");
    EXPECT_EQ(m_document.Path(), a);
    EXPECT_EQ(m_recent.Entries(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(Setting(1), a);
    EXPECT_EQ(Setting(2), b);
    EXPECT_EQ(m_titles.back(), "Orvane! [" + a + "]");
    EXPECT_GT(menuUpdates, 0);

    // Modified: the question carries the long caption.
    ChangeSomething();
    m_prompter.QueueAnswer(MessageAnswer::Cancel);
    m_commands.OpenRecent(older);
    ExpectMessages({SaveChanges(a, "Orvane!")});
    EXPECT_EQ(m_document.Path(), a);

    // A deleted file is reported and leaves the menu and the settings.
    m_document.SetModified(false, false);
    m_prompter.ClearRecord();
    fs::remove(b);
    m_commands.OpenRecent(older);
    ExpectMessages({{"Error loading file.", "Orvane!", MessageButtons::Ok, MessageIcon::Error}});
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{a});
    EXPECT_EQ(Setting(1), a);
    EXPECT_EQ(Setting(2), std::nullopt);
    EXPECT_EQ(m_document.Path(), a);
}

TEST_F(DocumentCommandsTest, CommandLine)
{
    struct Case {
        const char* line;
        const char* path;
    };
    const Case cases[] = {
        {"  \"/home/anna/My Files/home.pgr\"  ", "/home/anna/My Files/home.pgr"},
        {"\"/a b.pgr\" --ignored", "/a b.pgr"},
        {"\t/home/anna/plain name.pgr \n", "/home/anna/plain name.pgr"},
        {"\"/unterminated.pgr", "/unterminated.pgr"},
        {"\"\"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DocumentCommands::PathFromCommandLine(c.line), c.path) << c.line;
    }

    const std::string existing = MakeFile("with space.pgr", "started");
    m_commands.OpenFromCommandLine("\"" + existing + "\"");
    EXPECT_EQ(FirstTaskDescription(), "started");
    EXPECT_EQ(m_titles.back(), "Orvane! [" + existing + "]");
    EXPECT_EQ(m_recent.Entries(), std::vector<std::string>{existing});

    // A missing file: an empty database named after it, which Save then creates.
    PimDocument fresh;
    fresh.AttachView(&m_view);
    DocumentCommands commands(fresh, m_prompter, m_recent, m_settings);
    const std::string missing = m_folder / "to be created.pgr";
    commands.OpenFromCommandLine(" " + missing + " ");
    EXPECT_EQ(fresh.Path(), missing);
    EXPECT_TRUE(fresh.Database().Tasks().IsEmpty());
    ExpectMessages({});
    Task task;
    fresh.Database().Tasks().Add(task);
    fresh.SetModified(true, true);
    commands.Save();
    EXPECT_TRUE(fs::exists(missing));

    m_commands.OpenFromCommandLine("");
    EXPECT_EQ(m_recent.Entries().size(), 2u);
}

TEST_F(DocumentCommandsTest, CompactRemovesOldDoneTasksAndSavesWithoutAsking)
{
    auto addTask = [this](const char* text, int priority, const PimDateTime& due) {
        Task task;
        task.Description = text;
        task.Priority = priority;
        task.DueDate = due;
        m_document.Database().Tasks().Add(task);
    };
    addTask("done yesterday", kPriorityDone, test::At(2024, 3, 9));
    addTask("done today", kPriorityDone, test::At(2024, 3, 10));
    addTask("open", kPriorityHigh, test::At(2024, 1, 1));
    const std::string path = m_folder / "compact.pgr";
    m_document.SetPath(path);
    m_document.SetModified(true, false);

    m_commands.Compact();
    ExpectMessages({});
    EXPECT_TRUE(m_prompter.FileQuestions().empty());
    EXPECT_EQ(m_document.Database().Tasks().Count(), 2u);
    EXPECT_FALSE(m_document.Modified());
    EXPECT_GT(m_prompter.WaitCount(), 0);
    EXPECT_EQ(m_prompter.WaitDepth(), 0);
    PimDocument reread;
    ASSERT_TRUE(reread.OpenDocument(path, m_prompter));
    EXPECT_EQ(reread.Database().Tasks().Count(), 2u);

    // Saving into a folder that is gone: no message, and the flag is cleared all the same.
    m_document.SetPath(m_folder / "gone/compact.pgr");
    m_document.SetModified(true, false);
    m_commands.Compact();
    ExpectMessages({});
    EXPECT_FALSE(m_document.Modified());
}

TEST_F(DocumentCommandsTest, CompactWithoutAFileAsksForANameLikeSave)
{
    Task task;
    task.Priority = kPriorityDone;
    task.DueDate = test::At(2024, 3, 1);
    m_document.Database().Tasks().Add(task);
    m_document.SetModified(true, false);
    m_commands.Compact();  // cancelled: the task is gone all the same
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_TRUE(m_prompter.FileQuestions()[0].save);
    EXPECT_TRUE(m_document.Database().Tasks().IsEmpty());
    EXPECT_FALSE(m_document.Modified());

    const std::string path = m_folder / "named.pgr";
    m_prompter.QueuePath(path);
    m_commands.Compact();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(m_titles.back(), "Orvane! [" + path + "]");
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

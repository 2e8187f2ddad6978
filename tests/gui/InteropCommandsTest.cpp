#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "FrameFixture.h"
#include "app/InteropMenuCommands.h"
#include "data/DocumentView.h"
#include "rules/commands/CommandIds.h"
#include "storage/ReadWholeFile.h"
#include "support/Golden.h"
#include "widgets/panes/FindField.h"
#include "widgets/panes/MainForm.h"

namespace orvane::test {
namespace {

std::string Fixture(const std::string& name)
{
    return std::string(ORVANE_TEST_DATA) + "/interop/" + name;
}

// Counts the refills the document asks of its views.
struct CountingView : DocumentView {
    void OnUpdate() override { ++updates; }
    int updates = 0;
};

class InteropCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        InteropMenuCommands::Install(Frame(), m_prompter);
        Frame().Document().AttachView(&m_view);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        Frame().Document().DetachView(&m_view);
        FrameFixture::TearDown();
        std::filesystem::remove_all(m_dir);
    }
    std::string Out(const char* name) const { return (m_dir / name).string(); }

    CountingView m_view;
    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("orvane-interop-" + std::to_string(getpid()));
};

// The four commands in turn on the sample records: the file dialog each asks, the records
// afterwards, the message, whether the document became modified and how often the panes
// refilled. Exports choose through the dialog's file type and give UIDs to the samples.
TEST_F(InteropCommandsTest, CommandsImportAndExportWithTheirSummaries)
{
    const struct {
        int command;
        std::string path;
        size_t filter;
        const char* pattern;
        size_t persons, tasks, appointments;
        const char* caption;
        std::string text;
        bool modified;
        int updates;
        const char* written;  // a line the exported file holds
    } steps[] = {
        {kCmdImportVCard, Fixture("phone-3.0.vcf"), 0, "*.vcf", 4, 2, 1, "Imported Contacts",
         "2 persons added, 0 updated; 9 properties had no place in Orvane! (ADR parts 1, BDAY 1, "
         "EMAIL 1, N parts 1, ORG parts 1, PHOTO 1, …)",
         true, 1, nullptr},
        {kCmdImportVCard, Fixture("phone-3.0.vcf"), 0, "*.vcf", 4, 2, 1, "Imported Contacts",
         "0 persons added, 0 updated, 2 unchanged; 9 properties had no place in Orvane! (ADR "
         "parts 1, BDAY 1, EMAIL 1, N parts 1, ORG parts 1, PHOTO 1, …)",
         false, 0, nullptr},
        {kCmdImportICalendar, Fixture("tasks.ics"), 0, "*.ics", 4, 10, 1, "Imported Calendar",
         "8 tasks added, 0 updated; 0 appointments added, 0 updated; 3 properties had no place "
         "in Orvane! (CATEGORIES 1, RELATED-TO 1, VALARM 1)",
         true, 1, nullptr},
        {kCmdImportVCard, Fixture("calendar.ics"), 0, "*.vcf", 4, 10, 1, "Orvane!",
         Fixture("calendar.ics") + " is not a vCard file; nothing was imported.", false, 0,
         nullptr},
        {kCmdImportICalendar, Out("missing.ics"), 0, "*.ics", 4, 10, 1, "Orvane!",
         "Unable to open file", false, 0, nullptr},
        {kCmdExportVCard, Out("book.vcf"), 1, "*.vcf", 4, 10, 1, "Exported Phone Book",
         "4 persons written; 2 records got a UID", true, 0, "VERSION:4.0"},
        {kCmdExportICalendar, Out("cal.ics"), 1, "*.ics", 4, 10, 1, "Exported Calendar",
         "10 tasks and 0 appointments written; 2 records got a UID", true, 0, "BEGIN:VTODO"},
        {kCmdExportICalendar, Out("cal.ics"), 2, "*.ics", 4, 10, 1, "Exported Calendar",
         "0 tasks and 1 appointment written; 1 record got a UID", true, 0, "BEGIN:VEVENT"},
        {kCmdExportVCard, m_dir.string() + "/no/such/dir.vcf", 0, "*.vcf", 4, 10, 1, "Orvane!",
         "Unable to write file!", false, 0, nullptr},
    };
    LoadSample();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        m_prompter.ClearRecord();
        m_view.updates = 0;
        Frame().Document().SetModified(false, false);
        m_prompter.QueuePath(step.path);
        if (step.command == kCmdExportVCard || step.command == kCmdExportICalendar) {
            m_prompter.QueueFilter(step.filter);
        }
        Frame().RunCommand(step.command);
        ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
        EXPECT_EQ(m_prompter.FileQuestions()[0].request.filters[step.filter].pattern, step.pattern);
        EXPECT_EQ(Db().Persons().Count(), step.persons);
        EXPECT_EQ(Db().Tasks().Count(), step.tasks);
        EXPECT_EQ(Db().Appointments().Count(), step.appointments);
        ASSERT_EQ(m_prompter.Messages().size(), 1u);
        EXPECT_EQ(m_prompter.Messages()[0].text, step.text);
        EXPECT_EQ(m_prompter.Messages()[0].caption, step.caption);
        EXPECT_EQ(Frame().Document().Modified(), step.modified);
        EXPECT_EQ(m_view.updates, step.updates);
        if (step.written) {
            EXPECT_NE(
                ReadWholeFile(step.path).value_or("").find(std::string(step.written) + "\r\n"),
                std::string::npos);
        }
    }
    // Given once, the UIDs stay: a second export gives none.
    m_prompter.QueuePath(Out("again.vcf"));
    Frame().RunCommand(kCmdExportVCard);
    EXPECT_EQ(m_prompter.Messages().back().text, "4 persons written");
}

// Dropped files: vCard and iCalendar by their names, anything else left alone, one message
// with a line per file and one refill of the panes for all of them.
TEST_F(InteropCommandsTest, DroppedFilesImportByTheirNames)
{
    // As the window system delivers a drop: entering first, dropping where it was taken.
    const auto dropped = [this](const std::vector<std::string>& names, QWidget* target = nullptr) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& name : names) {
            urls << QUrl::fromLocalFile(QString::fromStdString(Fixture(name)));
        }
        data.setUrls(urls);
        data.setText(urls.first().toLocalFile());  // file managers offer the path as text too
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target ? target : &Frame(), &enter);
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target ? target : &Frame(), &drop);
            Idle();
        }
        return enter.isAccepted();
    };
    EXPECT_FALSE(dropped({"calendar.expected"}));
    ASSERT_TRUE(dropped({"webmail.vcf", "tasks.ics", "calendar.expected"}));
    EXPECT_EQ(Db().Persons().Count(), 3u);
    EXPECT_EQ(Db().Tasks().Count(), 8u);
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    const std::vector<std::string> lines = LinesOf(m_prompter.Messages()[0].text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("webmail.vcf: 3 persons added, 0 updated")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("tasks.ics: 8 tasks added")) << lines[1];
    EXPECT_EQ(m_view.updates, 1);
    // Over the phone book's Find field the files are still the window's to import.
    ASSERT_TRUE(dropped({"webmail.vcf"}, Frame().Form()->Find()));
    EXPECT_TRUE(Frame().Form()->Find()->text().isEmpty());
    EXPECT_EQ(m_prompter.Messages().size(), 2u);
}

}  // namespace
}  // namespace orvane::test

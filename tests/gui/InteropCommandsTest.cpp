#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

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

class InteropCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        InteropMenuCommands::Install(Frame(), m_prompter);
        Frame().Document().AttachView(&m_view);
    }
    void TearDown() override
    {
        Frame().Document().DetachView(&m_view);
        FrameFixture::TearDown();
    }
    std::string Out(const char* name) const { return m_scratch.File(name); }

    CountingView m_view;
};

// The four commands in turn on the sample records: the file dialog each asks, the records
// afterwards, the message, whether the document became modified and how often the panes
// refilled, in a golden file. Exports choose through the dialog's file type and give UIDs
// to the samples; given once, the UIDs stay.
TEST_F(InteropCommandsTest, CommandsImportAndExportWithTheirSummaries)
{
    const struct {
        int command;
        std::string path;
        size_t filter;
    } steps[] = {
        {kCmdImportVCard, Fixture("phone-3.0.vcf"), 0},
        {kCmdImportVCard, Fixture("phone-3.0.vcf"), 0},
        {kCmdImportICalendar, Fixture("tasks.ics"), 0},
        {kCmdImportVCard, Fixture("calendar.ics"), 0},
        {kCmdImportICalendar, Out("missing.ics"), 0},
        {kCmdExportVCard, Out("book.vcf"), 1},
        {kCmdExportICalendar, Out("cal.ics"), 1},
        {kCmdExportICalendar, Out("cal.ics"), 2},
        {kCmdExportVCard, Out("no/such/dir.vcf"), 0},
        {kCmdExportVCard, Out("again.vcf"), 0},
    };
    LoadSample();
    std::string out;
    for (const auto& step : steps) {
        m_prompter.ClearRecord();
        m_view.updates = 0;
        Frame().Document().SetModified(false, false);
        m_prompter.QueuePath(step.path);
        const bool exporting =
            step.command == kCmdExportVCard || step.command == kCmdExportICalendar;
        if (exporting) {
            m_prompter.QueueFilter(step.filter);
        }
        Frame().RunCommand(step.command);
        out += std::to_string(step.command) + " " + step.path + "\n  asked";
        for (const auto& question : m_prompter.FileQuestions()) {
            out += " " + question.request.filters[step.filter].pattern;
        }
        out += "\n  records " + std::to_string(Db().Persons().Count()) + " " +
               std::to_string(Db().Tasks().Count()) + " " +
               std::to_string(Db().Appointments().Count()) + ", modified " +
               std::to_string(Frame().Document().Modified()) + ", refills " +
               std::to_string(m_view.updates) + "\n";
        for (const auto& message : m_prompter.Messages()) {
            out += "  " + message.caption + ": " + message.text + "\n";
        }
        for (const std::string& line :
             LinesOf(exporting ? ReadWholeFile(step.path).value_or("") : "")) {
            out += line.starts_with("VERSION:") || line.starts_with("BEGIN:V") ? "  " + line + "\n"
                                                                               : "";
        }
    }
    for (const auto& [folder, name] :
         {std::pair{m_scratch.Path().string(), "OUT"}, {Fixture(""), "DATA/"}}) {
        for (size_t at; (at = out.find(folder)) != std::string::npos;) {
            out.replace(at, folder.size(), name);
        }
    }
    ExpectGolden(out, "interop/menu-commands.expected");
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

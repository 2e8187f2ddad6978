#include <QCheckBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <filesystem>
#include <set>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/PrintController.h"
#include "app/ReportCommands.h"
#include "platform/HelpAddress.h"
#include "printing/QtCanvas.h"
#include "reports/ReportFactory.h"
#include "rules/commands/CommandIds.h"
#include "support/PdfTools.h"
#include "widgets/reports/PersonPickerDialog.h"
#include "widgets/reports/PreviewWindow.h"

namespace orvane::test {
namespace {

class ReportFlow : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_reports = ReportCommands::Install(Frame());
    }

    PrintController& Printing() { return m_reports->Printing(); }
    // Enough tasks due today for several pages, in the preview of the daily tasks.
    void PreviewManyTasks(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::string text = "task " + std::to_string(1000 + i);
            Db().Tasks().Add(MakeTask(text.c_str(), Day(2026, 3, 10)));
        }
        Frame().Document().SetModified(false, true);
        Run(kCmdReportDailyTasks);
        Run(kCmdPrintPreview);
    }
    void Run(int commandId)
    {
        Frame().RunCommand(commandId);
        Idle();
    }
    bool Checked(int commandId) { return Frame().Action(commandId)->isChecked(); }
    std::string Pdf(const std::string& name) { return m_scratch.File(name); }

    ReportCommands* m_reports = nullptr;
};

TEST_F(ReportFlow, DailyCommandsCopyThePanesRowsAndChooseTheKind)
{
    LoadSample();
    Run(kCmdReportDailyTasks);
    EXPECT_TRUE(Enabled(kCmdPrintPreview));
    EXPECT_TRUE(Checked(kCmdReportDailyTasks));
    const ReportRecords& records = m_reports->Choice().Records();
    ASSERT_EQ(records.tasks.size(), 2u);
    EXPECT_EQ(records.tasks[1].Description, "second");
    EXPECT_TRUE(records.appointments.empty());

    // A later edit does not reach the copies until the command runs again.
    Db().Tasks().Add(MakeTask("third", Day(2026, 3, 10)));
    Frame().Document().SetModified(true, true);
    EXPECT_EQ(m_reports->Choice().Records().tasks.size(), 2u);

    Run(kCmdReportDailyPlan);
    EXPECT_TRUE(Checked(kCmdReportDailyPlan));
    EXPECT_FALSE(Checked(kCmdReportDailyTasks));
    EXPECT_EQ(records.tasks.size(), 3u);
    ASSERT_EQ(records.appointments.size(), 1u);
    EXPECT_EQ(records.appointments[0].Description, "meeting");
}

TEST_F(ReportFlow, PreviewNavigatesZoomsAndGivesTheFormBack)
{
    Frame().resize(900, 700);
    Frame().show();
    Frame().activateWindow();  // the page keys are shortcuts, for the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    PreviewManyTasks(150);

    ASSERT_TRUE(Frame().IsPreviewing());
    PreviewWindow* preview = Printing().Preview();
    const auto formShown = [&](bool shown) {
        EXPECT_EQ(preview->isHidden(), shown);
        EXPECT_EQ(Form().isHidden(), !shown);
        EXPECT_EQ(Frame().menuBar()->isHidden(), !shown);
        EXPECT_EQ(Frame().MainToolBar()->isHidden(), !shown);
        EXPECT_EQ(Frame().PreviewToolBar()->isHidden(), shown);
    };
    formShown(false);

    const int pages = Printing().Navigator().PageCount();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(Frame().StatusText(), QString("Page 1 of %1").arg(pages));
    EXPECT_FALSE(Enabled(kCmdPreviewPrevious));

    // The page is painted: dark text on the white sheet.
    const QImage shot = preview->widget()->grab().toImage();
    const QRect sheet = preview->PageArea();
    int dark = 0;
    for (int y = sheet.top(); y <= sheet.bottom(); ++y) {
        for (int x = sheet.left(); x <= sheet.right(); ++x) {
            dark += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 100);

    for (int page = 2; page <= pages; ++page) {
        Run(kCmdPreviewNext);
    }
    EXPECT_EQ(Frame().StatusText(), QString("Page %1 of %1").arg(pages));
    EXPECT_FALSE(Enabled(kCmdPreviewNext));
    Run(kCmdPreviewPrevious);
    EXPECT_EQ(Printing().Navigator().CurrentPage(), pages - 2);

    // Each zoom step makes the sheet larger, by 200, 400, then 800 pixels.
    EXPECT_FALSE(Enabled(kCmdZoomOut));
    int sheetWidth = preview->PageArea().width();
    for (int step : {200, 400, 800}) {
        Run(kCmdZoomIn);
        EXPECT_GT(preview->PageArea().width(), sheetWidth);
        sheetWidth = preview->PageArea().width();
        EXPECT_EQ(preview->widget()->size(), preview->viewport()->size() + QSize(step, step));
    }
    EXPECT_FALSE(Enabled(kCmdZoomIn));
    Run(kCmdZoomOut);
    EXPECT_EQ(preview->ZoomPixels(), 400);
    EXPECT_TRUE(Enabled(kCmdZoomIn) && Enabled(kCmdZoomOut));

    Run(kCmdPreviewClose);
    EXPECT_FALSE(Frame().IsPreviewing());
    formShown(true);
    EXPECT_EQ(Frame().StatusText(), "Ready");
    EXPECT_EQ(Printing().CurrentReport(), nullptr);

    // The preview command enters again at fit; the keys turn the pages and Escape leaves.
    Run(kCmdPrintPreview);
    EXPECT_EQ(preview->ZoomPixels(), 0);
    EXPECT_EQ(Printing().Navigator().CurrentPage(), 0);
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1}};
    for (const auto& [key, page] : keys) {
        QTest::keyClick(preview, key);
        Idle();
        EXPECT_EQ(Printing().Navigator().CurrentPage(), page);
    }
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_FALSE(Frame().IsPreviewing());
    // The preview command leaves the preview too.
    Run(kCmdPrintPreview);
    Run(kCmdPrintPreview);
    EXPECT_FALSE(Frame().IsPreviewing());

    // Closing the window leaves the preview first.
    Run(kCmdPrintPreview);
    Frame().close();
    EXPECT_FALSE(Frame().IsPreviewing());
    EXPECT_EQ(Printing().CurrentReport(), nullptr);
}

TEST_F(ReportFlow, PageSetupInThePreviewMakesTheReportAgain)
{
    PreviewManyTasks(150);
    const int before = Printing().Navigator().PageCount();

    // As if the dialog chose half-inch margins on legal paper.
    QPrinter& printer = Printing().Printer();
    printer.setPageSize(QPageSize(QPageSize::Legal));
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    Printing().AdoptPageSetup();
    Idle();

    ASSERT_NE(Printing().CurrentReport(), nullptr);
    const Report& report = *Printing().CurrentReport();
    EXPECT_EQ(report.PageRect().left, printer.logicalDpiX() / 2);
    EXPECT_EQ(report.PageRect().bottom, printer.logicalDpiY() * 27 / 2);  // 14 - 0.5 inches
    const int after = Printing().Navigator().PageCount();
    EXPECT_LT(after, before);
    EXPECT_EQ(Frame().StatusText(), QString("Page 1 of %1").arg(after));
}

// A report without rows has no pages: none in the preview, no blank sheet from the printer,
// and no file when printing goes to PDF.
TEST_F(ReportFlow, AnEmptyDayHasNoPageToShowOrPrint)
{
    LoadSample();
    Frame().Form()->Model().SelectDay(2026, 3, 20);
    Run(kCmdReportDailyAppointments);
    Run(kCmdPrintPreview);
    ASSERT_TRUE(Frame().IsPreviewing());
    EXPECT_FALSE(Printing().Preview()->HasPage());
    EXPECT_FALSE(Enabled(kCmdPreviewNext));
    if (!Printing().PrintsToFile()) {
        return;
    }
    const std::string pdf = Pdf("empty.pdf");
    m_prompter.QueuePath(pdf);
    Run(kCmdPrint);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "0 pages: the report is empty, no file written.");
}

TEST_F(ReportFlow, PrintWritesThePagesOfThePreviewToPdf)
{
    if (!Printing().PrintsToFile()) {
        GTEST_SKIP() << "a printer is installed; printing would go to it";
    }
    if (!PdfTools::Available()) {
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
    }
    PreviewManyTasks(120);
    const int pages = Printing().Navigator().PageCount();
    ASSERT_GE(pages, 2);
    Run(kCmdPreviewNext);

    // Printing from the preview prints its report and stays in the preview.
    const std::string inPreview = Pdf("preview.pdf");
    m_prompter.QueuePath(inPreview);
    Run(kCmdPrint);
    EXPECT_TRUE(Frame().IsPreviewing());
    EXPECT_EQ(PdfTools::Pages(inPreview), pages);
    EXPECT_EQ(Frame().StatusText(), QString("Page 2 of %1").arg(pages));
    Run(kCmdPreviewClose);

    // Outside the preview a report is made for the job and let go afterwards. (What the
    // pages hold is the report tests' business.)
    const std::string outside = Pdf("outside.pdf");
    m_prompter.QueuePath(outside);
    Run(kCmdPrint);
    EXPECT_EQ(PdfTools::Pages(outside), pages);
    EXPECT_EQ(Printing().CurrentReport(), nullptr);

    // A file that cannot be written says so.
    m_prompter.QueuePath(Pdf("no/such/folder/x.pdf"));
    Run(kCmdPrint);
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "Unable to write file!");
}

TEST_F(ReportFlow, PersonReportsOfferTheListedPersonsAndFollowThePickersExit)
{
    LoadSample();
    std::vector<std::vector<std::string>> offeredNames;
    std::optional<ReportCommands::Picked> answer;
    m_reports->SetPersonPicker([&](std::vector<Person> offered) {
        std::vector<std::string> names;
        for (const Person& person : offered) {
            names.push_back(person.RName);
        }
        offeredNames.push_back(names);
        if (answer) {
            answer->persons = offered;
        }
        return answer;
    });

    // Cancelled: the kind stays as it was.
    Run(kCmdReportDailyTasks);
    Run(kCmdReportAddressBook);
    EXPECT_TRUE(Checked(kCmdReportDailyTasks));

    answer = ReportCommands::Picked{PersonPickerModel::Exit::Ok, {}};
    Run(kCmdReportAddressBook);
    EXPECT_TRUE(Checked(kCmdReportAddressBook));
    EXPECT_FALSE(Frame().IsPreviewing());
    EXPECT_FALSE(m_reports->Choice().Records().businessMode);

    Form().Model().SetListing(Listing::YellowPages);
    answer = ReportCommands::Picked{PersonPickerModel::Exit::Preview, {}};
    Run(kCmdReportEnvelopes);
    EXPECT_TRUE(Checked(kCmdReportEnvelopes));
    EXPECT_TRUE(m_reports->Choice().Records().businessMode);
    EXPECT_TRUE(Frame().IsPreviewing());
    EXPECT_EQ(Printing().Navigator().PageCount(), 1);  // one envelope per person

    ASSERT_EQ(offeredNames.size(), 3u);
    EXPECT_EQ(offeredNames[1], (std::vector<std::string>{"Lee, Ann", "Moe, Bo"}));
    EXPECT_EQ(offeredNames[2], (std::vector<std::string>{"Lee, Ann"}));
}

TEST_F(ReportFlow, ThePickerDialogSelectsShowsHelpAndGoesOnToPrint)
{
    LoadSample();
    FakeHelpViewer help;
    Frame().SetHelpViewer(&help);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PersonPickerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        QListWidget* list = dialog->List();
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "Lee, Ann (Lee Co)");
        const auto acceptEnabled = [&](bool expected) {
            for (int id : {PersonPickerDialog::kOkId, PersonPickerDialog::kPreviewId,
                           PersonPickerDialog::kPrintId}) {
                EXPECT_EQ(dialog->Control(id)->isEnabled(), expected) << id;
            }
        };
        acceptEnabled(false);
        auto* all = static_cast<QCheckBox*>(dialog->Control(PersonPickerDialog::kSelectAllId));
        all->setChecked(true);
        acceptEnabled(true);
        all->setChecked(false);
        acceptEnabled(false);
        list->item(1)->setSelected(true);
        acceptEnabled(true);
        static_cast<QPushButton*>(dialog->Control(PersonPickerDialog::kHelpId))->click();
        QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(2, 2), QPoint(2, 2));
        QApplication::sendEvent(list, &whatsThis);
        static_cast<QPushButton*>(dialog->Control(PersonPickerDialog::kPrintId))->click();
    });
    m_prompter.QueuePath(std::nullopt);  // the print job's file dialog, cancelled
    Run(kCmdReportAddressBook);
    ASSERT_TRUE(seen);
    EXPECT_FALSE(Frame().IsPreviewing());
    EXPECT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_TRUE(m_prompter.Messages().empty());
    EXPECT_TRUE(Checked(kCmdReportAddressBook));
    ASSERT_EQ(m_reports->Choice().Records().persons.size(), 1u);
    EXPECT_EQ(m_reports->Choice().Records().persons[0].FName, "Bo");

    const std::string dir = QCoreApplication::applicationDirPath().toStdString();
    ASSERT_EQ(help.m_calls.size(), 2u);
    EXPECT_EQ(help.m_calls[0].address, HelpAddress::Topic(dir, "dlgpraddr.htm"));
    EXPECT_EQ(help.m_calls[1].address, HelpAddress::File(dir));
    EXPECT_EQ(help.m_calls[1].command, HelpCommand::ContextPopup);
    EXPECT_EQ(help.m_calls[1].data, 1600u);
    // Each control of the picker has a popup of its own.
    std::set<uint32_t> topics;
    for (int id :
         {PersonPickerDialog::kListId, PersonPickerDialog::kSelectAllId, PersonPickerDialog::kOkId,
          PersonPickerDialog::kCancelId, PersonPickerDialog::kHelpId, PersonPickerDialog::kPrintId,
          PersonPickerDialog::kPreviewId}) {
        topics.insert(PersonPickerDialog::PopupTopic(id));
    }
    EXPECT_EQ(topics.size(), 7u);
    Frame().SetHelpViewer(nullptr);
}

TEST_F(ReportFlow, FontAndMarginsKeepWhatTheDialogsGive)
{
    Printing().SetReportFont("Liberation Serif", 10.9);  // whole points, cut down
    EXPECT_EQ(Printing().Settings().pointSize, 10);
    EXPECT_EQ(Printing().Settings().face, "Liberation Serif");
    EXPECT_EQ(PrintController::MarginsFromInches(QMarginsF(1, 0.5, 0.75, 1.2345)),
              (Rect{1000, 500, 750, 1235}));
}

TEST(QtCanvas, LaysAReportOutOnThePrintersSheet)
{
    QPdfWriter writer(QStringLiteral("/dev/null"));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QtCanvas canvas(QtCanvas::MetricsOf(writer), writer);
    ReportRecords records;
    records.tasks.resize(3);
    const std::unique_ptr<Report> report =
        ReportFactory::Create(ReportKind::DailyTasks, canvas, records, PrintSettings{});
    EXPECT_EQ(report->PageRect(), (Rect{600, 600, 4500, 6000}));
    // 10 points at 600 dots per inch: 83 dots high, a line a little more.
    EXPECT_EQ(report->NormalFont().height, -83);
    EXPECT_GE(report->LineHeight(), 83);
    EXPECT_LT(report->LineHeight(), 130);
    // A wider text measures wider, in the bold font more than in the normal one.
    canvas.SelectFont(report->NormalFont());
    const int normal = canvas.GetTextExtent("DAILY TASKS").cx;
    EXPECT_GT(normal, canvas.GetTextExtent("DAILY").cx);
    canvas.SelectFont(report->BoldFont());
    EXPECT_GT(canvas.GetTextExtent("DAILY TASKS").cx, normal);
}

}  // namespace
}  // namespace orvane::test

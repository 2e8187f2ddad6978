#include "app/PrintController.h"

#include <QApplication>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cmath>

#include "app/MainFrame.h"
#include "platform/Prompter.h"
#include "printing/PagedPrintJob.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFontRule.h"
#include "reports/ReportText.h"
#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandTable.h"
#include "rules/commands/ReportChoice.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/reports/PreviewWindow.h"

namespace orvane {

PrintController::PrintController(MainFrame& frame, const ReportChoice& choice)
    : QObject(&frame),
      m_frame(frame),
      m_choice(choice),
      m_printer(QPrinter::HighResolution),
      m_printsToFile(QPrinterInfo::availablePrinters().isEmpty())
{
    if (m_printsToFile) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
    }
    // The reports keep their own margins and measure from the sheet's corner.
    m_printer.setFullPage(true);
    m_printer.setDocName(QStringLiteral("Orvane! Document"));
    m_preview = new PreviewWindow(&frame);
    m_preview->hide();
}

PrintController::~PrintController()
{
    // The report measures on the information canvas: it goes first.
    m_report.reset();
}

void PrintController::Install()
{
    const std::pair<int, void (PrintController::*)()> commands[] = {
        {kCmdPrint, &PrintController::Print},
        {kCmdPageSetup, &PrintController::PageSetup},
        {kCmdPrintPreview, &PrintController::TogglePreview},
        {kCmdReportFont, &PrintController::ChooseReportFont},
        {kCmdPreviewClose, &PrintController::ClosePreview},
        {kCmdPreviewNext, &PrintController::NextPage},
        {kCmdPreviewPrevious, &PrintController::PreviousPage},
        {kCmdZoomIn, &PrintController::ZoomIn},
        {kCmdZoomOut, &PrintController::ZoomOut},
    };
    for (const auto& [id, method] : commands) {
        m_frame.SetCommandHandler(id, [this, method = method] { (this->*method)(); });
    }
    m_frame.SetPreviewStateSource([this](CommandStates::Input& input) { AddPreviewState(input); });
}

QWidget* PrintController::Owner() const
{
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : &m_frame;
}

bool PrintController::IsPreviewing() const
{
    return m_frame.IsPreviewing();
}

void PrintController::AddPreviewState(CommandStates::Input& input) const
{
    input.currentPage = m_navigator.CurrentPage();
    input.pageCount = m_navigator.PageCount();
    input.canZoomIn = m_navigator.CanZoomIn();
    input.canZoomOut = m_navigator.CanZoomOut();
}

void PrintController::CreateReport()
{
    m_report.reset();
    if (!ReportKinds::CanPrint(m_choice.Kind())) {
        return;
    }
    m_info = std::make_unique<QtCanvas>(QtCanvas::MetricsOf(m_printer), m_printer);
    m_report = ReportFactory::Create(m_choice.Kind(), *m_info, m_choice.Records(), m_settings);
}

void PrintController::ShowPageStatus(const std::string& text)
{
    m_frame.ShowStatus(DisplayText::ToDisplay(text));
}

bool PrintController::ChooseOutput()
{
    if (!m_printsToFile) {
        QPrintDialog dialog(&m_printer, Owner());
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setMinMax(1, 1);
        return dialog.exec() == QDialog::Accepted;
    }
    FileDialogRequest request;
    request.title = "Print to PDF";
    request.filters = {{"PDF Files (*.pdf)", "*.pdf"}};
    request.defaultExtension = "pdf";
    request.initialName = "Orvane! Document.pdf";
    request.confirmOverwrite = true;
    const std::optional<std::string> path = m_frame.GetPrompter().AskSavePath(request);
    if (!path) {
        return false;
    }
    m_printer.setOutputFileName(QString::fromStdString(*path));
    return true;
}

void PrintController::Print()
{
    if (!ReportKinds::CanPrint(m_choice.Kind()) || !ChooseOutput()) {
        return;
    }
    const bool previewing = IsPreviewing();
    if (!previewing) {
        CreateReport();
    }
    if (!m_report) {
        return;
    }
    const auto printed = PagedPrintJob::Print(
        *m_report, m_printer, [this](const std::string& text) { ShowPageStatus(text); });
    if (!printed && m_printsToFile) {
        m_frame.GetPrompter().ShowMessage("Unable to write file!", "Orvane!", MessageButtons::Ok,
                                          MessageIcon::Error);
    } else if (printed && printed->pagesPrinted == 0 && m_printsToFile) {
        m_frame.GetPrompter().ShowMessage(PagedPrintJob::kNoPagesText, "Orvane!",
                                          MessageButtons::Ok, MessageIcon::Information);
    }
    if (previewing) {
        ShowCurrentPage();
    } else {
        m_report.reset();
        ShowPageStatus(CommandTable::ReadyText());
    }
}

Rect PrintController::MarginsFromInches(const QMarginsF& inches)
{
    const auto thousandths = [](double value) {
        return static_cast<int>(std::lround(value * 1000));
    };
    return Rect{thousandths(inches.left()), thousandths(inches.top()), thousandths(inches.right()),
                thousandths(inches.bottom())};
}

void PrintController::PageSetup()
{
    const Rect& m = m_settings.margins;
    m_printer.setPageMargins(
        QMarginsF(m.left / 1000.0, m.top / 1000.0, m.right / 1000.0, m.bottom / 1000.0),
        QPageLayout::Inch);
    QPageSetupDialog dialog(&m_printer, Owner());
    if (dialog.exec() == QDialog::Accepted) {
        AdoptPageSetup();
    }
}

void PrintController::AdoptPageSetup()
{
    m_settings.margins = MarginsFromInches(m_printer.pageLayout().margins(QPageLayout::Inch));
    m_printer.setFullPage(true);
    if (IsPreviewing()) {
        CreateReport();
        m_navigator.SetPageCount(m_report ? m_report->PageCount() : 0);
        ShowCurrentPage();
    }
}

void PrintController::SetReportFont(const std::string& face, double pointSize)
{
    m_settings.face = face;
    m_settings.pointSize =
        ReportFontRule::PointsFromTenths(static_cast<int>(std::lround(pointSize * 10)));
}

void PrintController::ChooseReportFont()
{
    QFont initial(QString::fromStdString(ReportFontRule::DialogFace(m_settings.face)));
    initial.setPointSize(m_settings.pointSize);
    initial.setWeight(QFont::Normal);
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, initial, Owner(), tr("Font"), QFontDialog::ScalableFonts);
    if (ok) {
        SetReportFont(chosen.family().toStdString(), chosen.pointSizeF());
    }
}

void PrintController::TogglePreview()
{
    if (IsPreviewing()) {
        ClosePreview();
        return;
    }
    if (!ReportKinds::CanPrint(m_choice.Kind())) {
        return;
    }
    CreateReport();
    m_navigator.Start(m_report ? m_report->PageCount() : 0);
    m_preview->SetZoomPixels(m_navigator.ZoomPixels());
    m_frame.ShowPreview(m_preview);
    ShowCurrentPage();
}

void PrintController::ShowCurrentPage()
{
    const int page = m_navigator.CurrentPage();
    const bool shown = m_report != nullptr && m_navigator.HasPage();
    if (shown) {
        // Lays the page out once as the printer would, which tells the status bar; the
        // window then paints it at its scale.
        QtCanvas measuring(QtCanvas::MetricsOf(m_printer), m_printer);
        PrintLoop::DrawPage(*m_report, measuring, static_cast<uint32_t>(page),
                            [this](const std::string& text) { ShowPageStatus(text); });
    }
    m_preview->ShowPage(shown ? m_report.get() : nullptr, &m_printer,
                        QtCanvas::MetricsOf(m_printer), shown ? page : -1);
}

void PrintController::ClosePreview()
{
    if (!IsPreviewing()) {
        return;
    }
    m_frame.ShowPreview(nullptr);
    m_preview->ShowPage(nullptr, nullptr, {}, -1);
    m_report.reset();
    ShowPageStatus(CommandTable::ReadyText());
}

void PrintController::NextPage()
{
    if (IsPreviewing() && m_navigator.Next()) {
        ShowCurrentPage();
    }
}

void PrintController::PreviousPage()
{
    if (IsPreviewing() && m_navigator.Previous()) {
        ShowCurrentPage();
    }
}

void PrintController::ZoomIn()
{
    if (IsPreviewing() && m_navigator.ZoomIn()) {
        m_preview->SetZoomPixels(m_navigator.ZoomPixels());
    }
}

void PrintController::ZoomOut()
{
    if (IsPreviewing() && m_navigator.ZoomOut()) {
        m_preview->SetZoomPixels(m_navigator.ZoomPixels());
    }
}

}  // namespace orvane

#pragma once

#include <QMarginsF>
#include <QObject>
#include <QPrinter>
#include <memory>
#include <string>

#include "printing/QtCanvas.h"
#include "reports/PreviewNavigator.h"
#include "reports/PrintSettings.h"
#include "reports/Report.h"
#include "rules/commands/CommandStates.h"

namespace orvane {

class MainFrame;
class PreviewWindow;
class ReportChoice;

// Print, page setup, report font and the print preview of the main window: the printer
// and print settings of this run, the current report and the preview's page and zoom.
class PrintController : public QObject {
    Q_OBJECT
public:
    PrintController(MainFrame& frame, const ReportChoice& choice);
    ~PrintController() override;

    // Installs the print, page setup, preview, report font and preview toolbar commands.
    void Install();

    void Print();
    void PageSetup();
    void ChooseReportFont();
    // Enters the preview, or leaves it when it shows.
    void TogglePreview();
    void ClosePreview();
    void NextPage();
    void PreviousPage();
    void ZoomIn();
    void ZoomOut();

    // The page-setup dialog was accepted: its margins become the report margins and the
    // preview, when it shows, is made again for the printer's new page.
    void AdoptPageSetup();
    // Only face and size of the font dialog's choice are kept; the size is truncated.
    void SetReportFont(const std::string& face, double pointSize);
    // Margins from the page-setup dialog, in thousandths of an inch, rounded.
    static Rect MarginsFromInches(const QMarginsF& inches);

    PrintSettings& Settings() { return m_settings; }
    QPrinter& Printer() { return m_printer; }
    // No printer installed: print writes a PDF file chosen in a save dialog.
    bool PrintsToFile() const { return m_printsToFile; }
    Report* CurrentReport() const { return m_report.get(); }
    const PreviewNavigator& Navigator() const { return m_navigator; }
    PreviewWindow* Preview() const { return m_preview; }
    bool IsPreviewing() const;
    void AddPreviewState(CommandStates::Input& input) const;

private:
    void CreateReport();
    void ShowCurrentPage();
    bool ChooseOutput();
    void ShowPageStatus(const std::string& text);
    QWidget* Owner() const;

    MainFrame& m_frame;
    const ReportChoice& m_choice;
    QPrinter m_printer;
    bool m_printsToFile = false;
    PrintSettings m_settings;
    std::unique_ptr<QtCanvas> m_info;
    std::unique_ptr<Report> m_report;
    PreviewNavigator m_navigator;
    PreviewWindow* m_preview = nullptr;
};

}  // namespace orvane

#include "printing/ReportPdfWriter.h"

#include <QPdfWriter>

#include "printing/PagedPrintJob.h"
#include "printing/QtCanvas.h"
#include "reports/ReportFactory.h"

namespace orvane {

ReportPdfWriter::Result ReportPdfWriter::Write(ReportKind kind, const ReportRecords& records,
                                               const PrintSettings& settings,
                                               const QPageSize& paper, const std::string& path,
                                               bool landscape)
{
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(kResolution);
    writer.setPageSize(paper);
    writer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The report keeps its own margins; the painter starts at the sheet's corner.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Orvane! Document"));
    writer.setCreator(QStringLiteral("Orvane!"));

    QtCanvas info(QtCanvas::MetricsOf(writer), writer);
    const std::unique_ptr<Report> report = ReportFactory::Create(kind, info, records, settings);
    if (!report) {
        return Result{true, 0};
    }
    const auto printed = PagedPrintJob::Print(*report, writer, {});
    if (!printed || printed->failed) {
        return Result{true, 0};
    }
    return Result{false, printed->pagesPrinted};
}

}  // namespace orvane

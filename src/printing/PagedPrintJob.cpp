#include "printing/PagedPrintJob.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace orvane {

PagedPrintJob::PagedPrintJob(QPagedPaintDevice& device, QPainter& painter,
                             const DeviceMetrics& metrics)
    : m_device(device), m_canvas(metrics, device, &painter)
{}

bool PagedPrintJob::StartPage()
{
    // Opening the painter started the first sheet already.
    return m_started++ == 0 || m_device.newPage();
}

std::optional<PrintLoop::Result> PagedPrintJob::Print(Report& report, QPagedPaintDevice& device,
                                                      const PrintLoop::StatusSink& status)
{
    // Opening the painter starts the first sheet: a report without pages never opens the
    // device, so a printer gets no page and no PDF file is made.
    if (report.PageCount() <= 0) {
        return PrintLoop::Result{};
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return std::nullopt;
    }
    PagedPrintJob job(device, painter, QtCanvas::MetricsOf(device));
    const PrintLoop::Result result = PrintLoop::Run(report, job, status);
    painter.end();
    return result;
}

}  // namespace orvane

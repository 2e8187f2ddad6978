#pragma once

#include <optional>

#include "printing/QtCanvas.h"
#include "reports/PrintLoop.h"
#include "reports/PrintTarget.h"

class QPagedPaintDevice;
class QPainter;

namespace orvane {

// A print job on a paged device (a printer or a PDF writer): the painter's first page is
// the report's first, every later page starts a new sheet.
class PagedPrintJob : public PrintTarget {
public:
    PagedPrintJob(QPagedPaintDevice& device, QPainter& painter, const DeviceMetrics& metrics);

    // What the user is told when a report without pages is to go to a file.
    static constexpr const char* kNoPagesText = "0 pages: the report is empty, no file written.";

    // Opens the device, prints every valid page and closes it; nothing when the device
    // cannot be opened (no printer, an unwritable file). A report without pages leaves the
    // device closed and prints 0 pages.
    static std::optional<PrintLoop::Result> Print(Report& report, QPagedPaintDevice& device,
                                                  const PrintLoop::StatusSink& status);

    bool StartPage() override;
    Canvas& PageCanvas() override { return m_canvas; }
    bool EndPage() override { return true; }

private:
    QPagedPaintDevice& m_device;
    QtCanvas m_canvas;
    int m_started = 0;
};

}  // namespace orvane

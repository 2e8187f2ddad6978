#include "reports/PrintLoop.h"

#include "reports/ReportText.h"

namespace orvane {

bool PrintLoop::DrawPage(Report& report, Canvas& canvas, uint32_t pageIndex,
                         const StatusSink& status)
{
    if (!IsValidPage(report, pageIndex)) {
        return false;
    }
    canvas.SaveState();
    if (status) {
        status(ReportText::PageStatus(static_cast<int>(pageIndex) + 1, report.PageCount()));
    }
    report.DrawPage(canvas, static_cast<int>(pageIndex));
    canvas.RestoreState();
    return true;
}

PrintLoop::Result PrintLoop::Run(Report& report, PrintTarget& target, const StatusSink& status)
{
    Result result;
    // With no pages the last index wraps round; the validity test ends the loop at once.
    const uint32_t lastPage = static_cast<uint32_t>(report.PageCount()) - 1u;
    for (uint32_t page = 0; page <= lastPage && IsValidPage(report, page); ++page) {
        if (!target.StartPage()) {
            result.failed = true;
            break;
        }
        DrawPage(report, target.PageCanvas(), page, status);
        if (!target.EndPage()) {
            result.failed = true;
            break;
        }
        ++result.pagesPrinted;
    }
    return result;
}

}  // namespace orvane

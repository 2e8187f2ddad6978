#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "reports/PrintTarget.h"
#include "reports/Report.h"

namespace orvane {

// The page sequence of a print job, shared with the preview's single pages.
class PrintLoop {
public:
    // Receives "Page %d of %d" before each page is drawn.
    using StatusSink = std::function<void(const std::string&)>;

    struct Result {
        int pagesPrinted = 0;
        bool failed = false;  // a page could not be started or finished: abort the job
    };

    // Prints page after page from the first while the page is valid; the count is read
    // again before each page, because drawing may paginate anew (the small size on narrow
    // paper). Stops at the first failure.
    static Result Run(Report& report, PrintTarget& target, const StatusSink& status);

    // Draws one page between a save and a restore of the canvas state, after telling the
    // status; false (and nothing drawn) when the page is not valid.
    static bool DrawPage(Report& report, Canvas& canvas, uint32_t pageIndex,
                         const StatusSink& status);

    // Compared unsigned, as the page loop counts.
    static bool IsValidPage(const Report& report, uint32_t pageIndex)
    {
        return pageIndex < static_cast<uint32_t>(report.PageCount());
    }
};

}  // namespace orvane

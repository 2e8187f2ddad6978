#pragma once

#include <QPageSize>
#include <string>

#include "reports/PrintSettings.h"
#include "reports/ReportKind.h"
#include "reports/ReportRecords.h"

namespace orvane {

// Writes a report to a PDF file without a printer: the same pages the printer would get,
// laid out at 600 dots per inch on a sheet of the given size. A report without pages makes
// no file.
class ReportPdfWriter {
public:
    static constexpr int kResolution = 600;

    struct Result {
        bool failed = false;  // the file could not be written
        int pages = 0;        // 0: the report is empty and no file was made
    };

    static Result Write(ReportKind kind, const ReportRecords& records,
                        const PrintSettings& settings, const QPageSize& paper,
                        const std::string& path, bool landscape = false);
};

}  // namespace orvane

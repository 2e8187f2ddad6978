#pragma once

#include <memory>

#include "platform/Canvas.h"
#include "reports/PrintSettings.h"
#include "reports/Report.h"
#include "reports/ReportKind.h"
#include "reports/ReportRecords.h"

namespace orvane {

// Makes the current report for print and preview.
class ReportFactory {
public:
    // The report of the kind from copies of the gathered records, measured on the
    // printer's information canvas (which must outlive it) and set up with the print
    // settings; nullptr for ReportKind::None.
    static std::unique_ptr<Report> Create(ReportKind kind, Canvas& infoCanvas,
                                          const ReportRecords& records,
                                          const PrintSettings& settings);

private:
    static std::unique_ptr<Report> Construct(ReportKind kind, Canvas& infoCanvas,
                                             const ReportRecords& records);
};

}  // namespace orvane

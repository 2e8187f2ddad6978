#include "reports/ReportFactory.h"

#include "reports/AddressBookReport.h"
#include "reports/DailyAppointmentsReport.h"
#include "reports/DailyPlanReport.h"
#include "reports/DailyTasksReport.h"
#include "reports/EnvelopeReport.h"

namespace orvane {

std::unique_ptr<Report> ReportFactory::Construct(ReportKind kind, Canvas& infoCanvas,
                                                 const ReportRecords& records)
{
    switch (kind) {
        case ReportKind::AddressBook:
            return std::make_unique<AddressBookReport>(infoCanvas, records.persons);
        case ReportKind::Envelopes:
            return std::make_unique<EnvelopeReport>(infoCanvas, records.persons, records.owner,
                                                    records.businessMode);
        case ReportKind::DailyPlan:
            return std::make_unique<DailyPlanReport>(infoCanvas, records.appointments,
                                                     records.tasks);
        case ReportKind::DailyTasks:
            return std::make_unique<DailyTasksReport>(infoCanvas, records.tasks);
        case ReportKind::DailyAppointments:
            return std::make_unique<DailyAppointmentsReport>(infoCanvas, records.appointments);
        case ReportKind::None:
            break;
    }
    return nullptr;
}

std::unique_ptr<Report> ReportFactory::Create(ReportKind kind, Canvas& infoCanvas,
                                              const ReportRecords& records,
                                              const PrintSettings& settings)
{
    std::unique_ptr<Report> report = Construct(kind, infoCanvas, records);
    if (report) {
        // Each step paginates again, so the pages follow the last of them.
        report->SetMargins(settings.margins);
        report->SetFace(settings.face);
        report->SetPointSize(settings.pointSize);
    }
    return report;
}

}  // namespace orvane

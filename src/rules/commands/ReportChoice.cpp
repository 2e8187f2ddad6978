#include "rules/commands/ReportChoice.h"

#include "data/PimDocument.h"
#include "reports/PersonPickerModel.h"
#include "reports/ReportGatherer.h"
#include "rules/panes/FormModel.h"

namespace orvane {

ReportKind ReportChoice::Kind() const
{
    return static_cast<ReportKind>(m_form.State().reportKind);
}

bool ReportChoice::IsDailyCommand(int commandId)
{
    const ReportKind kind = ReportKinds::KindOf(commandId);
    return kind == ReportKind::DailyPlan || kind == ReportKind::DailyTasks ||
           kind == ReportKind::DailyAppointments;
}

bool ReportChoice::IsPersonCommand(int commandId)
{
    const ReportKind kind = ReportKinds::KindOf(commandId);
    return kind == ReportKind::AddressBook || kind == ReportKind::Envelopes;
}

void ReportChoice::ChooseDaily(int commandId)
{
    const ReportKind kind = ReportKinds::KindOf(commandId);
    const PimDatabase& db = m_form.Document().Database();
    if (kind != ReportKind::DailyAppointments) {
        std::vector<int32_t> ids;
        ids.reserve(m_form.Tasks().Rows().size());
        for (const TaskPane::Row& row : m_form.Tasks().Rows()) {
            ids.push_back(row.id);
        }
        m_records.tasks = ReportGatherer::Tasks(ids, db);
    }
    if (kind != ReportKind::DailyTasks) {
        std::vector<ReportGatherer::AppointmentRow> rows;
        rows.reserve(m_form.Appointments().Rows().size());
        for (const AppointmentPane::Row& row : m_form.Appointments().Rows()) {
            rows.push_back({row.id, row.description});
        }
        m_records.appointments = ReportGatherer::Appointments(rows, db);
    }
    m_form.State().reportKind = static_cast<int>(kind);
}

std::vector<Person> ReportChoice::OfferedPersons() const
{
    return PersonPickerModel::Offered(m_form.Document().Database().Persons(),
                                      m_form.State().listing == Listing::YellowPages);
}

void ReportChoice::ChoosePersons(int commandId, std::vector<Person> chosen)
{
    m_records.persons = std::move(chosen);
    m_records.owner = m_form.Document().Database().GetUser();
    m_records.businessMode = m_form.State().listing == Listing::YellowPages;
    m_form.State().reportKind = static_cast<int>(ReportKinds::KindOf(commandId));
}

}  // namespace orvane

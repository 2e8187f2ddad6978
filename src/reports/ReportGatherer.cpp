#include "reports/ReportGatherer.h"

#include <optional>

namespace orvane {

std::vector<Task> ReportGatherer::Tasks(const std::vector<int32_t>& rowIds, const PimDatabase& db)
{
    std::vector<Task> tasks;
    tasks.reserve(rowIds.size());
    for (int32_t id : rowIds) {
        if (const Task* task = db.Tasks().Find(id)) {
            tasks.push_back(*task);
        }
    }
    return tasks;
}

std::vector<Appointment> ReportGatherer::Appointments(const std::vector<AppointmentRow>& rows,
                                                      const PimDatabase& db)
{
    std::vector<Appointment> appointments;
    std::optional<int32_t> lastId;
    for (const AppointmentRow& row : rows) {
        if (row.description.empty() || row.id == lastId) {
            continue;
        }
        lastId = row.id;
        if (const Appointment* appointment = db.Appointments().Find(row.id)) {
            appointments.push_back(*appointment);
        }
    }
    return appointments;
}

}  // namespace orvane

#pragma once

#include <vector>

#include "data/Appointment.h"
#include "data/Task.h"
#include "reports/DailyReport.h"

namespace orvane {

// The selected day's appointments in the left half and its tasks in the right half, each
// half paged on its own.
class DailyPlanReport : public DailyReport {
public:
    DailyPlanReport(Canvas& infoCanvas, std::vector<Appointment> appointments,
                    std::vector<Task> tasks);

    const std::vector<Appointment>& Appointments() const { return m_appointments; }
    const std::vector<Task>& Tasks() const { return m_tasks; }
    const std::vector<RowRange>& AppointmentPages() const { return m_appointmentPages; }
    const std::vector<RowRange>& TaskPages() const { return m_taskPages; }

protected:
    void DrawHeader() override;
    void DrawBorder() override;
    void DrawRows(int pageIndex) override;
    void Paginate() override;

private:
    void DrawAppointments(const RowRange& page);
    void DrawTasks(const RowRange& page);

    int StartX() const { return PageRect().left + HalfChar(); }
    int EndX() const { return StartX() + Eighth(); }
    int AppointmentX() const { return StartX() + Quarter(); }
    int TaskX() const { return CenterX() + HalfChar(); }
    int PriorityX() const { return TaskX() + Quarter(); }
    int DueDateX() const { return PriorityX() + Eighth(); }

    std::vector<Appointment> m_appointments;
    std::vector<Task> m_tasks;
    std::vector<RowRange> m_appointmentPages;
    std::vector<RowRange> m_taskPages;
};

}  // namespace orvane

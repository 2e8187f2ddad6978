#include "reports/DailyPlanReport.h"

#include <algorithm>

#include "reports/ReportText.h"

namespace orvane {

DailyPlanReport::DailyPlanReport(Canvas& infoCanvas, std::vector<Appointment> appointments,
                                 std::vector<Task> tasks)
    : DailyReport(infoCanvas), m_appointments(std::move(appointments)), m_tasks(std::move(tasks))
{
    Paginate();
}

void DailyPlanReport::Paginate()
{
    m_appointmentPages = SplitRows(m_appointments.size());
    m_taskPages = SplitRows(m_tasks.size());
    if (!m_appointments.empty() || !m_tasks.empty()) {
        SetPageCount(static_cast<int>(std::max(m_appointmentPages.size(), m_taskPages.size())));
    }
}

void DailyPlanReport::DrawHeader()
{
    DrawTitle("DAILY PLAN");
    DrawHeading(StartX(), "START");
    DrawHeading(EndX(), "END");
    DrawHeading(AppointmentX(), "APPOINTMENT");
    DrawHeading(TaskX(), "TASK");
    DrawHeading(PriorityX(), "PRIORITY");
    DrawHeading(DueDateX(), "DUE DATE");
}

void DailyPlanReport::DrawBorder()
{
    Report::DrawBorder();
    GetCanvas().MoveTo(CenterX(), FirstRowY());
    GetCanvas().LineTo(CenterX(), PageRect().bottom - LineHeight());
}

void DailyPlanReport::DrawRows(int pageIndex)
{
    const auto index = static_cast<size_t>(pageIndex);
    if (index < m_appointmentPages.size()) {
        DrawAppointments(m_appointmentPages[index]);
    }
    SetCurrentY(FirstRowY());
    if (index < m_taskPages.size()) {
        DrawTasks(m_taskPages[index]);
    }
}

void DailyPlanReport::DrawAppointments(const RowRange& page)
{
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        const Appointment& appointment = m_appointments[i];
        const int y = NextRowY();
        GetCanvas().TextOut(StartX(), y, ReportText::Time(appointment.StartTime));
        GetCanvas().TextOut(EndX(), y, ReportText::Time(appointment.EndTime));
        DrawClipped(AppointmentX(), y, CenterX(), appointment.Description);
    }
}

void DailyPlanReport::DrawTasks(const RowRange& page)
{
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        const Task& task = m_tasks[i];
        const int y = NextRowY();
        DrawClipped(TaskX(), y, CenterX() + Quarter(), task.Description);
        GetCanvas().TextOut(PriorityX(), y, Task::PriorityName(task.Priority));
        GetCanvas().TextOut(DueDateX(), y, ReportText::Date(task.DueDate));
    }
}

}  // namespace orvane

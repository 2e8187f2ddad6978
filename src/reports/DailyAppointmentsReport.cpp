#include "reports/DailyAppointmentsReport.h"

#include "reports/ReportText.h"

namespace orvane {

DailyAppointmentsReport::DailyAppointmentsReport(Canvas& infoCanvas,
                                                 std::vector<Appointment> appointments)
    : DailyReport(infoCanvas), m_appointments(std::move(appointments))
{
    Paginate();
}

void DailyAppointmentsReport::Paginate()
{
    m_pages = SplitRows(m_appointments.size());
    if (!m_appointments.empty()) {
        SetPageCount(static_cast<int>(m_pages.size()));
    }
}

void DailyAppointmentsReport::DrawHeader()
{
    DrawTitle("DAILY APPOINTMENTS");
    DrawHeading(LeftTextX(), "START");
    DrawHeading(EndX(), "END");
    DrawHeading(CenterX(), "APPOINTMENT");
}

void DailyAppointmentsReport::DrawRows(int pageIndex)
{
    const RowRange& page = m_pages[static_cast<size_t>(pageIndex)];
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        const Appointment& appointment = m_appointments[i];
        const int y = NextRowY();
        GetCanvas().TextOut(LeftTextX(), y, ReportText::Time(appointment.StartTime));
        GetCanvas().TextOut(EndX(), y, ReportText::Time(appointment.EndTime));
        DrawClipped(CenterX(), y, PageRect().right, appointment.Description);
    }
}

}  // namespace orvane

#pragma once

#include <vector>

#include "data/Appointment.h"
#include "reports/DailyReport.h"

namespace orvane {

// The selected day's appointments: start, end and description, one per line.
class DailyAppointmentsReport : public DailyReport {
public:
    DailyAppointmentsReport(Canvas& infoCanvas, std::vector<Appointment> appointments);

    const std::vector<Appointment>& Appointments() const { return m_appointments; }
    const std::vector<RowRange>& Pages() const { return m_pages; }

protected:
    void DrawHeader() override;
    void DrawRows(int pageIndex) override;
    void Paginate() override;

private:
    // Measured from the device's origin rather than the page's left edge.
    int EndX() const { return Quarter() + CharWidth(); }

    std::vector<Appointment> m_appointments;
    std::vector<RowRange> m_pages;
};

}  // namespace orvane

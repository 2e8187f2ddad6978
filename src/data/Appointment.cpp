#include "data/Appointment.h"

namespace orvane {

Appointment::Appointment()
{
    const PimDateTime now = PimDateTime::Now();
    DueDate = StartTime = EndTime = AlarmTime = now;
}

}  // namespace orvane

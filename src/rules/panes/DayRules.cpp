#include "rules/panes/DayRules.h"

namespace orvane {

bool DayRules::TaskBelongsToDay(const Task& task, const PimDateTime& day, const PimDateTime& today)
{
    if (task.DueDate == day && day >= today) {
        return true;
    }
    if (day == today && task.DueDate <= today && !task.IsCompleted()) {
        return true;
    }
    return task.IsCompleted() && task.DoneDate == day && day <= today;
}

bool DayRules::AppointmentBelongsToDay(const Appointment& appointment, const PimDateTime& day)
{
    return appointment.DueDate == day;
}

}  // namespace orvane

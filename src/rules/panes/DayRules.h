#pragma once

#include "data/Appointment.h"
#include "data/PimDateTime.h"
#include "data/Task.h"

namespace orvane {

// Which records the calendar's selected day lists. Days are compared as stored values at
// 00:00, so a date carrying a time of day never matches a day.
class DayRules {
public:
    // Due that day (on or after today), carried to today while unfinished, or completed
    // that day (on or before today).
    static bool TaskBelongsToDay(const Task& task, const PimDateTime& day,
                                 const PimDateTime& today);
    static bool AppointmentBelongsToDay(const Appointment& appointment, const PimDateTime& day);
};

}  // namespace orvane

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/Appointment.h"
#include "data/Task.h"
#include "interop/ExpansionWindow.h"
#include "interop/PropertyTally.h"

namespace orvane::interop {

// One calendar item as a file of its own (a VCALENDAR holding one task, or one event with
// its overridden instances), for a sync that keeps the item's text and rewrites only what
// this program maps: a RRULE, attendees or a description added elsewhere stay.
class CalendarItem {
public:
    struct Records {
        std::vector<Task> tasks;
        std::vector<Appointment> appointments;
        bool recurring = false;  // the appointments are occurrences of a series
        PropertyTally unmapped;
    };

    // Nothing when the text is not iCalendar.
    static std::optional<Records> Read(const std::string& text, const ExpansionWindow& window);

    // The item's text with the mapped properties of its VTODO set from the task; nothing
    // when it holds no VTODO.
    static std::optional<std::string> UpdateTask(const std::string& text, const Task& task);
    // The same for a VEVENT; nothing when it holds none, or when the event recurs (an
    // occurrence is not a whole series).
    static std::optional<std::string> UpdateAppointment(const std::string& text,
                                                        const Appointment& appointment);

    // A new item for a record (which should carry its UID).
    static std::string FromTask(const Task& task);
    static std::string FromAppointment(const Appointment& appointment);
};

}  // namespace orvane::interop

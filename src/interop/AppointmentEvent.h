#pragma once

#include <libical/ical.h>

#include <string>

#include "data/Appointment.h"

namespace orvane::interop {

class PropertyTally;

// When one occurrence of an event takes place, in local time.
struct EventTimes {
    PimDateTime start;
    PimDateTime end;
    bool allDay = false;

    // DTSTART with DTEND or DURATION of the event itself; start invalid without DTSTART.
    static EventTimes Of(icalcomponent* event);
};

// An appointment as a VEVENT and back: SUMMARY, DTSTART and DTEND (in the local zone; an
// all-day event runs from 00:00 of its first day to 23:59 of its last), the first VALARM
// with a DISPLAY or AUDIO action as the alarm, UID. The day the appointment is listed on and
// its done flag travel as X-ORVANE-DAY and X-ORVANE-DONE when they say more than the start.
class AppointmentEvent {
public:
    // The appointment for one occurrence of the event.
    static Appointment Read(icalcomponent* event, const EventTimes& times, PropertyTally* unmapped);
    // A new VEVENT (the caller owns it); times carry the TZID zone, or are UTC when it is
    // empty.
    static icalcomponent* Make(const Appointment& appointment, const std::string& zone);
    // Replaces the properties of the VEVENT whose mapped values differ from the
    // appointment's; zone as for Make.
    static void Update(icalcomponent* event, const Appointment& appointment,
                       const std::string& zone);
};

}  // namespace orvane::interop

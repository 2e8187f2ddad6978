#pragma once

#include <libical/ical.h>

#include <functional>

#include "data/Appointment.h"
#include "data/Task.h"
#include "interop/ExpansionWindow.h"
#include "interop/ImportSummary.h"
#include "interop/Progress.h"

namespace orvane::interop {

// The tasks and appointments of one parsed VCALENDAR. A recurring event (RRULE, RDATE,
// EXDATE, overridden instances) gives one appointment per occurrence within the window,
// at most kMaxOccurrences per series; each carries the UID "<series UID>#<occurrence>",
// the occurrence written as its RECURRENCE-ID would be (20240305T150000Z for a time with a
// zone, 20240305T150000 floating, 20240305 for a date), so that importing the same series
// again finds it. Events and tasks that are not recurring are taken whatever their date.
class CalendarRecords {
public:
    static constexpr size_t kMaxOccurrences = 10000;

    using TaskSink = std::function<void(Task&&)>;
    using AppointmentSink = std::function<void(Appointment&&)>;

    // Series, appointments from series, left-out items and unmapped properties are counted
    // in the summary.
    CalendarRecords(const ExpansionWindow& window, ImportSummary& summary);

    // False when the progress callback asked to stop.
    bool Read(icalcomponent* calendar, const TaskSink& onTask, const AppointmentSink& onAppointment,
              const Progress& progress = {});

    // The series UID of an occurrence's UID; the UID itself for a single event.
    static std::string SeriesUid(const std::string& uid);

    struct Collected;

private:
    void Single(icalcomponent* event, const std::string& uid);
    void Series(icalcomponent* master, std::vector<icalcomponent*>& overrides);
    void Emit(Appointment&& appointment, bool fromSeries);
    std::vector<time_t> Occurrences(icalcomponent* master) const;
    void ExpandRules(icalcomponent* master, Collected& collected) const;

    ExpansionWindow m_window;
    icaltimetype m_from;
    icaltimetype m_to;
    ImportSummary& m_summary;
    AppointmentSink m_onAppointment;
};

}  // namespace orvane::interop

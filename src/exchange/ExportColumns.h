#pragma once

#include <span>
#include <string>
#include <string_view>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"

namespace orvane {

// One field an exporter can write: its name (in the list and the header), whether the
// encloser is doubled inside its text, and how its text is made from a record. The value
// function returns a view of the record's own text or of scratch, which it may fill.
template <class R>
struct ExportColumn {
    const char* name;
    bool doublesEncloser;
    std::string_view (*value)(const R& record, std::string& scratch);
};

// The export field tables, in the sequence of the list, the header and each line.
class ExportColumns {
public:
    static std::span<const ExportColumn<Person>> Persons();
    static std::span<const ExportColumn<Task>> Tasks();
    static std::span<const ExportColumn<Appointment>> Appointments();

    // Minutes between the alarm and the start, truncated and kept within 0-60; 0 without
    // an alarm.
    static int AlarmMinutes(const Appointment& appointment);
    // The user's short date and the time without seconds; empty for an invalid value.
    static std::string ShortDate(const PimDateTime& value);
    static std::string TimeOfDay(const PimDateTime& value);
};

}  // namespace orvane

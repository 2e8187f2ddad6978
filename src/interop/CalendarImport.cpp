#include "interop/CalendarImport.h"

#include "data/PimDatabase.h"
#include "interop/Ascii.h"
#include "interop/CalendarRecords.h"
#include "interop/RecordMerge.h"

namespace orvane::interop {

namespace {

// What a record keeps of itself when an item updates it: the values nothing looks at, so
// that an unchanged item leaves the record unchanged.
void KeepStoredTask(const Task& stored, Task& incoming)
{
    if (!incoming.IsCompleted()) {
        incoming.DoneDate = stored.DoneDate;
    }
}

void KeepStoredAppointment(const Appointment& stored, Appointment& incoming)
{
    if (!incoming.Alarm) {
        incoming.AlarmTime = stored.AlarmTime;
    }
}

}  // namespace

bool CalendarImport::LooksLikeICalendar(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    return Ascii::StartsWithLetters(Ascii::Trim(text), "BEGIN:VCALENDAR");
}

IcalComponentPtr CalendarImport::Parse(const std::string& text)
{
    if (!LooksLikeICalendar(text)) {
        return nullptr;
    }
    icalerror_set_errors_are_fatal(0);
    const size_t bom = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    return IcalComponentPtr(icalparser_parse_string(text.c_str() + bom));
}

std::vector<icalcomponent*> CalendarImport::Calendars(icalcomponent* root)
{
    std::vector<icalcomponent*> calendars;
    if (!root) {
        return calendars;
    }
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
        return calendars;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
        calendars.push_back(c);
    }
    return calendars;
}

std::optional<ImportSummary> CalendarImport::Run(PimDatabase& database, const std::string& text,
                                                 const ExpansionWindow& window,
                                                 const Progress& progress)
{
    const IcalComponentPtr root = Parse(text);
    const std::vector<icalcomponent*> calendars = Calendars(root.get());
    if (calendars.empty()) {
        return std::nullopt;
    }
    ImportSummary summary;
    summary.kind = ImportSummary::Kind::Calendar;
    RecordMerge<Task> tasks(database.Tasks(), summary.tasks);
    RecordMerge<Appointment> appointments(database.Appointments(), summary.appointments);
    CalendarRecords records(window, summary);
    for (icalcomponent* calendar : calendars) {
        const bool finished = records.Read(
            calendar, [&](Task&& task) { tasks.Put(std::move(task), KeepStoredTask); },
            [&](Appointment&& appointment) {
                appointments.Put(std::move(appointment), KeepStoredAppointment);
            },
            progress);
        if (!finished) {
            summary.stopped = true;
            break;
        }
    }
    return summary;
}

}  // namespace orvane::interop

#include "interop/CalendarItem.h"

#include "interop/AppointmentEvent.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/CalendarRecords.h"
#include "interop/IcalHandles.h"
#include "interop/LocalZone.h"
#include "interop/TaskTodo.h"

namespace orvane::interop {

namespace {

icalcomponent* FirstOf(icalcomponent* calendar, icalcomponent_kind kind)
{
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, kind); c;
         c = icalcomponent_get_next_component(calendar, kind)) {
        if (!icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
            return c;
        }
    }
    return nullptr;
}

// The local zone's definition, added when the event's start names it and the calendar does
// not hold it yet.
void AddZone(icalcomponent* calendar, icalcomponent* event, const std::string& zone,
             const PimDateTime& earliest)
{
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    icalparameter* tzid =
        start ? icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER) : nullptr;
    if (zone.empty() || !tzid || zone != icalparameter_get_tzid(tzid) ||
        icalcomponent_get_timezone(calendar, zone.c_str())) {
        return;
    }
    if (icalcomponent* timezone = CalendarExport::Timezone(zone, earliest)) {
        icalcomponent_add_component(calendar, timezone);
    }
}

}  // namespace

std::optional<CalendarItem::Records> CalendarItem::Read(const std::string& text,
                                                        const ExpansionWindow& window)
{
    const IcalComponentPtr root = CalendarImport::Parse(text);
    const std::vector<icalcomponent*> calendars = CalendarImport::Calendars(root.get());
    if (calendars.empty()) {
        return std::nullopt;
    }
    ImportSummary summary;
    CalendarRecords reader(window, summary);
    Records records;
    for (icalcomponent* calendar : calendars) {
        reader.Read(
            calendar, [&](Task&& task) { records.tasks.push_back(std::move(task)); },
            [&](Appointment&& a) { records.appointments.push_back(std::move(a)); });
    }
    records.recurring = summary.series > 0;
    records.unmapped = summary.unmapped;
    return records;
}

std::optional<std::string> CalendarItem::UpdateTask(const std::string& text, const Task& task)
{
    const IcalComponentPtr root = CalendarImport::Parse(text);
    for (icalcomponent* calendar : CalendarImport::Calendars(root.get())) {
        if (icalcomponent* todo = FirstOf(calendar, ICAL_VTODO_COMPONENT)) {
            TaskTodo::Update(todo, task);
            return IcalText(root.get());
        }
    }
    return std::nullopt;
}

std::optional<std::string> CalendarItem::UpdateAppointment(const std::string& text,
                                                           const Appointment& appointment)
{
    const IcalComponentPtr root = CalendarImport::Parse(text);
    for (icalcomponent* calendar : CalendarImport::Calendars(root.get())) {
        icalcomponent* event = FirstOf(calendar, ICAL_VEVENT_COMPONENT);
        if (!event) {
            continue;
        }
        if (icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
            icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY)) {
            return std::nullopt;
        }
        const std::string zone = LocalZone::Name();
        AppointmentEvent::Update(event, appointment, zone);
        AddZone(calendar, event, zone, appointment.StartTime);
        return IcalText(root.get());
    }
    return std::nullopt;
}

std::string CalendarItem::FromTask(const Task& task)
{
    return CalendarExport::Head() + IcalText(IcalComponentPtr(TaskTodo::Make(task)).get()) +
           CalendarExport::Tail();
}

std::string CalendarItem::FromAppointment(const Appointment& appointment)
{
    const std::string zone = LocalZone::Name();
    std::string text = CalendarExport::Head();
    if (const IcalComponentPtr timezone{CalendarExport::Timezone(zone, appointment.StartTime)}) {
        text += IcalText(timezone.get());
    }
    return text + IcalText(IcalComponentPtr(AppointmentEvent::Make(appointment, zone)).get()) +
           CalendarExport::Tail();
}

}  // namespace orvane::interop

#include "interop/CalendarExport.h"

#include "data/PimDatabase.h"
#include "interop/AppointmentEvent.h"
#include "interop/IcalHandles.h"
#include "interop/IcalTime.h"
#include "interop/LocalZone.h"
#include "interop/TaskTodo.h"
#include "interop/Uids.h"

namespace orvane::interop {

namespace {

template <class R>
size_t GiveUids(RecordCollection<R>& records)
{
    std::vector<R> lacking;
    for (const auto& [id, record] : records) {
        if (record.UID.empty()) {
            lacking.push_back(record);
        }
    }
    for (R& record : lacking) {
        record.UID = Uids::Make();
        records.Update(record);
    }
    return lacking.size();
}

}  // namespace

std::string CalendarExport::Head()
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Kestrow//Orvane!//EN\r\n"
           "CALSCALE:GREGORIAN\r\n";
}

icalcomponent* CalendarExport::Timezone(const std::string& zone, const PimDateTime& earliest)
{
    icaltimezone* builtin =
        zone.empty() ? nullptr : icaltimezone_get_builtin_timezone(zone.c_str());
    icalcomponent* definition = builtin ? icaltimezone_get_component(builtin) : nullptr;
    if (!definition) {
        return nullptr;
    }
    icalcomponent* copy = icalcomponent_new_clone(definition);
    // libical names its zones with a prefix of its own; other programs know the location.
    if (icalproperty* tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY)) {
        icalproperty_set_tzid(tzid, zone.c_str());
    }
    if (IcalTime::IsStorable(earliest)) {
        icaltimezone_truncate_vtimezone(copy, IcalTime::UtcFromLocal(earliest),
                                        icaltime_null_time(), 1);
    }
    return copy;
}

ExportResult CalendarExport::Run(PimDatabase& database, bool tasks, bool appointments,
                                 const Progress& progress)
{
    ExportResult result;
    const size_t total = (tasks ? database.Tasks().Count() : 0) +
                         (appointments ? database.Appointments().Count() : 0);
    if (tasks) {
        result.uidsGiven += GiveUids(database.Tasks());
    }
    if (appointments) {
        result.uidsGiven += GiveUids(database.Appointments());
    }
    result.text = Head();
    result.text.reserve(total * 400);
    const std::string zone = LocalZone::Name();
    if (appointments && !database.Appointments().IsEmpty()) {
        PimDateTime earliest;
        for (const auto& [id, a] : database.Appointments()) {
            if (IcalTime::IsStorable(a.StartTime) &&
                (!earliest.IsValid() || a.StartTime < earliest)) {
                earliest = a.StartTime;
            }
        }
        if (const IcalComponentPtr timezone{Timezone(zone, earliest)}) {
            result.text += IcalText(timezone.get());
        }
    }
    const auto step = [&]() {
        ++result.written;
        if (progress && result.written % 1024 == 0 && !progress(result.written, total)) {
            result.stopped = true;
        }
        return !result.stopped;
    };
    if (tasks) {
        for (const auto& [id, task] : database.Tasks()) {
            result.text += IcalText(IcalComponentPtr(TaskTodo::Make(task)).get());
            ++result.tasks;
            if (!step()) {
                return result;
            }
        }
    }
    if (appointments) {
        for (const auto& [id, a] : database.Appointments()) {
            if (!IcalTime::IsStorable(a.StartTime) || !IcalTime::IsStorable(a.EndTime)) {
                continue;
            }
            result.text += IcalText(IcalComponentPtr(AppointmentEvent::Make(a, zone)).get());
            ++result.appointments;
            if (!step()) {
                return result;
            }
        }
    }
    result.text += Tail();
    return result;
}

}  // namespace orvane::interop

#include "interop/CalendarRecords.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <map>
#include <unordered_map>

#include "interop/AppointmentEvent.h"
#include "interop/IcalHandles.h"
#include "interop/IcalTime.h"
#include "interop/TaskTodo.h"
#include "interop/Uids.h"

namespace orvane::interop {

namespace {

constexpr time_t kDay = 86400;

// A local day boundary as a UTC time for libical, within the 32-bit range the program keeps.
icaltimetype Boundary(const PimDateTime& local)
{
    int32_t value = local.ToTimeValue();
    if (value < 0) {
        value = local < PimDateTime::FromTimeValue(0) ? 0 : std::numeric_limits<int32_t>::max();
    }
    return icaltime_from_timet_with_zone(value, 0, icaltimezone_get_utc_timezone());
}

std::string OccurrenceKey(time_t start, bool wall, bool date)
{
    tm t{};
    gmtime_r(&start, &t);
    char text[32];
    std::strftime(text, sizeof text,
                  date   ? "%Y%m%d"
                  : wall ? "%Y%m%dT%H%M%S"
                         : "%Y%m%dT%H%M%SZ",
                  &t);
    return text;
}

// Seconds since 1970 of the instant, or of the wall-clock time read as UTC (as libical's
// expansion gives them).
time_t InstantOrWall(const icaltimetype& time)
{
    return IcalTime::IsWallClock(time)
               ? icaltime_as_timet(time)
               : icaltime_as_timet_with_zone(
                     time, time.zone ? time.zone : icaltimezone_get_utc_timezone());
}

std::string RecurrenceKey(icalcomponent* override)
{
    icalproperty* p = icalcomponent_get_first_property(override, ICAL_RECURRENCEID_PROPERTY);
    const icaltimetype id = icalproperty_get_datetime_with_component(p, override);
    return OccurrenceKey(InstantOrWall(id), IcalTime::IsWallClock(id), id.is_date);
}

std::string UidOf(icalcomponent* component)
{
    const char* uid = icalcomponent_get_uid(component);
    return uid && *uid ? std::string(uid) : Uids::FromContent(IcalText(component));
}

bool IsRecurring(icalcomponent* event)
{
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

bool IsCancelled(icalcomponent* event)
{
    return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

// A rule that can give more than one occurrence a day is expanded a day at a time, so that
// a hostile one stops at the limit instead of running for minutes.
bool IsFineGrained(icalcomponent* event)
{
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        if (rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE ||
            rule.freq == ICAL_HOURLY_RECURRENCE || rule.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX ||
            rule.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX ||
            rule.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX) {
            return true;
        }
    }
    return false;
}

}  // namespace

struct CalendarRecords::Collected {
    std::vector<time_t> starts;
    time_t from;
    time_t to;
};

namespace {

void Collect(icalcomponent*, icaltime_span* span, void* data)
{
    auto* collected = static_cast<CalendarRecords::Collected*>(data);
    if (span->start >= collected->from && span->start < collected->to &&
        collected->starts.size() < CalendarRecords::kMaxOccurrences) {
        collected->starts.push_back(span->start);
    }
}

}  // namespace

CalendarRecords::CalendarRecords(const ExpansionWindow& window, ImportSummary& summary)
    : m_window(window),
      m_from(Boundary(window.first)),
      m_to(Boundary(window.last + PimTimeSpan(1.0))),
      m_summary(summary)
{}

std::string CalendarRecords::SeriesUid(const std::string& uid)
{
    return uid.substr(0, uid.rfind('#'));
}

bool CalendarRecords::Read(icalcomponent* calendar, const TaskSink& onTask,
                           const AppointmentSink& onAppointment, const Progress& progress)
{
    m_onAppointment = onAppointment;
    std::vector<icalcomponent*> masters;
    std::unordered_map<std::string, std::vector<icalcomponent*>> overrides;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind == ICAL_VEVENT_COMPONENT) {
            if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
                overrides[UidOf(c)].push_back(c);
            } else {
                masters.push_back(c);
            }
        } else if (kind == ICAL_VTODO_COMPONENT) {
            Task task;
            if (TaskTodo::Read(c, task, &m_summary.unmapped) &&
                IcalTime::IsStorable(task.DueDate)) {
                if (task.UID.empty()) {
                    task.UID = UidOf(c);
                }
                onTask(std::move(task));
            } else {
                ++m_summary.leftOut;
            }
        } else if (kind != ICAL_VTIMEZONE_COMPONENT) {
            m_summary.unmapped.Add(icalcomponent_kind_to_string(kind));
        }
    }
    for (size_t i = 0; i < masters.size(); ++i) {
        icalcomponent* master = masters[i];
        const std::string uid = UidOf(master);
        std::vector<icalcomponent*> own;
        if (const auto it = overrides.find(uid); it != overrides.end()) {
            own = std::move(it->second);
            overrides.erase(it);
        }
        if (IsRecurring(master)) {
            Series(master, own);
        } else {
            Single(master, uid);
        }
        for (icalcomponent* override : own) {
            Single(override, uid + "#" + RecurrenceKey(override));
        }
        if (progress && i % 256 == 255 && !progress(i + 1, masters.size())) {
            return false;
        }
    }
    // Instances of a series whose master is not in the file.
    for (const auto& [uid, list] : overrides) {
        for (icalcomponent* override : list) {
            Single(override, uid + "#" + RecurrenceKey(override));
        }
    }
    return true;
}

void CalendarRecords::Single(icalcomponent* event, const std::string& uid)
{
    const EventTimes times = EventTimes::Of(event);
    if (IsCancelled(event) || !times.start.IsValid()) {
        ++m_summary.leftOut;
        return;
    }
    Appointment appointment = AppointmentEvent::Read(event, times, &m_summary.unmapped);
    appointment.UID = uid;
    Emit(std::move(appointment), uid.find('#') != std::string::npos);
}

std::vector<time_t> CalendarRecords::Occurrences(icalcomponent* master) const
{
    // libical 3.0 expands RDATE values with a TZID as if they were UTC, so they are taken out
    // of its expansion and added here with their zone; EXDATE still applies to them.
    std::vector<icalproperty*> dates;
    for (icalproperty* p = icalcomponent_get_first_property(master, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(master, ICAL_RDATE_PROPERTY)) {
        dates.push_back(p);
    }
    for (icalproperty* p : dates) {
        icalcomponent_remove_property(master, p);
    }
    Collected collected{{}, icaltime_as_timet(m_from), icaltime_as_timet(m_to)};
    ExpandRules(master, collected);
    icaltimetype start = icalcomponent_get_dtstart(master);
    for (icalproperty* p : dates) {
        icalcomponent_add_property(master, p);
        icaltimetype date = icalproperty_get_datetime_with_component(p, master);
        if (!icaltime_is_null_time(date) &&
            !icalproperty_recurrence_is_excluded(master, &start, &date)) {
            icaltime_span span{InstantOrWall(date), 0, 0};
            Collect(master, &span, &collected);
        }
    }
    std::sort(collected.starts.begin(), collected.starts.end());
    collected.starts.erase(std::unique(collected.starts.begin(), collected.starts.end()),
                           collected.starts.end());
    return collected.starts;
}

void CalendarRecords::ExpandRules(icalcomponent* master, Collected& collected) const
{
    if (!IsFineGrained(master)) {
        icalcomponent_foreach_recurrence(master, m_from, m_to, Collect, &collected);
        return;
    }
    const time_t from = collected.from, end = collected.to;
    for (time_t day = from; day < end && collected.starts.size() < kMaxOccurrences; day += kDay) {
        collected.from = day;
        collected.to = std::min(day + kDay, end);
        icalcomponent_foreach_recurrence(
            master, icaltime_from_timet_with_zone(day, 0, icaltimezone_get_utc_timezone()),
            icaltime_from_timet_with_zone(collected.to, 0, icaltimezone_get_utc_timezone()),
            Collect, &collected);
    }
    collected.from = from;
    collected.to = end;
}

void CalendarRecords::Series(icalcomponent* master, std::vector<icalcomponent*>& overrides)
{
    const EventTimes base = EventTimes::Of(master);
    if (IsCancelled(master) || !base.start.IsValid()) {
        ++m_summary.leftOut;
        return;
    }
    ++m_summary.series;
    const bool wall = IcalTime::IsWallClock(icalcomponent_get_dtstart(master));
    std::map<std::string, icalcomponent*> byKey;
    for (icalcomponent* override : overrides) {
        byKey.emplace(RecurrenceKey(override), override);
    }
    overrides.clear();
    const std::string uid = UidOf(master);
    PropertyTally* unmapped = &m_summary.unmapped;  // the series' properties count once
    for (const time_t start : Occurrences(master)) {
        const std::string key = OccurrenceKey(start, wall, base.allDay);
        if (const auto it = byKey.find(key); it != byKey.end()) {
            Single(it->second, uid + "#" + key);
            byKey.erase(it);
            continue;
        }
        EventTimes times = base;
        times.start = wall ? IcalTime::FromWallClock(start) : IcalTime::FromInstant(start);
        times.end = times.start + (base.end - base.start);
        Appointment appointment = AppointmentEvent::Read(master, times, unmapped);
        unmapped = nullptr;
        appointment.UID = uid + "#" + key;
        Emit(std::move(appointment), true);
    }
    // Instances moved here from outside the expansion.
    for (const auto& [key, override] : byKey) {
        if (m_window.Contains(EventTimes::Of(override).start)) {
            Single(override, uid + "#" + key);
        }
    }
}

void CalendarRecords::Emit(Appointment&& appointment, bool fromSeries)
{
    if (appointment.Description.empty() || !IcalTime::IsStorable(appointment.StartTime) ||
        !IcalTime::IsStorable(appointment.EndTime)) {
        ++m_summary.leftOut;
        return;
    }
    if (appointment.Alarm && !IcalTime::IsStorable(appointment.AlarmTime)) {
        appointment.Alarm = false;
        appointment.AlarmTime = appointment.StartTime;
    }
    if (fromSeries) {
        ++m_summary.seriesAppointments;
    }
    m_onAppointment(std::move(appointment));
}

}  // namespace orvane::interop

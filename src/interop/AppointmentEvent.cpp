#include "interop/AppointmentEvent.h"

#include <strings.h>

#include <cmath>
#include <cstdio>

#include "interop/IcalProperties.h"
#include "interop/IcalTime.h"
#include "platform/TextDecoding.h"

namespace orvane::interop {

namespace {

constexpr const char* kDayName = "X-ORVANE-DAY";
constexpr const char* kDoneName = "X-ORVANE-DONE";

PimDateTime LastMinute(const PimDateTime& day)
{
    return day.DateOnly() + PimTimeSpan(0, 23, 59, 0);
}

bool IsAllDay(const Appointment& a)
{
    SystemTime s, e;
    return a.StartTime.GetAsSystemTime(s) && a.EndTime.GetAsSystemTime(e) && s.hour == 0 &&
           s.minute == 0 && s.second == 0 && e.hour == 23 && e.minute == 59 &&
           a.EndTime >= a.StartTime;
}

std::string DayText(const PimDateTime& day)
{
    SystemTime st;
    if (!day.GetAsSystemTime(st)) {
        return {};
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04u%02u%02u", st.year, st.month, st.day);
    return text;
}

PimDateTime DayFromText(const std::string& text)
{
    unsigned year = 0, month = 0, day = 0;
    PimDateTime value;
    if (text.size() == 8 && std::sscanf(text.c_str(), "%4u%2u%2u", &year, &month, &day) == 3) {
        value.SetDateTime(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), 0,
                          0, 0);
    }
    return value;
}

// The first alarm that shows or sounds; e-mail and procedure alarms have no place here.
icalcomponent* ShownAlarm(icalcomponent* event)
{
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
         alarm; alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        const icalproperty_action kind =
            action ? icalproperty_get_action(action) : ICAL_ACTION_NONE;
        if (kind == ICAL_ACTION_DISPLAY || kind == ICAL_ACTION_AUDIO) {
            return alarm;
        }
    }
    return nullptr;
}

PimDateTime AlarmTimeOf(icalcomponent* alarm, const EventTimes& times)
{
    icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!trigger) {
        return PimDateTime();
    }
    const icaltriggertype value = icalproperty_get_trigger(trigger);
    if (!icaltime_is_null_time(value.time)) {
        return IcalTime::ToLocal(value.time);
    }
    icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
    const bool fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
    const int seconds = icaldurationtype_as_int(value.duration);
    return (fromEnd ? times.end : times.start) + PimTimeSpan(seconds / 86400.0);
}

icalproperty* TimeProperty(icalproperty_kind kind, const PimDateTime& local,
                           const std::string& zone)
{
    const icaltimetype time =
        zone.empty() ? IcalTime::UtcFromLocal(local) : IcalTime::WallClock(local);
    icalproperty* p = kind == ICAL_DTSTART_PROPERTY ? icalproperty_new_dtstart(time)
                                                    : icalproperty_new_dtend(time);
    if (!zone.empty()) {
        icalproperty_add_parameter(p, icalparameter_new_tzid(zone.c_str()));
    }
    return p;
}

void SetTimes(icalcomponent* event, const Appointment& a, const std::string& zone)
{
    icalproperty *start = nullptr, *end = nullptr;
    if (IsAllDay(a)) {
        start = icalproperty_new_dtstart(IcalTime::DateFromLocal(a.StartTime));
        end = icalproperty_new_dtend(IcalTime::DateFromLocal(a.EndTime + PimTimeSpan(1.0)));
    } else {
        start = TimeProperty(ICAL_DTSTART_PROPERTY, a.StartTime, zone);
        end = TimeProperty(ICAL_DTEND_PROPERTY, a.EndTime, zone);
    }
    IcalProperties::Replace(event, ICAL_DTSTART_PROPERTY, start);
    IcalProperties::Replace(event, ICAL_DTEND_PROPERTY, end);
    IcalProperties::Replace(event, ICAL_DURATION_PROPERTY, nullptr);
}

icalproperty* Trigger(const Appointment& a)
{
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    const double seconds = (a.AlarmTime - a.StartTime).Days() * 86400.0;
    trigger.duration = icaldurationtype_from_int(static_cast<int>(std::lround(seconds)));
    return icalproperty_new_trigger(trigger);
}

void SetAlarm(icalcomponent* event, const Appointment& a)
{
    icalcomponent* alarm = ShownAlarm(event);
    if (!a.Alarm) {
        if (alarm) {
            icalcomponent_remove_component(event, alarm);
            icalcomponent_free(alarm);
        }
        return;
    }
    if (!alarm) {
        alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(
            alarm, icalproperty_new_description(TextDecoding::ToUtf8(a.Description).c_str()));
        icalcomponent_add_component(event, alarm);
    }
    IcalProperties::Replace(alarm, ICAL_TRIGGER_PROPERTY, Trigger(a));
}

std::string DayMark(const Appointment& a)
{
    return a.DueDate == a.StartTime.DateOnly() ? std::string() : DayText(a.DueDate);
}

}  // namespace

EventTimes EventTimes::Of(icalcomponent* event)
{
    EventTimes times;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start)) {
        return times;
    }
    const icaltimetype end = icalcomponent_get_dtend(event);
    times.allDay = start.is_date;
    times.start = IcalTime::ToLocal(start);
    if (times.allDay) {
        long days = 1;
        if (!icaltime_is_null_time(end) && end.is_date) {
            days = std::max(
                1L, static_cast<long>((icaltime_as_timet(end) - icaltime_as_timet(start)) / 86400));
        }
        times.end = LastMinute(times.start + PimTimeSpan(static_cast<double>(days - 1)));
        return times;
    }
    times.end = icaltime_is_null_time(end) ? times.start : IcalTime::ToLocal(end);
    if (times.end < times.start) {
        times.end = times.start;
    }
    return times;
}

Appointment AppointmentEvent::Read(icalcomponent* event, const EventTimes& times,
                                   PropertyTally* unmapped)
{
    Appointment a;
    a.Description = TextDecoding::ToUtf8(IcalProperties::Title(event));
    a.StartTime = IcalTime::WholeSeconds(times.start);
    a.EndTime = IcalTime::WholeSeconds(times.end);
    a.DueDate = times.start.DateOnly();
    if (const PimDateTime day = DayFromText(IcalProperties::XValue(event, kDayName));
        day.IsValid()) {
        a.DueDate = day;
    }
    a.Done = strcasecmp(IcalProperties::XValue(event, kDoneName).c_str(), "TRUE") == 0;
    a.AlarmTime = a.StartTime;
    icalcomponent* alarm = ShownAlarm(event);
    if (alarm) {
        if (const PimDateTime at = AlarmTimeOf(alarm, times); at.IsValid()) {
            a.Alarm = true;
            a.AlarmTime = IcalTime::WholeSeconds(at);
        }
    }
    a.UID = IcalProperties::Uid(event);
    IcalProperties::CountOthers(
        event,
        {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY, ICAL_RRULE_PROPERTY,
         ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY, ICAL_RECURRENCEID_PROPERTY},
        unmapped, alarm);
    return a;
}

icalcomponent* AppointmentEvent::Make(const Appointment& a, const std::string& zone)
{
    icalcomponent* event = icalcomponent_new_vevent();
    if (!a.UID.empty()) {
        icalcomponent_add_property(event, icalproperty_new_uid(a.UID.c_str()));
    }
    icalcomponent_add_property(event, IcalProperties::Stamp());
    icalcomponent_add_property(
        event, icalproperty_new_summary(TextDecoding::ToUtf8(a.Description).c_str()));
    SetTimes(event, a, zone);
    IcalProperties::SetX(event, kDayName, DayMark(a));
    IcalProperties::SetX(event, kDoneName, a.Done ? "TRUE" : "");
    SetAlarm(event, a);
    return event;
}

void AppointmentEvent::Update(icalcomponent* event, const Appointment& a, const std::string& zone)
{
    const Appointment old = Read(event, EventTimes::Of(event), nullptr);
    if (old.Description != a.Description) {
        IcalProperties::Replace(
            event, ICAL_SUMMARY_PROPERTY,
            icalproperty_new_summary(TextDecoding::ToUtf8(a.Description).c_str()));
    }
    if (old.StartTime != a.StartTime || old.EndTime != a.EndTime) {
        SetTimes(event, a, zone);
    }
    if (old.Alarm != a.Alarm || (a.Alarm && old.AlarmTime != a.AlarmTime)) {
        SetAlarm(event, a);
    }
    if (old.DueDate != a.DueDate) {
        IcalProperties::SetX(event, kDayName, DayMark(a));
    }
    if (old.Done != a.Done) {
        IcalProperties::SetX(event, kDoneName, a.Done ? "TRUE" : "");
    }
    if (old.UID != a.UID) {
        icalcomponent_set_uid(event, a.UID.c_str());
    }
}

}  // namespace orvane::interop

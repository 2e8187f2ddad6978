#include "rules/editors/AppointmentEditorModel.h"

#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

constexpr int kQuarter = 15;

PimDateTime MovedTo(const PimDateTime& time, int year, int month, int day)
{
    PimDateTime moved;
    moved.SetDateTime(year, month, day, time.GetHour(), time.GetMinute(), 0);
    return moved;
}

}  // namespace

AppointmentEditorModel AppointmentEditorModel::ForNew(const PimDateTime& selectedDay,
                                                      const PimDateTime& now)
{
    Appointment values;
    values.DueDate = selectedDay.DateOnly();
    values.StartTime = DefaultStart(now, values.DueDate);
    values.EndTime = values.StartTime + PimTimeSpan::Minutes(kQuarter);
    values.AlarmTime = values.StartTime;
    AppointmentEditorModel model;
    model.Open("Add Appointment", values);
    return model;
}

AppointmentEditorModel AppointmentEditorModel::ForStored(const Appointment& appointment)
{
    AppointmentEditorModel model;
    model.Open("Edit Appointment", appointment);
    return model;
}

void AppointmentEditorModel::Open(const std::string& title, const Appointment& values)
{
    m_title = title;
    m_text = values.Description;
    m_alarm = values.Alarm;
    m_alarmChecked = values.Alarm;
    m_date = values.DueDate;
    m_start = values.StartTime;
    m_end = values.EndTime;
    m_alarmTime = values.AlarmTime;
    m_leadMinutes = LeadMinutesFor(m_alarmTime, m_start);
    m_year = m_start.GetYear();
    m_month = m_start.GetMonth();
    m_day = m_start.GetDay();
}

PimDateTime AppointmentEditorModel::DefaultStart(const PimDateTime& now, const PimDateTime& day)
{
    const int minute = now.GetMinute() / kQuarter * kQuarter;
    const int hour = (now + PimTimeSpan::Minutes(minute)).GetHour();
    PimDateTime start;
    start.SetDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, 0);
    return start;
}

int AppointmentEditorModel::LeadMinutesFor(const PimDateTime& alarmTime, const PimDateTime& start)
{
    if (!alarmTime.IsValid() || !start.IsValid()) {
        return 0;
    }
    // Whole seconds first, so that 15 minutes stored as a fraction of a day stays 15.
    const double seconds = std::round(std::fabs((start - alarmTime).Days()) * 86400.0);
    if (seconds >= (kLeadMax + 1) * 60.0) {
        return 0;  // also keeps huge spans away from the integer conversion
    }
    int minutes = static_cast<int>(seconds) / 60;
    if (minutes % kLeadStep != 0) {
        minutes += kLeadStep - minutes % kLeadStep;
    }
    return minutes > kLeadMax ? 0 : minutes;
}

int AppointmentEditorModel::StepLead(int minutes, bool up)
{
    if (up) {
        return minutes >= kLeadMax ? 0 : minutes + kLeadStep;
    }
    return minutes <= 0 ? kLeadMax : minutes - kLeadStep;
}

int AppointmentEditorModel::ArrowPosition(const PimDateTime& time)
{
    return time.GetHour() * 4 + time.GetMinute() / kQuarter;
}

PimDateTime AppointmentEditorModel::OnDay(int hour, int minute) const
{
    PimDateTime time;
    time.SetDateTime(m_year, m_month, m_day, hour, minute, 0);
    return time;
}

void AppointmentEditorModel::PickDay(int year, int month, int day)
{
    PimDateTime picked;
    if (!picked.SetDateTime(year, month, day, 0, 0, 0)) {
        return;
    }
    m_date = picked;
    m_year = year;
    m_month = month;
    m_day = day;
    m_start = MovedTo(m_start, year, month, day);
    m_end = MovedTo(m_end, year, month, day);
    m_alarmTime = MovedTo(m_alarmTime, year, month, day);
}

void AppointmentEditorModel::StepQuarter(int& hour, int& minute, bool up)
{
    minute += up ? kQuarter : -kQuarter;
    if (minute < 0) {
        minute = 45;
        --hour;
    } else if (minute > 45) {
        minute = 0;
        ++hour;
    }
}

void AppointmentEditorModel::StepBegin(bool up)
{
    int h = m_start.GetHour();
    int m = m_start.GetMinute();
    if (!up && h == 5 && m == 0) {
        h = 22;
        m = 45;
    } else if (up && h == 22 && m == 45) {
        h = 5;
        m = 0;
    } else {
        StepQuarter(h, m, up);
    }
    const PimDateTime start = OnDay(h, m);
    if (!start.IsValid()) {
        return;  // past either end of the day
    }
    m_start = start;
    if (m_start >= m_end) {
        m_end = m_start + PimTimeSpan::Minutes(kQuarter);
    }
}

void AppointmentEditorModel::StepEnd(bool up)
{
    int h = m_end.GetHour();
    int m = m_end.GetMinute();
    if (!up && h == 5 && m == 15) {
        h = 23;
        m = 0;
    } else if (up && h == 23) {
        h = 5;
        m = 15;
    } else {
        StepQuarter(h, m, up);
    }
    const PimDateTime end = OnDay(h, m);
    if (!end.IsValid()) {
        return;
    }
    m_end = end;
    if (m_end <= m_start) {
        m_start = m_end - PimTimeSpan::Minutes(kQuarter);
    }
}

void AppointmentEditorModel::Accept(const std::string& leadText)
{
    m_leadMinutes = std::atoi(leadText.c_str());
    if (m_alarmChecked) {
        m_alarm = true;
        m_alarmTime = m_start - PimTimeSpan::Minutes(m_leadMinutes);
    } else {
        m_alarm = false;
    }
}

void AppointmentEditorModel::ApplyTo(Appointment& appointment) const
{
    appointment.Description = m_text;
    appointment.DueDate = m_date;
    appointment.StartTime = m_start;
    appointment.EndTime = m_end;
    appointment.Alarm = m_alarm;
    appointment.AlarmTime = m_alarmTime;
    appointment.Done = false;
}

}  // namespace orvane

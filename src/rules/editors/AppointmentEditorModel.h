#pragma once

#include <string>

#include "data/Appointment.h"
#include "data/PimDateTime.h"

namespace orvane {

// The values the appointment editor works on and its rules: the begin and end arrows,
// the lead minutes, the date picker and the alarm time set on OK.
class AppointmentEditorModel {
public:
    static constexpr int kArrowMin = 20;  // 05:00
    static constexpr int kArrowMax = 92;  // 23:00
    static constexpr int kLeadMax = 60;
    static constexpr int kLeadStep = 5;
    static constexpr const char* kTimePicture = "%I:%M %p";

    // "Add Appointment" on the selected day, starting at the proposed time for now.
    static AppointmentEditorModel ForNew(const PimDateTime& selectedDay, const PimDateTime& now);
    // "Edit Appointment" on the stored values.
    static AppointmentEditorModel ForStored(const Appointment& appointment);

    // A quarter-hour start on the given day: the current minute rounded down to 15, the
    // hour of the current time advanced by that many minutes.
    static PimDateTime DefaultStart(const PimDateTime& now, const PimDateTime& day);
    // The lead minutes an alarm time shows as: whole minutes before the start, raised to a
    // multiple of 5, 0 when outside 0-60.
    static int LeadMinutesFor(const PimDateTime& alarmTime, const PimDateTime& start);
    // One arrow step of the lead minutes, wrapping round at 0 and 60.
    static int StepLead(int minutes, bool up);
    // Position of a time's arrows: hour * 4 + minute / 15.
    static int ArrowPosition(const PimDateTime& time);

    const std::string& Title() const { return m_title; }
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    bool Alarm() const { return m_alarm; }
    bool AlarmChecked() const { return m_alarmChecked; }
    void SetAlarmChecked(bool checked) { m_alarmChecked = checked; }
    int LeadMinutes() const { return m_leadMinutes; }
    void SetLeadMinutes(int minutes) { m_leadMinutes = minutes; }
    const PimDateTime& Date() const { return m_date; }
    const PimDateTime& Start() const { return m_start; }
    const PimDateTime& End() const { return m_end; }
    const PimDateTime& AlarmTime() const { return m_alarmTime; }

    bool CanAccept() const { return !m_text.empty(); }
    std::string StartText() const { return m_start.Format(kTimePicture); }
    std::string EndText() const { return m_end.Format(kTimePicture); }

    // The date picker chose a day: the times move to it, keeping hour and minute.
    void PickDay(int year, int month, int day);
    // One step of the begin or end arrows; the other time is pushed when they would cross.
    void StepBegin(bool up);
    void StepEnd(bool up);
    void StepLead(bool up) { m_leadMinutes = StepLead(m_leadMinutes, up); }
    // OK with the lead edit's text: sets the alarm from the start when the box is checked.
    void Accept(const std::string& leadText);
    // Writes the editor's values into an appointment; Done is cleared, ID stays.
    void ApplyTo(Appointment& appointment) const;

private:
    // A quarter of an hour up or down, carrying into the hour.
    static void StepQuarter(int& hour, int& minute, bool up);
    void Open(const std::string& title, const Appointment& values);
    PimDateTime OnDay(int hour, int minute) const;

    std::string m_title;
    std::string m_text;
    bool m_alarm = false;
    bool m_alarmChecked = false;
    int m_leadMinutes = 0;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    PimDateTime m_date;
    PimDateTime m_start;
    PimDateTime m_end;
    PimDateTime m_alarmTime;
};

}  // namespace orvane

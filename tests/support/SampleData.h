#pragma once

#include "data/PimDatabase.h"
#include "data/PimDateTime.h"

namespace orvane::test {

// A small phone book, to-do list and appointment book around a given day.
inline PimDateTime Day(int year, int month, int day, int hour = 0, int minute = 0)
{
    PimDateTime value;
    value.SetDateTime(year, month, day, hour, minute, 0);
    return value;
}

inline Person MakePerson(const char* first, const char* last, const char* company, bool white,
                         bool yellow)
{
    Person p;
    p.FName = first;
    p.LName = last;
    p.Company = company;
    p.RName = p.GetDisplayName();
    p.WhitePages = white ? 1 : 0;
    p.YellowPages = yellow ? 1 : 0;
    return p;
}

inline Task MakeTask(const char* text, const PimDateTime& due, int priority = kPriorityHigh)
{
    Task t;
    t.Description = text;
    t.DueDate = due;
    t.Priority = priority;
    return t;
}

inline Appointment MakeAppointment(const char* text, const PimDateTime& day, int hour, int minute,
                                   bool alarm = false)
{
    Appointment a;
    a.Description = text;
    a.DueDate = day;
    a.StartTime = Day(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute);
    a.EndTime = Day(day.GetYear(), day.GetMonth(), day.GetDay(), hour + 1, minute);
    a.Alarm = alarm;
    a.AlarmTime = a.StartTime;
    return a;
}

}  // namespace orvane::test

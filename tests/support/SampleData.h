#pragma once

#include <gtest/gtest.h>

#include <string>

#include "data/PimDatabase.h"
#include "data/PimDateTime.h"

namespace orvane::test {

// Records with the fields most tests care about; the rest keep their defaults.
inline PimDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    PimDateTime value;
    EXPECT_TRUE(value.SetDateTime(year, month, day, hour, minute, second))
        << year << "-" << month << "-" << day;
    return value;
}

// Unchecked: an end hour of 24 gives an invalid time, which a test may then replace.
inline PimDateTime Day(int year, int month, int day, int hour = 0, int minute = 0)
{
    PimDateTime value;
    value.SetDateTime(year, month, day, hour, minute, 0);
    return value;
}

// By default listed in the White Pages only, with the display name the editor gives.
inline Person MakePerson(const std::string& first, const std::string& last,
                         const std::string& company = "", bool white = true, bool yellow = false)
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

inline Task MakeTask(const std::string& text, const PimDateTime& due = PimDateTime::Now(),
                     int32_t priority = kPriorityHigh)
{
    Task t;
    t.Description = text;
    t.DueDate = due;
    t.Priority = priority;
    return t;
}

inline Appointment MakeAppointment(const std::string& text, const PimDateTime& start,
                                   const PimDateTime& end)
{
    Appointment a;
    a.Description = text;
    a.DueDate = start.DateOnly();
    a.StartTime = start;
    a.EndTime = end;
    return a;
}

// An hour from the given time of the day.
inline Appointment MakeAppointment(const std::string& text, const PimDateTime& day, int hour,
                                   int minute, bool alarm = false)
{
    const auto at = [&](int h) {
        return Day(day.GetYear(), day.GetMonth(), day.GetDay(), h, minute);
    };
    Appointment a = MakeAppointment(text, at(hour), at(hour + 1));
    a.DueDate = day;
    a.Alarm = alarm;
    a.AlarmTime = a.StartTime;
    return a;
}

}  // namespace orvane::test

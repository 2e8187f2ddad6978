#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/PimTimeSpan.h"
#include "platform/LocaleFormat.h"
#include "platform/SystemTime.h"

namespace orvane {

// A local date and time of day in the OLE Automation encoding: days since
// 30 December 1899, the time of day as the fraction. Before the epoch the integer part is
// negative and the fraction still counts forward from the start of the day
// (-1.25 is 29 December 1899, 06:00).
class PimDateTime {
public:
    static constexpr double kMinValue = -657434.0;  // 1 January 100
    static constexpr double kMaxValue = 2958465.0;  // 31 December 9999
    static constexpr double kInvalidValue = -657435.0;
    static constexpr int kBadComponent = -2147483647 - 1;

    PimDateTime() = default;
    explicit PimDateTime(const SystemTime& time);

    static PimDateTime FromValue(double value);
    // Seconds since 1970 UTC as the local time they stand for; invalid for negative values.
    static PimDateTime FromTimeValue(int32_t timeValue);
    static PimDateTime Now();
    // Local midnight of the current day.
    static PimDateTime Today();

    // Components as unsigned 16-bit numbers; an impossible date or time leaves the value
    // invalid. Returns whether the result is valid.
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);

    double Value() const { return m_value; }
    bool IsValid() const { return m_value >= kMinValue && m_value <= kMaxValue; }
    // The same day at 00:00 (invalid stays invalid).
    PimDateTime DateOnly() const;

    // Local seconds since 1970; -1 when invalid or not a 32-bit value of 1970 or later.
    int32_t ToTimeValue() const;
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // The components exactly as encoded; all zero (and false) when invalid.
    bool GetAsSystemTime(SystemTime& out) const;

    std::string FormatDate(const LocaleFormat& locale, DateStyle style,
                           std::string_view picture = {}) const;
    std::string FormatTime(const LocaleFormat& locale, TimeStyle style,
                           std::string_view picture = {}) const;
    // strftime() in the C locale with the components (up to 4095 bytes).
    std::string Format(const char* picture) const;

    // Days before the epoch are mirrored so that the order follows the calendar.
    bool operator<(const PimDateTime& other) const { return Linear() < other.Linear(); }
    bool operator>(const PimDateTime& other) const { return Linear() > other.Linear(); }
    bool operator<=(const PimDateTime& other) const { return Linear() <= other.Linear(); }
    bool operator>=(const PimDateTime& other) const { return Linear() >= other.Linear(); }
    bool operator==(const PimDateTime& other) const { return m_value == other.m_value; }
    bool operator!=(const PimDateTime& other) const { return m_value != other.m_value; }

    PimDateTime operator+(const PimTimeSpan& span) const;
    PimDateTime operator-(const PimTimeSpan& span) const;
    PimTimeSpan operator-(const PimDateTime& other) const;

private:
    explicit PimDateTime(double value) : m_value(value) {}
    double Linear() const;
    static double FromLinear(double linear);
    bool Normalised(SystemTime& out) const;

    double m_value = kInvalidValue;
};

}  // namespace orvane

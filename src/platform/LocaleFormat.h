#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/SystemTime.h"

namespace orvane {

enum class DateStyle { Short, Long };
enum class TimeStyle { WithSeconds, NoSeconds };

// The user's date and time conventions: formatting of dates and times, with or without
// a picture, and parsing of typed or imported date and time texts.
class LocaleFormat {
public:
    virtual ~LocaleFormat() = default;

    // A date in the given style, or by the picture when one is given
    // (d dd ddd dddd M MM MMM MMMM y yy yyyy, 'quoted text').
    virtual std::string FormatDate(const SystemTime& time, DateStyle style,
                                   std::string_view picture = {}) const = 0;
    // A time of day in the given style, or by the picture when one is given
    // (h hh H HH m mm s ss t tt, 'quoted text').
    virtual std::string FormatTime(const SystemTime& time, TimeStyle style,
                                   std::string_view picture = {}) const = 0;

    // The date a text names (year, month, day; the time of day is dropped).
    // A text holding only a time names 30 December 1899.
    virtual std::optional<SystemTime> ParseDate(std::string_view text) const = 0;
    // The time of day a text names (hour, minute, second; the date is dropped).
    // A text holding only a date names 00:00:00.
    virtual std::optional<SystemTime> ParseTime(std::string_view text) const = 0;

    // The conventions the program formats with: the desktop's in the window, fixed
    // United States conventions in the command line and in tests.
    static const LocaleFormat& UserDefault();
    // Installs the user's conventions (not owned); nullptr goes back to the fixed ones.
    static void SetUserDefault(const LocaleFormat* locale);
};

}  // namespace orvane

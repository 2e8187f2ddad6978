#pragma once

#include <optional>
#include <string_view>

#include "platform/LocaleNames.h"

namespace orvane {

// Reads a date, a time of day, or both from free text the way a user or a spreadsheet
// writes them: "12/25/2026", "2026-12-25", "Dec 25, 2026", "25 December 2026",
// "10:07", "10:07:30 PM", "10 am", "12/25/2026 9:05 AM". Numeric dates follow the order
// of the locale's short date picture, falling back to the other day-month order when
// that gives no real date. Two-digit years up to 29 are 20xx, from 30 19xx.
class DateTextParser {
public:
    struct Result {
        bool hasDate = false;
        int year = 0;
        int month = 0;
        int day = 0;
        bool hasTime = false;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    // currentYear fills a date written without a year.
    static std::optional<Result> Parse(std::string_view text, const LocaleNames& names,
                                       int currentYear);
};

}  // namespace orvane

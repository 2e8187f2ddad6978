#pragma once

#include <array>
#include <string>

namespace orvane {

// What a locale calls things and how it arranges dates and times, as pictures in the
// notation of LocaleFormat.
struct LocaleNames {
    std::array<std::string, 12> months;
    std::array<std::string, 12> monthsShort;
    std::array<std::string, 7> days;  // Sunday first
    std::array<std::string, 7> daysShort;
    std::string am;
    std::string pm;
    std::string shortDate;
    std::string longDate;
    std::string timeWithSeconds;
    std::string timeNoSeconds;

    static LocaleNames UnitedStates();
};

}  // namespace orvane

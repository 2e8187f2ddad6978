#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "data/PimDateTime.h"

namespace orvane {

// How imported texts become field values. Dates and times are read with the user's
// conventions (LocaleFormat::UserDefault()).
class ImportValueRules {
public:
    // The day the text names, at midnight; nothing when it names no day within range.
    static std::optional<PimDateTime> ParseDay(std::string_view text);
    // Minutes after midnight of the time of day the text names (seconds dropped).
    static std::optional<int> ParseMinuteOfDay(std::string_view text);

    // Appointment limits move to a quarter hour: a start 1-7 minutes past one goes back,
    // 8-14 forward; an end 1-6 back, 7-14 forward. The result may be 1440 (next midnight).
    static int SnapStart(int minuteOfDay);
    static int SnapEnd(int minuteOfDay);
    // Alarm lead times move to the nearest multiple of five (positive values).
    static int SnapAlarmLead(int32_t minutes);

    // The day (taken at midnight) plus a number of minutes, which may leave the day in
    // either direction; nothing when the result is out of range.
    static std::optional<PimDateTime> AtMinute(const PimDateTime& day, int64_t minutes);

    // A priority code 0-3 read like atoi(); anything else is 0.
    static int32_t Priority(std::string_view text);
    // Listing flags: "1", "true", "yes" in any letter case.
    static bool ListingFlag(std::string_view text);
    // The alarm flag: "true", "t", "yes", "1" in any letter case.
    static bool AlarmFlag(std::string_view text);
};

}  // namespace orvane

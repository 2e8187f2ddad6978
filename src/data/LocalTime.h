#pragma once

#include <cstdint>
#include <optional>

#include "platform/SystemTime.h"

namespace orvane {

// The C library's view of local time (TZ), restricted to the 32-bit time values that
// the database file holds: 0 ... 2147483647 seconds since 1970 UTC.
class LocalTime {
public:
    // localtime(): nothing for negative values.
    static std::optional<SystemTime> FromTimeValue(int32_t timeValue);
    // mktime() with daylight saving left to the library: -1 when the result is not a
    // 32-bit time value of 1970 or later.
    static int32_t ToTimeValue(const SystemTime& local);
    // The components after mktime() has normalised them (a time inside a daylight-saving
    // gap moves forward); unchanged when mktime() cannot represent them.
    static SystemTime Normalise(const SystemTime& local);
};

}  // namespace orvane

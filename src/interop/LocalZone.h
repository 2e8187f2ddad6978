#pragma once

#include <string>

typedef struct _icaltimezone icaltimezone;

namespace orvane::interop {

// The zone of local time (TZ, else /etc/localtime, else /etc/timezone) as libical knows it,
// so that exported times carry the zone other programs need to place them.
class LocalZone {
public:
    // "America/New_York"; empty when the zone has no name libical knows or is UTC.
    static std::string Name();
    // libical's zone of that name; null when Name() is empty.
    static icaltimezone* Zone();
};

}  // namespace orvane::interop

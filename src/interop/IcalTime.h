#pragma once

#include <libical/ical.h>

#include <ctime>
#include <string>

#include "data/PimDateTime.h"

namespace orvane::interop {

// Between iCalendar times and the program's local times (the C library's TZ).
class IcalTime {
public:
    // A TZID or UTC value as the local time of the same instant; a floating or date value as
    // written.
    static PimDateTime ToLocal(const icaltimetype& time);
    // An instant (seconds since 1970 UTC) as local time.
    static PimDateTime FromInstant(time_t instant);
    // Seconds since 1970 read as a wall-clock time (what libical gives for floating and date
    // values).
    static PimDateTime FromWallClock(time_t wall);
    // Floating and date values have no instant: they are read as wall-clock times.
    static bool IsWallClock(const icaltimetype& time);

    // The local time's components as a floating value (a TZID parameter may name its zone).
    static icaltimetype WallClock(const PimDateTime& local);
    static icaltimetype DateFromLocal(const PimDateTime& local);
    // The instant of a local time, in UTC.
    static icaltimetype UtcFromLocal(const PimDateTime& local);

    // The same time rebuilt from its components: arithmetic on days leaves fractions that a
    // value read from the database file, whole seconds, does not have.
    static PimDateTime WholeSeconds(const PimDateTime& time);

    // The program stores 32-bit time values: 1970 to January 2038.
    static bool IsStorable(const PimDateTime& local);
};

}  // namespace orvane::interop

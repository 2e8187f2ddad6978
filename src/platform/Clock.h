#pragma once

#include "platform/SystemTime.h"

namespace orvane {

// Source of the current local time. The program uses the system clock; tests and the
// command line's --now install a settable one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual SystemTime LocalNow() const = 0;

    // The clock every "now" and "today" of the program reads.
    static const Clock& Current();
    // Installs a clock (not owned); nullptr goes back to the system clock.
    static void SetCurrent(const Clock* clock);
};

}  // namespace orvane

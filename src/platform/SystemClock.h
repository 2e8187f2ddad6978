#pragma once

#include "platform/Clock.h"

namespace orvane {

// The machine's local time, from the C library.
class SystemClock : public Clock {
public:
    SystemTime LocalNow() const override;
};

}  // namespace orvane

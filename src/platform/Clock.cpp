#include "platform/Clock.h"

#include "platform/SystemClock.h"

namespace orvane {

namespace {
const Clock* g_current = nullptr;
}

const Clock& Clock::Current()
{
    static const SystemClock systemClock;
    return g_current ? *g_current : systemClock;
}

void Clock::SetCurrent(const Clock* clock)
{
    g_current = clock;
}

}  // namespace orvane

#include "platform/SystemClock.h"

#include <ctime>

namespace orvane {

SystemTime SystemClock::LocalNow() const
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    SystemTime st;
    st.year = static_cast<uint16_t>(local.tm_year + 1900);
    st.month = static_cast<uint16_t>(local.tm_mon + 1);
    st.dayOfWeek = static_cast<uint16_t>(local.tm_wday);
    st.day = static_cast<uint16_t>(local.tm_mday);
    st.hour = static_cast<uint16_t>(local.tm_hour);
    st.minute = static_cast<uint16_t>(local.tm_min);
    // A leap second reads as the last ordinary second.
    st.second = static_cast<uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
    st.milliseconds = static_cast<uint16_t>(now.tv_nsec / 1000000);
    return st;
}

}  // namespace orvane

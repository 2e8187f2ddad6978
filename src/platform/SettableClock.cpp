#include "platform/SettableClock.h"

namespace orvane {

SettableClock::SettableClock(int year, int month, int day, int hour, int minute, int second)
{
    Set(year, month, day, hour, minute, second);
}

void SettableClock::Set(int year, int month, int day, int hour, int minute, int second)
{
    m_now = SystemTime{};
    m_now.year = static_cast<uint16_t>(year);
    m_now.month = static_cast<uint16_t>(month);
    m_now.day = static_cast<uint16_t>(day);
    m_now.hour = static_cast<uint16_t>(hour);
    m_now.minute = static_cast<uint16_t>(minute);
    m_now.second = static_cast<uint16_t>(second);
}

}  // namespace orvane

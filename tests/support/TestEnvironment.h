#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/SettableClock.h"

namespace orvane::test {

// Runs a test body in another time zone and restores the previous one afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) {
            m_previous = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_previous) {
            setenv("TZ", m_previous->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> m_previous;
};

// Installs a settable clock for the lifetime of the object.
class ScopedClock {
public:
    ScopedClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : m_clock(year, month, day, hour, minute, second)
    {
        Clock::SetCurrent(&m_clock);
    }
    ~ScopedClock() { Clock::SetCurrent(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    SettableClock& Get() { return m_clock; }

private:
    SettableClock m_clock;
};

}  // namespace orvane::test

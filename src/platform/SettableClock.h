#pragma once

#include "platform/Clock.h"

namespace orvane {

// A clock that shows whatever time it was given (tests, orvane-cli --now).
class SettableClock : public Clock {
public:
    SettableClock() = default;
    explicit SettableClock(const SystemTime& now) : m_now(now) {}
    SettableClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    SystemTime LocalNow() const override { return m_now; }
    void Set(const SystemTime& now) { m_now = now; }
    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

private:
    SystemTime m_now;
};

}  // namespace orvane

#pragma once

namespace orvane {

// A signed length of time in days; the fraction is the part of a day.
class PimTimeSpan {
public:
    static constexpr double kMaxMagnitude = 3615897.0;
    static constexpr double kInvalid = -3615898.0;

    constexpr PimTimeSpan() = default;
    constexpr explicit PimTimeSpan(double days) : m_days(days) {}
    constexpr PimTimeSpan(double days, int hours, int minutes, int seconds)
        : m_days(days + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0)
    {}

    static constexpr PimTimeSpan Invalid() { return PimTimeSpan(kInvalid); }
    static constexpr PimTimeSpan Minutes(int minutes) { return PimTimeSpan(0, 0, minutes, 0); }

    constexpr double Days() const { return m_days; }
    constexpr bool IsValid() const { return m_days >= -kMaxMagnitude && m_days <= kMaxMagnitude; }

    constexpr bool operator==(const PimTimeSpan&) const = default;

private:
    double m_days = 0.0;
};

}  // namespace orvane

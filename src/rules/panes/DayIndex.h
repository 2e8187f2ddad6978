#pragma once

#include <cstdint>
#include <vector>

#include "data/PimDateTime.h"

namespace orvane {

class PimDatabase;

// The days on which appointments and tasks are due, kept sorted so that a month or a day
// is found by a binary search instead of a walk over every record. Rebuilt whenever the
// panes refill, which every change of a record ends with.
class DayIndex {
public:
    void Rebuild(const PimDatabase& database);

    // Days of the month (1-31) on which an appointment or a task is due, ascending.
    std::vector<int> BusyDays(int year, int month) const;
    // The appointments due on a day, in ascending ID order.
    std::vector<int32_t> AppointmentsOn(const PimDateTime& day) const;

private:
    // Within a day the tasks come first; only their day counts.
    struct Entry {
        int32_t day;
        bool appointment;
        int32_t id;
        auto operator<=>(const Entry&) const = default;
    };

    std::vector<Entry> m_entries;
};

}  // namespace orvane

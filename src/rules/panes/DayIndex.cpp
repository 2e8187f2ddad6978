#include "rules/panes/DayIndex.h"

#include <algorithm>
#include <climits>

#include "data/PimDatabase.h"

namespace orvane {

namespace {

// A day as the lists compare it: a valid date at 00:00. Whole-day values are integers that
// grow with the calendar, before the epoch too. Anything else is due on no day.
bool DayNumber(const PimDateTime& date, int32_t& number)
{
    if (!date.IsValid() || date != date.DateOnly()) {
        return false;
    }
    number = static_cast<int32_t>(date.Value());
    return true;
}

}  // namespace

void DayIndex::Rebuild(const PimDatabase& database)
{
    m_entries.clear();
    m_entries.reserve(database.Appointments().Count() + database.Tasks().Count());
    int32_t day = 0;
    for (const auto& [id, appointment] : database.Appointments()) {
        if (DayNumber(appointment.DueDate, day)) {
            m_entries.push_back({day, true, id});
        }
    }
    for (const auto& [id, task] : database.Tasks()) {
        if (DayNumber(task.DueDate, day)) {
            m_entries.push_back({day, false, id});
        }
    }
    std::sort(m_entries.begin(), m_entries.end());
}

std::vector<int> DayIndex::BusyDays(int year, int month) const
{
    std::vector<int> days;
    PimDateTime first;
    PimDateTime next;
    int32_t from = 0;
    if (!first.SetDateTime(year, month, 1, 0, 0, 0) || !DayNumber(first, from)) {
        return days;
    }
    int32_t to = from + 31;  // December 9999 has no next month
    const bool december = month == 12;
    if (next.SetDateTime(december ? year + 1 : year, december ? 1 : month + 1, 1, 0, 0, 0)) {
        DayNumber(next, to);
    }
    // One search per busy day, however many records a day holds.
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), Entry{from, false, INT32_MIN});
    while (it != m_entries.end() && it->day < to) {
        days.push_back(it->day - from + 1);
        it = std::upper_bound(it, m_entries.end(), Entry{it->day, true, INT32_MAX});
    }
    return days;
}

std::vector<int32_t> DayIndex::AppointmentsOn(const PimDateTime& date) const
{
    std::vector<int32_t> ids;
    int32_t day = 0;
    if (!DayNumber(date, day)) {
        return ids;
    }
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), Entry{day, true, INT32_MIN});
    for (; it != m_entries.end() && it->day == day; ++it) {
        ids.push_back(it->id);
    }
    return ids;
}

}  // namespace orvane

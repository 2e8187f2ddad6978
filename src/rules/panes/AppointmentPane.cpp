#include "rules/panes/AppointmentPane.h"

#include <algorithm>

#include "data/PimDocument.h"
#include "platform/LocaleFormat.h"
#include "rules/panes/DayRules.h"

namespace orvane {

AppointmentPane::AppointmentPane(PimDocument& document, FormState& state)
    : m_document(document), m_state(state)
{}

void AppointmentPane::Fill(const PimDateTime& selectedDay)
{
    m_day = selectedDay.DateOnly();
    m_rows.clear();
    for (const auto& [id, appointment] : m_document.Database().Appointments()) {
        if (DayRules::AppointmentBelongsToDay(appointment, m_day)) {
            m_rows.push_back(Row{id, appointment.Alarm, appointment.Description,
                                 appointment.StartTime, appointment.EndTime});
        }
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row& a, const Row& b) { return a.start < b.start; });
}

std::string AppointmentPane::TimeRangeText(int row) const
{
    const Row& r = m_rows.at(static_cast<size_t>(row));
    return TimeRange(r.start, r.end);
}

std::string AppointmentPane::TimeRange(const PimDateTime& start, const PimDateTime& end)
{
    const LocaleFormat& locale = LocaleFormat::UserDefault();
    return start.FormatTime(locale, TimeStyle::NoSeconds) + "-" +
           end.FormatTime(locale, TimeStyle::NoSeconds);
}

int32_t AppointmentPane::IdAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) {
        return -1;
    }
    return m_rows[static_cast<size_t>(row)].id;
}

void AppointmentPane::Click(int row)
{
    m_state.activeList = PaneList::Appointments;
    m_state.appointment.id = IdAt(row);
    m_state.appointment.row = m_state.appointment.id == -1 ? -1 : row;
}

bool AppointmentPane::ContextMenu(int row)
{
    m_state.appointment.id = IdAt(row);
    m_state.appointment.row = m_state.appointment.id == -1 ? -1 : row;
    return m_state.appointment.id != -1;
}

bool AppointmentPane::CanDelete() const
{
    return m_state.activeList == PaneList::Appointments && m_state.appointment.id != -1;
}

int32_t AppointmentPane::EditTarget() const
{
    if (m_state.activeList != PaneList::Appointments ||
        m_document.Database().Appointments().Find(m_state.appointment.id) == nullptr) {
        return -1;
    }
    return m_state.appointment.id;
}

bool AppointmentPane::Delete()
{
    if (!CanDelete()) {
        return false;
    }
    // The selection keeps the removed ID, so a second Delete removes nothing.
    m_document.Database().Appointments().Remove(m_state.appointment.id);
    Fill(m_day);
    m_document.SetModified(true, true);
    return true;
}

}  // namespace orvane

#include "rules/panes/TaskPane.h"

#include "data/PimDocument.h"
#include "platform/LocaleFormat.h"
#include "rules/panes/DayRules.h"

namespace orvane {

TaskPane::TaskPane(PimDocument& document, FormState& state) : m_document(document), m_state(state)
{}

void TaskPane::Fill(const PimDateTime& selectedDay)
{
    const PimDateTime today = PimDateTime::Today();
    const PimDateTime day = selectedDay.DateOnly();
    m_rows.clear();
    for (const auto& [id, task] : m_document.Database().Tasks()) {
        if (DayRules::TaskBelongsToDay(task, day, today)) {
            m_rows.push_back(Row{id, task.Priority, task.Description, task.DueDate});
        }
    }
}

std::string TaskPane::DescriptionText(int row) const
{
    return m_rows.at(static_cast<size_t>(row)).description;
}

std::string TaskPane::DueDateText(int row) const
{
    return m_rows.at(static_cast<size_t>(row))
        .dueDate.FormatDate(LocaleFormat::UserDefault(), DateStyle::Short);
}

int32_t TaskPane::IdAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) {
        return -1;
    }
    return m_rows[static_cast<size_t>(row)].id;
}

void TaskPane::Click(int row)
{
    m_state.activeList = PaneList::Tasks;
    m_state.task.row = IdAt(row) == -1 ? -1 : row;
    m_state.task.id = IdAt(row);
}

bool TaskPane::DoubleClick(int row)
{
    Click(row);
    return m_state.task.row != -1 && Complete();
}

bool TaskPane::ContextMenu(int row)
{
    Click(row);
    return m_state.task.row != -1;
}

bool TaskPane::CanComplete() const
{
    return IsActive() && m_state.task.row != -1 && m_state.task.id != -1;
}

bool TaskPane::CanDelete() const
{
    return IsActive() && m_state.task.row != -1;
}

int32_t TaskPane::EditTarget() const
{
    if (!IsActive() || m_document.Database().Tasks().Find(m_state.task.id) == nullptr) {
        return -1;
    }
    return m_state.task.id;
}

bool TaskPane::Complete()
{
    if (!CanComplete() || !m_document.Database().Tasks().CompleteTask(m_state.task.id)) {
        return false;
    }
    const auto row = static_cast<size_t>(m_state.task.row);
    if (row < m_rows.size()) {
        m_rows[row].priority = kPriorityDone;
    }
    m_document.SetModified(true, true);
    return true;
}

bool TaskPane::Delete()
{
    if (!CanDelete()) {
        return false;
    }
    m_document.Database().Tasks().Remove(m_state.task.id);
    const auto row = static_cast<size_t>(m_state.task.row);
    if (row < m_rows.size()) {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    }
    // The selection moves up to the row above, or stays on the new first row.
    if (m_state.task.row > 0) {
        --m_state.task.row;
    }
    m_state.task.id = IdAt(m_state.task.row);
    m_document.SetModified(true, true);
    return true;
}

}  // namespace orvane

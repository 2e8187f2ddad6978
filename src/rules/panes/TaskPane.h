#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PimDateTime.h"
#include "rules/panes/FormState.h"

namespace orvane {

class PimDocument;

// The selected day's tasks: which rows the list holds, what a click, a double click,
// Complete and Delete do to them and to the shared selection.
class TaskPane {
public:
    struct Row {
        int32_t id;
        int32_t priority;  // the icon: High, Medium, Low, Done
        std::string description;
        PimDateTime dueDate;
    };

    TaskPane(PimDocument& document, FormState& state);

    // Lists the tasks of the day in ascending ID order; the selection keeps its values.
    void Fill(const PimDateTime& selectedDay);
    const std::vector<Row>& Rows() const { return m_rows; }
    std::string DescriptionText(int row) const;
    // The due date in the short date format.
    std::string DueDateText(int row) const;

    // A left or right click; row is the row under the pointer, -1 for none.
    void Click(int row);
    // Completes the task under the pointer; true when one was completed.
    bool DoubleClick(int row);
    // The row under the pointer when the context menu opens: same as a click. Returns
    // whether the row-bound items of the menu are available.
    bool ContextMenu(int row);

    bool CanComplete() const;
    bool CanDelete() const;
    // The task Edit opens, or -1 when Edit does nothing.
    int32_t EditTarget() const;

    bool Complete();
    bool Delete();

private:
    bool IsActive() const { return m_state.activeList == PaneList::Tasks; }
    int32_t IdAt(int row) const;

    PimDocument& m_document;
    FormState& m_state;
    std::vector<Row> m_rows;
};

}  // namespace orvane

#pragma once

#include <string>

#include "data/PimDateTime.h"
#include "data/Task.h"

namespace orvane {

// The values the task editor works on. Date keeps the stored value, even one the date
// picker cannot show, until the user picks a day.
struct TaskEditorModel {
    std::string Title;
    std::string Text;
    int32_t Priority = kPriorityHigh;
    PimDateTime Date;

    // "Add Task": empty text, High, the given day.
    static TaskEditorModel ForNew(const PimDateTime& selectedDay);
    // "Edit Task" on the stored values.
    static TaskEditorModel ForStored(const Task& task);

    bool CanAccept() const;
    void PickDay(int year, int month, int day);
    // Writes the editor's values into a task; DoneDate and ID stay.
    void ApplyTo(Task& task) const;
};

}  // namespace orvane

#include "rules/editors/TaskEditorModel.h"

#include "rules/editors/EditorRules.h"

namespace orvane {

TaskEditorModel TaskEditorModel::ForNew(const PimDateTime& selectedDay)
{
    TaskEditorModel model;
    model.Title = "Add Task";
    model.Date = selectedDay.DateOnly();
    return model;
}

TaskEditorModel TaskEditorModel::ForStored(const Task& task)
{
    TaskEditorModel model;
    model.Title = "Edit Task";
    model.Text = task.Description;
    model.Priority = task.Priority;
    model.Date = task.DueDate;
    return model;
}

bool TaskEditorModel::CanAccept() const
{
    return EditorRules::HasText(Text);
}

void TaskEditorModel::PickDay(int year, int month, int day)
{
    PimDateTime picked;
    if (picked.SetDateTime(year, month, day, 0, 0, 0)) {
        Date = picked;
    }
}

void TaskEditorModel::ApplyTo(Task& task) const
{
    task.Description = Text;
    task.Priority = Priority;
    task.DueDate = Date.DateOnly();
}

}  // namespace orvane

#include "interop/TaskTodo.h"

#include "interop/IcalProperties.h"
#include "interop/IcalTime.h"
#include "platform/TextDecoding.h"

namespace orvane::interop {

namespace {

int32_t PriorityFromIcal(int priority)
{
    if (priority >= 1 && priority <= 4) {
        return kPriorityHigh;
    }
    return priority >= 6 && priority <= 9 ? kPriorityLow : kPriorityMedium;
}

int PriorityToIcal(int32_t priority)
{
    return priority == kPriorityHigh ? 1 : priority == kPriorityLow ? 9 : 5;
}

bool IsCompleted(icalcomponent* todo)
{
    icalproperty* percent = icalcomponent_get_first_property(todo, ICAL_PERCENTCOMPLETE_PROPERTY);
    return icalcomponent_get_status(todo) == ICAL_STATUS_COMPLETED ||
           icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY) ||
           (percent && icalproperty_get_percentcomplete(percent) >= 100);
}

icalproperty* DueProperty(const Task& task)
{
    return task.DueDate.IsValid() ? icalproperty_new_due(IcalTime::DateFromLocal(task.DueDate))
                                  : nullptr;
}

icalproperty* CompletedProperty(const Task& task)
{
    return task.IsCompleted() && IcalTime::IsStorable(task.DoneDate)
               ? icalproperty_new_completed(IcalTime::UtcFromLocal(task.DoneDate))
               : nullptr;
}

// PRIORITY, STATUS and COMPLETED together say the priority and whether the task is done.
void SetCompletion(icalcomponent* todo, const Task& task)
{
    IcalProperties::Replace(
        todo, ICAL_PRIORITY_PROPERTY,
        task.IsCompleted() ? nullptr : icalproperty_new_priority(PriorityToIcal(task.Priority)));
    IcalProperties::Replace(todo, ICAL_STATUS_PROPERTY,
                            icalproperty_new_status(task.IsCompleted() ? ICAL_STATUS_COMPLETED
                                                                       : ICAL_STATUS_NEEDSACTION));
    IcalProperties::Replace(todo, ICAL_COMPLETED_PROPERTY, CompletedProperty(task));
    if (!task.IsCompleted()) {
        IcalProperties::Replace(todo, ICAL_PERCENTCOMPLETE_PROPERTY, nullptr);
    }
}

}  // namespace

bool TaskTodo::Read(icalcomponent* todo, Task& task, PropertyTally* unmapped)
{
    task = Task{};
    task.Description = TextDecoding::ToUtf8(IcalProperties::Title(todo));
    if (task.Description.empty()) {
        return false;
    }
    icaltimetype due = IcalProperties::Time(todo, ICAL_DUE_PROPERTY);
    if (icaltime_is_null_time(due)) {
        due = IcalProperties::Time(todo, ICAL_DTSTART_PROPERTY);
    }
    task.DueDate =
        icaltime_is_null_time(due) ? PimDateTime::Today() : IcalTime::ToLocal(due).DateOnly();
    icalproperty* priority = icalcomponent_get_first_property(todo, ICAL_PRIORITY_PROPERTY);
    task.Priority = PriorityFromIcal(priority ? icalproperty_get_priority(priority) : 0);
    if (IsCompleted(todo)) {
        task.Priority = kPriorityDone;
        const icaltimetype done = IcalProperties::Time(todo, ICAL_COMPLETED_PROPERTY);
        // Without a date of completion the task counts as done today, as when it is
        // completed here.
        task.DoneDate =
            icaltime_is_null_time(done) ? PimDateTime::Today() : IcalTime::ToLocal(done).DateOnly();
    }
    task.UID = IcalProperties::Uid(todo);
    IcalProperties::CountOthers(
        todo,
        {ICAL_DUE_PROPERTY, ICAL_DTSTART_PROPERTY, ICAL_PRIORITY_PROPERTY, ICAL_STATUS_PROPERTY,
         ICAL_COMPLETED_PROPERTY, ICAL_PERCENTCOMPLETE_PROPERTY},
        unmapped);
    return true;
}

icalcomponent* TaskTodo::Make(const Task& task)
{
    icalcomponent* todo = icalcomponent_new_vtodo();
    if (!task.UID.empty()) {
        icalcomponent_add_property(todo, icalproperty_new_uid(task.UID.c_str()));
    }
    icalcomponent_add_property(todo, IcalProperties::Stamp());
    icalcomponent_add_property(
        todo, icalproperty_new_summary(TextDecoding::ToUtf8(task.Description).c_str()));
    if (icalproperty* due = DueProperty(task)) {
        icalcomponent_add_property(todo, due);
    }
    SetCompletion(todo, task);
    return todo;
}

void TaskTodo::Update(icalcomponent* todo, const Task& task)
{
    Task old;
    Read(todo, old, nullptr);
    if (old.Description != task.Description) {
        IcalProperties::Replace(
            todo, ICAL_SUMMARY_PROPERTY,
            icalproperty_new_summary(TextDecoding::ToUtf8(task.Description).c_str()));
    }
    if (old.DueDate != task.DueDate) {
        IcalProperties::Replace(todo, ICAL_DUE_PROPERTY, DueProperty(task));
    }
    if (old.Priority != task.Priority || (task.IsCompleted() && old.DoneDate != task.DoneDate)) {
        SetCompletion(todo, task);
    }
    if (old.UID != task.UID) {
        icalcomponent_set_uid(todo, task.UID.c_str());
    }
}

}  // namespace orvane::interop

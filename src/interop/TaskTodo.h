#pragma once

#include <libical/ical.h>

#include "data/Task.h"

namespace orvane::interop {

class PropertyTally;

// A task as a VTODO and back: SUMMARY, DUE (a date), PRIORITY (High 1, Medium 5, Low 9;
// read 1-4 High, 5 Medium, 6-9 Low, 0 or none Medium), STATUS:COMPLETED with COMPLETED as
// the done date, UID.
class TaskTodo {
public:
    // False when the item has nothing to call the task by.
    static bool Read(icalcomponent* todo, Task& task, PropertyTally* unmapped);
    // A new VTODO (the caller owns it).
    static icalcomponent* Make(const Task& task);
    // Replaces the properties of the VTODO whose mapped values differ from the task's.
    static void Update(icalcomponent* todo, const Task& task);
};

}  // namespace orvane::interop

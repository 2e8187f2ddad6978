#pragma once

#include "data/RecordCollection.h"
#include "data/Task.h"

namespace orvane {

// The to-do list.
class TaskCollection : public RecordCollection<Task> {
public:
    // Marks the task done today; false when no task has that ID.
    bool CompleteTask(int32_t id);
    // Removes completed tasks due before today; returns how many went.
    size_t RemoveCompletedBefore(const PimDateTime& today);
};

}  // namespace orvane

#include "data/TaskCollection.h"

#include <vector>

namespace orvane {

bool TaskCollection::CompleteTask(int32_t id)
{
    Task* task = FindMutable(id);
    if (!task) {
        return false;
    }
    task->Priority = kPriorityDone;
    task->DoneDate = PimDateTime::Today();
    return true;
}

size_t TaskCollection::RemoveCompletedBefore(const PimDateTime& today)
{
    std::vector<int32_t> expired;
    for (const auto& [id, task] : *this) {
        if (task.IsCompleted() && task.DueDate < today) {
            expired.push_back(id);
        }
    }
    for (int32_t id : expired) {
        Remove(id);
    }
    return expired.size();
}

}  // namespace orvane

#include "data/Task.h"

namespace orvane {

const char* Task::PriorityName(int32_t priority)
{
    static const char* const kNames[] = {"High", "Medium", "Low", "Done"};
    return priority >= kPriorityHigh && priority <= kPriorityDone ? kNames[priority] : "";
}

}  // namespace orvane

#pragma once

#include <cstdint>
#include <string>

#include "data/PimDateTime.h"

namespace orvane {

enum TaskPriority : int32_t {
    kPriorityHigh = 0,
    kPriorityMedium = 1,
    kPriorityLow = 2,
    kPriorityDone = 3,  // a task is completed exactly when its priority is Done
};

// A to-do item.
struct Task {
    std::string Description;
    int32_t Priority = kPriorityHigh;
    PimDateTime DueDate = PimDateTime::Now();  // the editors store midnight
    PimDateTime DoneDate;                      // meaningful only while the task is done
    int32_t ID = 0;
    std::string UID;  // of the calendar item it came from or went to; empty for most

    bool IsCompleted() const { return Priority == kPriorityDone; }
    // "High", "Medium", "Low", "Done"; empty for a value outside 0-3.
    static const char* PriorityName(int32_t priority);

    bool operator==(const Task&) const = default;
};

}  // namespace orvane

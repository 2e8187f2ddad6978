#pragma once

#include <cstdint>
#include <string>

#include "data/PimDateTime.h"

namespace orvane {

// An appointment-book entry, listed on its DueDate.
struct Appointment {
    Appointment();

    std::string Description;
    int32_t ID = 0;
    PimDateTime DueDate;
    PimDateTime StartTime;
    PimDateTime EndTime;
    bool Alarm = false;
    PimDateTime AlarmTime;  // when the reminder becomes due
    bool Done = false;      // kept in the file; nothing depends on it
    std::string UID;        // of the calendar item it came from or went to; empty for most

    bool operator==(const Appointment&) const = default;
};

}  // namespace orvane

#pragma once

#include "data/PimDateTime.h"

namespace orvane::interop {

// The days within which recurring events are expanded into appointments, both included.
struct ExpansionWindow {
    PimDateTime first;
    PimDateTime last;

    // From one year before today to two years after.
    static ExpansionWindow Default();
    bool Contains(const PimDateTime& time) const
    {
        return time >= first && time < last + PimTimeSpan(1.0);
    }
};

}  // namespace orvane::interop

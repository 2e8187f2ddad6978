#pragma once

#include <cstddef>
#include <string>

#include "interop/PropertyTally.h"

namespace orvane::interop {

struct RecordCounts {
    size_t added = 0;
    size_t updated = 0;
    size_t unchanged = 0;  // matched by UID and equal already
};

// What one import did, for the message at its end.
struct ImportSummary {
    enum class Kind { Contacts, Calendar };

    Kind kind = Kind::Contacts;
    RecordCounts persons, tasks, appointments;
    size_t series = 0;              // recurring events
    size_t seriesAppointments = 0;  // the appointments they gave within the window
    size_t leftOut = 0;             // items with nothing to keep, cancelled, or dated
                                    // outside 1970-2037
    PropertyTally unmapped;
    bool stopped = false;  // the progress callback asked to stop

    bool ChangedDatabase() const;
    // "12 persons added, 3 updated; 41 properties had no place in Orvane! (PHOTO 12, …)"
    std::string Text() const;
};

}  // namespace orvane::interop

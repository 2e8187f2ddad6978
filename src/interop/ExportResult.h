#pragma once

#include <cstddef>
#include <string>

namespace orvane::interop {

// The text of an export and what it did to the database.
struct ExportResult {
    std::string text;
    size_t written = 0;  // records
    size_t tasks = 0;    // of them, for a calendar
    size_t appointments = 0;
    size_t uidsGiven = 0;  // records that had no UID and got one (the database changed)
    bool stopped = false;  // the progress callback asked to stop: the text is not whole
};

}  // namespace orvane::interop

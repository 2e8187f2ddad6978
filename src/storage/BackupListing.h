#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "storage/BackupStore.h"

namespace orvane {

// One kept version as the user chooses among them.
struct ListedVersion {
    BackupVersion version;
    std::string time;       // local, "2024-03-10 15:30:00"
    bool readable = false;  // loads as a database
    size_t tasks = 0;
    size_t persons = 0;
    size_t appointments = 0;
};

// The versions of one database, newest first (version 1 is the newest), with what each
// holds.
class BackupListing {
public:
    static std::vector<ListedVersion> Of(const BackupStore& store, const std::string& databasePath);
    // "3 tasks, 10 persons, 4 appointments", or "not readable".
    static std::string Contents(const ListedVersion& listed);
    static std::string TimeText(int64_t epochNs);
};

}  // namespace orvane

#pragma once

#include <string>

#include "data/PimDatabase.h"

namespace orvane::bench {

// The yardstick for the loader: pugixml reads the same file into the same records, with
// the program's own attribute table and conversions doing the mapping.
class PugiReference {
public:
    static bool Load(const std::string& path, PimDatabase& database);
};

}  // namespace orvane::bench

#pragma once

#include <cstdint>

#include "data/PimDatabase.h"

namespace orvane::bench {

// Databases of N records per collection with texts of realistic lengths, some markup
// characters that become references, and bytes above 127 (UTF-8 and Windows-1252).
class DatabaseGenerator {
public:
    static void Fill(PimDatabase& database, int recordsPerCollection, uint32_t seed = 1);
};

}  // namespace orvane::bench

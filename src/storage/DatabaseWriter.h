#pragma once

#include <string>

namespace orvane {

class PimDatabase;

// Builds the text of a database file (format version 1) in memory, byte for byte as the
// loader expects it back.
class DatabaseWriter {
public:
    static std::string BuildText(const PimDatabase& database);
    // Appends to out; reserves a rough estimate first so that big databases grow once.
    static void AppendText(std::string& out, const PimDatabase& database);
};

}  // namespace orvane

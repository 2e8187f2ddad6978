#pragma once

#include <string>
#include <vector>

namespace orvane {

// Resolves an import mapping (one field name or "" per column) against a field table.
class ColumnMap {
public:
    // For each column the index of its field in the table, -1 when it has none or names a
    // field the table does not know.
    static std::vector<int> Resolve(const std::vector<std::string>& mapping,
                                    const std::vector<std::string>& fieldNames);
};

}  // namespace orvane

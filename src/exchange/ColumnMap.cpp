#include "exchange/ColumnMap.h"

#include <algorithm>

namespace orvane {

std::vector<int> ColumnMap::Resolve(const std::vector<std::string>& mapping,
                                    const std::vector<std::string>& fieldNames)
{
    std::vector<int> fields;
    fields.reserve(mapping.size());
    for (const std::string& name : mapping) {
        const auto it = std::find(fieldNames.begin(), fieldNames.end(), name);
        fields.push_back(name.empty() || it == fieldNames.end()
                             ? -1
                             : static_cast<int>(it - fieldNames.begin()));
    }
    return fields;
}

}  // namespace orvane

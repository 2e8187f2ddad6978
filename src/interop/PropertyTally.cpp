#include "interop/PropertyTally.h"

#include <algorithm>
#include <vector>

namespace orvane::interop {

void PropertyTally::Add(const std::string& name, size_t count)
{
    m_counts[name] += count;
    m_total += count;
}

std::string PropertyTally::Text(size_t shown) const
{
    std::vector<std::pair<std::string, size_t>> entries(m_counts.begin(), m_counts.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == shown) {
            text += ", …";
            break;
        }
        text += (i == 0 ? "" : ", ") + entries[i].first + " " + std::to_string(entries[i].second);
    }
    return text;
}

}  // namespace orvane::interop

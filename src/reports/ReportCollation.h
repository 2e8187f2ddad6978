#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

// The order of names in the address book and the person picker: the user's locale
// (LC_COLLATE) without regard to case first; names that differ only in case put the
// small letter first ("smith" before "Smith"), as desktop name lists do.
class ReportCollation {
public:
    // Compare keys with operator<; each is made once per name so sorting stays cheap.
    using Key = std::pair<std::wstring, std::wstring>;
    static Key KeyOf(std::string_view name);

    // Sorts items by the name each has; equal names keep their order.
    template <class T, class NameOf>
    static void Sort(std::vector<T>& items, NameOf nameOf)
    {
        std::vector<std::pair<Key, size_t>> keys;
        keys.reserve(items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            keys.emplace_back(KeyOf(nameOf(items[i])), i);
        }
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<T> sorted;
        sorted.reserve(items.size());
        for (const auto& entry : keys) {
            sorted.push_back(std::move(items[entry.second]));
        }
        items = std::move(sorted);
    }
};

}  // namespace orvane

#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace orvane::interop {

// What an import left out, counted by property name: "PHOTO 12, BDAY 9".
class PropertyTally {
public:
    void Add(const std::string& name, size_t count = 1);
    size_t Total() const { return m_total; }
    // The names by falling count (then by name), at most `shown` of them, "…" after.
    std::string Text(size_t shown = 6) const;

private:
    std::map<std::string, size_t> m_counts;
    size_t m_total = 0;
};

}  // namespace orvane::interop

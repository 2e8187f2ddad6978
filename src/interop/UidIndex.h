#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "data/RecordCollection.h"

namespace orvane::interop {

// The records of one collection by UID, for imports that update what they brought before.
template <class R>
class UidIndex {
public:
    explicit UidIndex(const RecordCollection<R>& records)
    {
        for (const auto& [id, record] : records) {
            if (!record.UID.empty()) {
                m_ids.emplace(record.UID, id);
            }
        }
    }

    // The ID of the record with that UID, null when there is none.
    const int32_t* Find(const std::string& uid) const
    {
        const auto it = m_ids.find(uid);
        return it == m_ids.end() ? nullptr : &it->second;
    }
    void Add(const std::string& uid, int32_t id) { m_ids.emplace(uid, id); }

private:
    std::unordered_map<std::string, int32_t> m_ids;
};

}  // namespace orvane::interop

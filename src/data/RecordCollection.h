#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

namespace orvane {

// The records of one kind, keyed and iterated by ID, with the counter new IDs come from.
// Records are values: callers get copies or const access and hand changes back.
template <class R>
class RecordCollection {
public:
    using Map = std::map<int32_t, R>;
    using const_iterator = typename Map::const_iterator;

    // Issues the next ID to the record and stores it. When a hand-edited file left an
    // older record under that ID, the older one stays and the new one is not stored.
    int32_t Add(R record)
    {
        m_lastId = static_cast<int32_t>(static_cast<uint32_t>(m_lastId) + 1u);
        record.ID = m_lastId;
        m_records.try_emplace(record.ID, std::move(record));
        return m_lastId;
    }

    // Stores the record under its own ID; the first record with an ID stays.
    bool Insert(const R& record) { return m_records.try_emplace(record.ID, record).second; }
    bool Insert(R&& record) { return Place(std::move(record)) != nullptr; }
    // As Insert; gives the stored record, or nothing when the ID was taken (the record is
    // then left as it was).
    const R* Place(R&& record)
    {
        const int32_t id = record.ID;
        // Files hold records in ascending order, so the end is the place to try first.
        if (m_records.empty() || m_records.rbegin()->first < id) {
            return &m_records.emplace_hint(m_records.end(), id, std::move(record))->second;
        }
        const auto [it, stored] = m_records.try_emplace(id, std::move(record));
        return stored ? &it->second : nullptr;
    }

    const R* Find(int32_t id) const
    {
        auto it = m_records.find(id);
        return it == m_records.end() ? nullptr : &it->second;
    }

    // The stored record with the same ID takes every field of the copy.
    bool Update(const R& record)
    {
        auto it = m_records.find(record.ID);
        if (it == m_records.end()) {
            return false;
        }
        it->second = record;
        return true;
    }

    bool Remove(int32_t id) { return m_records.erase(id) != 0; }

    // Empties the collection; the counter restarts only when there was something to remove.
    void Clear()
    {
        if (!m_records.empty()) {
            m_records.clear();
            m_lastId = 0;
        }
    }

    const_iterator begin() const { return m_records.begin(); }
    const_iterator end() const { return m_records.end(); }
    size_t Count() const { return m_records.size(); }
    bool IsEmpty() const { return m_records.empty(); }
    const Map& Records() const { return m_records; }

    int32_t LastID() const { return m_lastId; }
    void SetLastID(int32_t lastId) { m_lastId = lastId; }

protected:
    R* FindMutable(int32_t id)
    {
        auto it = m_records.find(id);
        return it == m_records.end() ? nullptr : &it->second;
    }

private:
    Map m_records;
    int32_t m_lastId = 0;
};

}  // namespace orvane

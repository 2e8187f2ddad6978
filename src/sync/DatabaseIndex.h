#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sync/ItemFormat.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::sync {

enum class RecordKind : uint8_t { Person, Task, Appointment };

// The records of the database that make one folder item.
struct DatabaseItem {
    RecordKind kind = RecordKind::Person;
    std::vector<int32_t> ids;  // several for the occurrences of a series, by UID
    uint64_t hash = 0;         // as ItemRecords::Fingerprint() of the same records
    bool series = false;
    bool newUid = false;  // the records get the item's UID when the sync is carried out
};

// The database's records of a folder's kinds, by item UID: a person, a task, an appointment,
// or the occurrences "<UID>#<occurrence>" of one recurring event. Records without a UID, or
// with one another record of the same item already has, are new items with a UID of their
// own.
class DatabaseIndex {
public:
    // isItem tells whether a UID names an item as it is (so that a UID with a '#' of its
    // own is not taken for an occurrence).
    void Build(const PimDatabase& database, FolderKind kind,
               const std::function<bool(const std::string&)>& isItem);

    std::unordered_map<std::string, DatabaseItem>& Items() { return m_items; }
    size_t RecordCount() const { return m_records; }

    // The item's records as they are stored (with the new UID when it gets one).
    static ItemRecords RecordsOf(const PimDatabase& database, const std::string& uid,
                                 const DatabaseItem& item);
    // As RecordsOf(...).Fingerprint(), without copying the records.
    static uint64_t HashOf(const PimDatabase& database, const std::string& uid,
                           const DatabaseItem& item);
    // Gives the records of a new item their UID.
    static void GiveUid(PimDatabase& database, const std::string& uid, const DatabaseItem& item);

private:
    template <class R>
    void Add(const R& record, RecordKind kind,
             const std::function<bool(const std::string&)>& isItem);
    void AddNew(RecordKind kind, int32_t id);
    void Finish(const PimDatabase& database);

    std::unordered_map<std::string, DatabaseItem> m_items;
    size_t m_records = 0;
};

}  // namespace orvane::sync

#pragma once

#include <string>

#include "data/RecordCollection.h"
#include "interop/ImportSummary.h"
#include "interop/UidIndex.h"

namespace orvane::interop {

// Puts imported records into a collection: a record whose UID is there already updates that
// record instead of being added a second time.
template <class R>
class RecordMerge {
public:
    RecordMerge(RecordCollection<R>& records, RecordCounts& counts)
        : m_records(records), m_counts(counts), m_index(records)
    {}

    // keep(existing, incoming) may carry over what the item does not say.
    template <class Keep>
    void Put(R record, Keep keep)
    {
        if (const int32_t* id = m_index.Find(record.UID)) {
            if (const R* existing = m_records.Find(*id)) {
                record.ID = *id;
                keep(*existing, record);
                if (*existing == record) {
                    ++m_counts.unchanged;
                } else {
                    m_records.Update(record);
                    ++m_counts.updated;
                }
                return;
            }
        }
        const std::string uid = record.UID;
        m_index.Add(uid, m_records.Add(std::move(record)));
        ++m_counts.added;
    }

    void Put(R record)
    {
        Put(std::move(record), [](const R&, R&) {});
    }

private:
    RecordCollection<R>& m_records;
    RecordCounts& m_counts;
    UidIndex<R> m_index;
};

}  // namespace orvane::interop

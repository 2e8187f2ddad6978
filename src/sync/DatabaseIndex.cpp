#include "sync/DatabaseIndex.h"

#include <algorithm>

#include "data/PimDatabase.h"
#include "interop/CalendarRecords.h"
#include "interop/Uids.h"
#include "sync/Fingerprint.h"

namespace orvane::sync {

void DatabaseIndex::Build(const PimDatabase& database, FolderKind kind,
                          const std::function<bool(const std::string&)>& isItem)
{
    m_items.clear();
    m_records = 0;
    if (kind == FolderKind::Contacts) {
        m_items.reserve(database.Persons().Count());
        for (const auto& [id, person] : database.Persons()) {
            Add(person, RecordKind::Person, isItem);
        }
    } else {
        m_items.reserve(database.Tasks().Count() + database.Appointments().Count());
        for (const auto& [id, task] : database.Tasks()) {
            Add(task, RecordKind::Task, isItem);
        }
        for (const auto& [id, appointment] : database.Appointments()) {
            Add(appointment, RecordKind::Appointment, isItem);
        }
    }
    Finish(database);
}

template <class R>
void DatabaseIndex::Add(const R& record, RecordKind kind,
                        const std::function<bool(const std::string&)>& isItem)
{
    ++m_records;
    if (record.UID.empty()) {
        AddNew(kind, record.ID);
        return;
    }
    const bool occurrence = kind == RecordKind::Appointment &&
                            record.UID.find('#') != std::string::npos && !isItem(record.UID);
    const std::string uid =
        occurrence ? interop::CalendarRecords::SeriesUid(record.UID) : record.UID;
    auto [it, added] = m_items.try_emplace(uid);
    DatabaseItem& item = it->second;
    if (added) {
        item.kind = kind;
        item.series = occurrence;
    } else if (!occurrence || !item.series) {
        AddNew(kind, record.ID);  // a second record with the UID of another
        return;
    }
    item.ids.push_back(record.ID);
}

void DatabaseIndex::AddNew(RecordKind kind, int32_t id)
{
    DatabaseItem item;
    item.kind = kind;
    item.ids.push_back(id);
    item.newUid = true;
    m_items.emplace(interop::Uids::Make(), std::move(item));
}

void DatabaseIndex::Finish(const PimDatabase& database)
{
    const auto& appointments = database.Appointments();
    for (auto& [uid, item] : m_items) {
        if (item.series) {
            std::sort(item.ids.begin(), item.ids.end(), [&](int32_t a, int32_t b) {
                return appointments.Find(a)->UID < appointments.Find(b)->UID;
            });
        }
        item.hash = HashOf(database, uid, item);
    }
}

namespace {

// A record with the UID it gets, hashed as ItemRecords::Fingerprint() adds it.
template <class R>
int64_t RecordHash(const R& record, const std::string& uid, bool newUid)
{
    if (!newUid) {
        return static_cast<int64_t>(Fingerprint::Of(record));
    }
    R copy = record;
    copy.UID = uid;
    return static_cast<int64_t>(Fingerprint::Of(copy));
}

}  // namespace

uint64_t DatabaseIndex::HashOf(const PimDatabase& database, const std::string& uid,
                               const DatabaseItem& item)
{
    Fingerprint f;
    for (const int32_t id : item.ids) {
        switch (item.kind) {
            case RecordKind::Person:
                f.Add(RecordHash(*database.Persons().Find(id), uid, item.newUid));
                break;
            case RecordKind::Task:
                f.Add(RecordHash(*database.Tasks().Find(id), uid, item.newUid));
                break;
            case RecordKind::Appointment:
                f.Add(RecordHash(*database.Appointments().Find(id), uid, item.newUid));
                break;
        }
    }
    return f.Value();
}

ItemRecords DatabaseIndex::RecordsOf(const PimDatabase& database, const std::string& uid,
                                     const DatabaseItem& item)
{
    ItemRecords records;
    records.series = item.series;
    for (const int32_t id : item.ids) {
        switch (item.kind) {
            case RecordKind::Person:
                records.persons.push_back(*database.Persons().Find(id));
                break;
            case RecordKind::Task:
                records.tasks.push_back(*database.Tasks().Find(id));
                break;
            case RecordKind::Appointment:
                records.appointments.push_back(*database.Appointments().Find(id));
                break;
        }
    }
    if (item.newUid) {
        for (Person& p : records.persons) {
            p.UID = uid;
        }
        for (Task& t : records.tasks) {
            t.UID = uid;
        }
        for (Appointment& a : records.appointments) {
            a.UID = uid;
        }
    }
    return records;
}

void DatabaseIndex::GiveUid(PimDatabase& database, const std::string& uid, const DatabaseItem& item)
{
    const auto give = [&](auto& collection) {
        auto record = *collection.Find(item.ids.front());
        record.UID = uid;
        collection.Update(record);
    };
    switch (item.kind) {
        case RecordKind::Person:
            give(database.Persons());
            break;
        case RecordKind::Task:
            give(database.Tasks());
            break;
        case RecordKind::Appointment:
            give(database.Appointments());
            break;
    }
}

}  // namespace orvane::sync

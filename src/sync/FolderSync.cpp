#include "sync/FolderSync.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "interop/Uids.h"
#include "storage/ReadWholeFile.h"
#include "sync/Fingerprint.h"
#include "sync/StagedFiles.h"

namespace orvane::sync {

namespace {

const uint64_t kNoRecords = ItemRecords{}.Fingerprint();

bool SafeForName(const std::string& uid)
{
    if (uid.empty() || uid.size() > 120 || uid[0] == '.') {
        return false;
    }
    return std::all_of(uid.begin(), uid.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_' || c == '.' || c == '@' || c == '+';
    });
}

const char* RecordsName(FolderKind kind)
{
    return kind == FolderKind::Contacts ? "persons" : "tasks or appointments";
}

std::string DateText(const PimDateTime& time)
{
    return time.Format("%Y-%m-%d %H:%M");
}

std::string TitleOf(const ItemRecords& records)
{
    if (!records.persons.empty()) {
        const Person& p = records.persons.front();
        return p.RName.empty() ? p.Company : p.RName;
    }
    if (!records.tasks.empty()) {
        return records.tasks.front().Description;
    }
    if (!records.appointments.empty()) {
        const Appointment& a = records.appointments.front();
        return a.Description + " (" + DateText(a.StartTime) + ")";
    }
    return {};
}

// Puts an item's records into a collection: one with the UID of a stored one takes its
// place and ID; stored ones no longer among them go.
template <class R, class Collection>
void Merge(Collection& collection, const std::vector<int32_t>& stored, std::vector<R> incoming)
{
    std::map<std::string, int32_t> byUid;
    for (const int32_t id : stored) {
        if (const R* record = collection.Find(id)) {
            byUid.emplace(record->UID, id);
        }
    }
    for (R& record : incoming) {
        const auto it = byUid.find(record.UID);
        if (it == byUid.end()) {
            collection.Add(std::move(record));
            continue;
        }
        record.ID = it->second;
        collection.Update(record);
        byUid.erase(it);
    }
    for (const auto& [uid, id] : byUid) {
        collection.Remove(id);
    }
}

}  // namespace

FolderSync::FolderSync(FolderKind kind, std::string folder, std::string statusPath)
    : m_kind(kind), m_folder(std::move(folder)), m_statusPath(std::move(statusPath))
{
    while (m_folder.size() > 1 && m_folder.back() == '/') {
        m_folder.pop_back();
    }
}

FolderSync::~FolderSync()
{
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
    }
}

bool FolderSync::Stop(std::string problem)
{
    m_problem = std::move(problem);
    return false;
}

bool FolderSync::Lock()
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_statusPath).parent_path(), error);
    const std::string lockPath = m_statusPath + ".lock";
    m_lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0;
}

bool FolderSync::Plan(const PimDatabase& database, const SyncOptions& options)
{
    m_options = options;
    m_decisions.clear();
    if (!Lock()) {
        return Stop("Another synchronization with " + m_folder + " is running; try again later.");
    }
    if (!m_status.Load(m_statusPath)) {
        return Stop("The sync status " + m_statusPath + " cannot be read; nothing was changed.");
    }
    if (!m_scan.Scan(m_folder, m_kind, m_status)) {
        return Stop(m_folder + " is not a folder that can be read; nothing was changed.");
    }
    auto& files = m_scan.Files();
    const auto& entries = m_status.Entries();
    m_index.Build(database, m_kind, [&](const std::string& uid) {
        return entries.count(uid) > 0 || files.count(uid) > 0;
    });
    if (!CheckSafety()) {
        return false;
    }
    for (const auto& [uid, last] : entries) {
        Decide(uid, &last, FileOf(uid), ItemOf(uid), database);
    }
    for (auto& [uid, file] : files) {
        if (!entries.count(uid)) {
            Decide(uid, nullptr, &file, ItemOf(uid), database);
        }
    }
    for (auto& [uid, item] : m_index.Items()) {
        if (!entries.count(uid) && !files.count(uid)) {
            Decide(uid, nullptr, nullptr, &item, database);
        }
    }
    std::sort(m_decisions.begin(), m_decisions.end(),
              [](const Decision& a, const Decision& b) { return a.uid < b.uid; });
    return true;
}

bool FolderSync::CheckSafety()
{
    size_t held = 0, withRecords = 0;
    for (const auto& [uid, last] : m_status.Entries()) {
        ++held;
        withRecords += last.recordHash != kNoRecords;
    }
    const std::string count = std::to_string(held);
    if (held > 0 && m_scan.Missing() && !m_options.forceDelete) {
        return Stop("The folder " + m_folder + " is missing, but it held " + count +
                    " items at the last sync; nothing was changed.");
    }
    if (held > 0 && m_scan.FileCount() == 0 && !m_options.forceDelete) {
        return Stop("The folder " + m_folder + " holds no items, but it held " + count +
                    " at the last sync; nothing was deleted.");
    }
    if (withRecords > 0 && m_index.RecordCount() == 0 && !m_options.forceDelete) {
        return Stop(std::string("The database holds no ") + RecordsName(m_kind) + ", but " +
                    std::to_string(withRecords) + " items of " + m_folder +
                    " were in it at the last sync; nothing was deleted.");
    }
    return true;
}

FolderFile* FolderSync::FileOf(const std::string& uid)
{
    const auto it = m_scan.Files().find(uid);
    return it == m_scan.Files().end() ? nullptr : &it->second;
}

DatabaseItem* FolderSync::ItemOf(const std::string& uid)
{
    const auto it = m_index.Items().find(uid);
    return it == m_index.Items().end() ? nullptr : &it->second;
}

void FolderSync::Decide(const std::string& uid, const StatusEntry* last, FolderFile* file,
                        DatabaseItem* item, const PimDatabase& database)
{
    if (m_scan.IsBusy(uid)) {
        return;  // its status stays as it was
    }
    Decision d;
    d.uid = uid;
    d.recordHash = item ? item->hash : kNoRecords;
    if (last ? DecideKnown(d, *last, file, item, database) : DecideNew(d, file, item, database)) {
        m_decisions.push_back(std::move(d));
    }
}

bool FolderSync::DecideKnown(Decision& d, const StatusEntry& last, FolderFile* file,
                             DatabaseItem* item, const PimDatabase& database)
{
    const bool fileChanged = file && file->hash != last.fileHash;
    const bool recordsChanged = d.recordHash != last.recordHash;
    if (file && !fileChanged && !recordsChanged) {
        return file->stamp != last.stamp || file->name != last.file;  // to be recorded
    }
    if (!file) {
        if (!item) {
            d.step = Step::Forget;
            return true;
        }
        if (recordsChanged) {
            return Conflict(d, nullptr, item, database, "changed here, deleted there");
        }
        d.step = Step::DeleteInDatabase;
        return true;
    }
    if (!recordsChanged) {
        return FromFolder(d, *file, item, database);
    }
    if (last.series || (item && item->series)) {
        return Refuse(d, *file, item, database);
    }
    if (!item) {
        if (fileChanged) {
            return Conflict(d, file, nullptr, database, "changed there, deleted here");
        }
        d.step = Step::DeleteInFolder;
        return true;
    }
    if (!fileChanged) {
        d.step = Step::ToFolder;
        return true;
    }
    if (!Incoming(d, *file, item, database)) {
        return false;
    }
    if (SameOnBothSides(d, *item, database)) {
        return true;  // both sides made the same change: recorded
    }
    return Conflict(d, file, item, database, "changed on both sides");
}

bool FolderSync::DecideNew(Decision& d, FolderFile* file, DatabaseItem* item,
                           const PimDatabase& database)
{
    if (file && item) {
        if (!Incoming(d, *file, item, database)) {
            return false;
        }
        if (SameOnBothSides(d, *item, database)) {
            return true;  // the same on both sides: recorded
        }
        return Conflict(d, file, item, database, "added on both sides");
    }
    if (file) {
        return FromFolder(d, *file, nullptr, database);
    }
    if (item->series) {
        m_notes.push_back(Title(d, item, database) + ": appointments of a repeating event that " +
                          "is not in " + m_folder + "; they stay here only");
        return false;
    }
    d.step = Step::ToFolder;
    return true;
}

bool FolderSync::FromFolder(Decision& d, FolderFile& file, const DatabaseItem* item,
                            const PimDatabase& database)
{
    d.step = Step::ToDatabase;
    return Incoming(d, file, item, database);
}

bool FolderSync::Conflict(Decision& d, FolderFile* file, DatabaseItem* item,
                          const PimDatabase& database, const std::string& what)
{
    Side winner = m_options.rule == ConflictRule::Folder ? Side::Folder : Side::Database;
    if (m_options.rule == ConflictRule::Newer) {
        const int64_t folderTime = file ? file->stamp.modifiedNs : m_scan.FolderTimeNs();
        winner = folderTime > m_options.databaseTimeNs ? Side::Folder : Side::Database;
    }
    if (item && item->series) {
        winner = Side::Folder;  // a series is never written from its appointments
    }
    d.kind = Message::Conflict;
    d.message = Title(d, item, database) + ": " + what + "; the " +
                (winner == Side::Database ? "database's" : "folder's") + " version won";
    if (winner == Side::Database) {
        d.step = item ? Step::ToFolder : Step::DeleteInFolder;
        d.loser = file ? Side::Folder : Side::None;
        return true;
    }
    d.loser = item ? Side::Database : Side::None;
    d.step = file ? Step::ToDatabase : Step::DeleteInDatabase;
    return !file || d.incoming || Incoming(d, *file, item, database);
}

bool FolderSync::Refuse(Decision& d, FolderFile& file, DatabaseItem* item,
                        const PimDatabase& database)
{
    d.step = Step::ToDatabase;
    d.loser = item ? Side::Database : Side::None;
    d.kind = Message::Refused;
    d.message = Title(d, item, database) +
                ": appointments of a repeating event were changed or deleted here; they are "
                "not synchronized one by one (change the series on the server or the phone), "
                "so the series was put back";
    return Incoming(d, file, item, database);
}

bool FolderSync::SameOnBothSides(const Decision& d, const DatabaseItem& item,
                                 const PimDatabase& database) const
{
    const uint64_t incoming = d.incoming->Fingerprint();
    if (incoming == item.hash || item.series) {
        return incoming == item.hash;
    }
    // Through the mapping, as the folder would have it: what an item cannot say (a task's
    // due time, the alarm time of an appointment without an alarm) makes no difference.
    const ItemRecords records = DatabaseIndex::RecordsOf(database, d.uid, item);
    std::optional<ItemRecords> mapped = ItemFormat::Read(
        ItemFormat::Write(records, m_kind, nullptr), m_kind, d.uid, m_options.window);
    if (!mapped) {
        return false;
    }
    if (!mapped->persons.empty()) {
        interop::PersonCard::KeepStored(records.persons.front(), mapped->persons.front(),
                                        mapped->listingGiven);
        mapped->persons.front().RName = mapped->persons.front().GetDisplayName();
    }
    return mapped->Fingerprint() == incoming;
}

bool FolderSync::ReadText(FolderFile& file)
{
    if (file.read) {
        return true;
    }
    std::optional<std::string> text = ReadWholeFile(PathOf(file.name));
    if (!text || Fingerprint::Of(*text) != file.hash) {
        return false;  // changed since the scan: next time
    }
    file.text = std::move(*text);
    file.read = true;
    return true;
}

bool FolderSync::Incoming(Decision& d, FolderFile& file, const DatabaseItem* item,
                          const PimDatabase& database)
{
    std::optional<ItemRecords> records;
    if (ReadText(file)) {
        records = ItemFormat::Read(file.text, m_kind, d.uid, m_options.window);
    }
    if (!records) {
        m_notes.push_back(file.name + " cannot be read as an item; left alone");
        return false;
    }
    // What a card does not say stays as stored.
    if (item && item->kind == RecordKind::Person && !records->persons.empty()) {
        interop::PersonCard::KeepStored(*database.Persons().Find(item->ids.front()),
                                        records->persons.front(), records->listingGiven);
    }
    for (Person& p : records->persons) {
        p.RName = p.GetDisplayName();
    }
    d.incoming = std::move(records);
    return true;
}

std::string FolderSync::Title(const Decision& d, const DatabaseItem* item,
                              const PimDatabase& database) const
{
    std::string title;
    if (item) {
        title = TitleOf(DatabaseIndex::RecordsOf(database, d.uid, *item));
    } else if (d.incoming) {
        title = TitleOf(*d.incoming);
    }
    return title.empty() ? d.uid : title;
}

bool FolderSync::ApplyToDatabase(PimDatabase& database, SyncSummary& summary)
{
    bool changed = false;
    for (Decision& d : m_decisions) {
        const DatabaseItem* item = ItemOf(d.uid);
        if (d.loser == Side::Database && item) {
            d.losingText =
                ItemFormat::WriteAll(DatabaseIndex::RecordsOf(database, d.uid, *item), m_kind);
        }
        const bool counted = d.kind == Message::None;
        switch (d.step) {
            case Step::ToDatabase:
                if (counted && !d.incoming->Empty()) {
                    ++(item ? summary.changedHere : summary.addedHere);
                }
                Replace(database, d, item);
                changed = true;
                break;
            case Step::DeleteInDatabase:
                d.incoming = ItemRecords{};
                Replace(database, d, item);
                summary.deleted += counted;
                changed = true;
                break;
            case Step::ToFolder:
                if (item->newUid) {
                    DatabaseIndex::GiveUid(database, d.uid, *item);
                    changed = true;
                }
                break;
            default:
                break;
        }
    }
    return changed;
}

void FolderSync::Replace(PimDatabase& database, Decision& d, const DatabaseItem* item)
{
    static const std::vector<int32_t> kNone;
    const auto ids = [&](RecordKind kind) -> const std::vector<int32_t>& {
        return item && item->kind == kind ? item->ids : kNone;
    };
    ItemRecords& records = *d.incoming;
    Merge(database.Persons(), ids(RecordKind::Person), records.persons);
    Merge(database.Tasks(), ids(RecordKind::Task), records.tasks);
    Merge(database.Appointments(), ids(RecordKind::Appointment), records.appointments);
    d.recordHash = records.Fingerprint();
}

void FolderSync::ApplyToFolder(const PimDatabase& database, SyncSummary& summary)
{
    std::error_code error;
    if (m_scan.Missing()) {
        std::filesystem::create_directories(m_folder, error);
    }
    StagedFiles staged;
    for (Decision& d : m_decisions) {
        KeepLoser(d, staged);
        if (d.step == Step::ToFolder) {
            StageItem(d, database, staged, summary);
        }
    }
    staged.Commit();
    const std::set<std::string> failed(staged.Failed().begin(), staged.Failed().end());
    for (const std::string& path : staged.Failed()) {
        m_notes.push_back(path + " could not be written");
        summary.writeFailed = true;
    }
    for (Decision& d : m_decisions) {
        if (d.step == Step::ToFolder && failed.count(PathOf(d.file))) {
            d.done = false;
        }
        if (d.step == Step::DeleteInFolder) {
            DeleteItem(d, summary);
        }
        if (d.done) {
            Record(d);
        }
        Report(d, summary);
    }
    for (const std::string& note : m_scan.Notes()) {
        summary.notes.push_back(note);
    }
    summary.notes.insert(summary.notes.end(), m_notes.begin(), m_notes.end());
    // Nothing decided, nothing to record: a quiet sync writes nothing at all.
    if (!m_decisions.empty() && !m_status.Save(m_statusPath)) {
        summary.notes.push_back("The sync status " + m_statusPath + " could not be written");
        summary.writeFailed = true;
    }
}

void FolderSync::KeepLoser(Decision& d, StagedFiles& staged)
{
    FolderFile* file = FileOf(d.uid);
    std::string text;
    if (d.loser == Side::Folder && file && ReadText(*file)) {
        text = file->text;
    } else if (d.loser == Side::Database) {
        text = d.losingText;
    }
    if (text.empty()) {
        return;
    }
    const auto last = m_status.Entries().find(d.uid);
    const std::string base = file                               ? file->name
                             : last != m_status.Entries().end() ? last->second.file
                                                                : NewName(d.uid);
    const std::string path = PathOf(ConflictName(base));
    const char* what = d.kind == Message::Refused ? "what was changed here" : "the other version";
    d.message += staged.Stage(path, text) ? std::string("; ") + what + " is kept in " + path
                                          : std::string("; ") + what + " could not be kept";
}

void FolderSync::StageItem(Decision& d, const PimDatabase& database, StagedFiles& staged,
                           SyncSummary& summary)
{
    FolderFile* file = FileOf(d.uid);
    if (file && !ReadText(*file)) {
        m_notes.push_back(file->name +
                          " changed while it was being synchronized; left for the "
                          "next sync");
        d.done = false;
        return;
    }
    const std::string text =
        ItemFormat::Write(DatabaseIndex::RecordsOf(database, d.uid, *ItemOf(d.uid)), m_kind,
                          file ? &file->text : nullptr);
    d.file = file ? file->name : NewName(d.uid);
    d.fileHash = Fingerprint::Of(text);
    if (!staged.Stage(PathOf(d.file), text)) {
        m_notes.push_back(PathOf(d.file) + " could not be written");
        summary.writeFailed = true;
        d.done = false;
        return;
    }
    if (d.kind == Message::None) {
        ++(file ? summary.changedThere : summary.addedThere);
    }
}

void FolderSync::DeleteItem(Decision& d, SyncSummary& summary)
{
    const FolderFile* file = FileOf(d.uid);
    if (::unlink(PathOf(file->name).c_str()) != 0 && errno != ENOENT) {
        m_notes.push_back(PathOf(file->name) + " could not be deleted");
        summary.writeFailed = true;
        d.done = false;
        return;
    }
    summary.deleted += d.kind == Message::None;
}

void FolderSync::Record(const Decision& d)
{
    auto& entries = m_status.Entries();
    const FolderFile* file = FileOf(d.uid);
    switch (d.step) {
        case Step::Record:
        case Step::ToDatabase: {
            StatusEntry& entry = entries[d.uid];
            const bool series = d.incoming ? d.incoming->series : entry.series;
            entry = StatusEntry{file->name, file->stamp, file->hash, d.recordHash, series};
            break;
        }
        case Step::ToFolder:
            if (const std::optional<FileStamp> stamp = FileStamp::Of(PathOf(d.file))) {
                entries[d.uid] = StatusEntry{d.file, *stamp, d.fileHash, d.recordHash, false};
            }
            break;
        case Step::DeleteInDatabase:
        case Step::DeleteInFolder:
        case Step::Forget:
            entries.erase(d.uid);
            break;
    }
}

void FolderSync::Report(const Decision& d, SyncSummary& summary) const
{
    if (d.kind == Message::Conflict) {
        summary.conflicts.push_back(d.message);
    } else if (d.kind == Message::Refused) {
        summary.notes.push_back(d.message);
    }
}

std::string FolderSync::NewName(const std::string& uid)
{
    const std::string base = SafeForName(uid) ? uid : interop::Uids::FromContent(uid);
    const char* extension = ItemFormat::Extension(m_kind);
    std::string name = base + extension;
    for (int n = 2; m_scan.NameTaken(name); ++n) {
        name = base + "-" + std::to_string(n) + extension;
    }
    m_scan.TakeName(name);
    return name;
}

std::string FolderSync::ConflictName(const std::string& name)
{
    std::string conflict = name + ".conflict";
    for (int n = 2; m_scan.NameTaken(conflict); ++n) {
        conflict = name + "." + std::to_string(n) + ".conflict";
    }
    m_scan.TakeName(conflict);
    return conflict;
}

}  // namespace orvane::sync

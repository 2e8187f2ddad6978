#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sync/DatabaseIndex.h"
#include "sync/FolderScan.h"
#include "sync/ItemFormat.h"
#include "sync/SyncOptions.h"
#include "sync/SyncStatus.h"
#include "sync/SyncSummary.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::sync {

class StagedFiles;

// Two-way sync of the database with one vdir folder, by a three-way comparison of each item
// against the status of the last sync: a change on one side is carried to the other, a
// deletion deletes on the other side when that side is unchanged, and a change on both
// sides is a conflict, settled by the rule, the losing version kept beside the item as a
// ".conflict" file. A recurring event stays one item in the folder; its appointments in the
// database are read-only here: their edits are undone from the folder (and kept as a
// .conflict file), never written over the series.
//
// In three steps, so that the caller can save the database between the second and the
// third: Plan reads and decides, ApplyToDatabase changes the database in memory,
// ApplyToFolder writes the items and the status.
class FolderSync {
public:
    FolderSync(FolderKind kind, std::string folder, std::string statusPath);
    ~FolderSync();
    FolderSync(const FolderSync&) = delete;
    FolderSync& operator=(const FolderSync&) = delete;

    // Writes nothing. False when the sync must not go on: Problem() says why (nothing is
    // deleted when one side is empty while the status says it held items).
    bool Plan(const PimDatabase& database, const SyncOptions& options);
    const std::string& Problem() const { return m_problem; }

    // True when the database changed.
    bool ApplyToDatabase(PimDatabase& database, SyncSummary& summary);
    void ApplyToFolder(const PimDatabase& database, SyncSummary& summary);

private:
    enum class Step { Record, ToDatabase, ToFolder, DeleteInDatabase, DeleteInFolder, Forget };
    enum class Side { None, Database, Folder };
    enum class Message { None, Conflict, Refused };
    struct Decision {
        std::string uid;
        Step step = Step::Record;
        Side loser = Side::None;  // whose version is kept as a .conflict file
        Message kind = Message::None;
        std::string message;
        std::optional<ItemRecords> incoming;  // the folder's records
        std::string losingText;               // the database's version, when it lost
        uint64_t recordHash = 0;              // of the records after the sync
        std::string file;                     // written to the folder
        uint64_t fileHash = 0;
        bool done = true;  // false: the folder could not be written
    };

    bool Stop(std::string problem);
    bool Lock();
    bool CheckSafety();
    void Decide(const std::string& uid, const StatusEntry* last, FolderFile* file,
                DatabaseItem* item, const PimDatabase& database);
    bool DecideKnown(Decision& d, const StatusEntry& last, FolderFile* file, DatabaseItem* item,
                     const PimDatabase& database);
    bool DecideNew(Decision& d, FolderFile* file, DatabaseItem* item, const PimDatabase& database);
    bool FromFolder(Decision& d, FolderFile& file, const DatabaseItem* item,
                    const PimDatabase& database);
    bool Conflict(Decision& d, FolderFile* file, DatabaseItem* item, const PimDatabase& database,
                  const std::string& what);
    bool Refuse(Decision& d, FolderFile& file, DatabaseItem* item, const PimDatabase& database);
    bool Incoming(Decision& d, FolderFile& file, const DatabaseItem* item,
                  const PimDatabase& database);
    bool SameOnBothSides(const Decision& d, const DatabaseItem& item,
                         const PimDatabase& database) const;
    bool ReadText(FolderFile& file);
    std::string Title(const Decision& d, const DatabaseItem* item,
                      const PimDatabase& database) const;
    FolderFile* FileOf(const std::string& uid);
    DatabaseItem* ItemOf(const std::string& uid);

    void Replace(PimDatabase& database, Decision& d, const DatabaseItem* item);
    void KeepLoser(Decision& d, StagedFiles& staged);
    void StageItem(Decision& d, const PimDatabase& database, StagedFiles& staged,
                   SyncSummary& summary);
    void DeleteItem(Decision& d, SyncSummary& summary);
    void Record(const Decision& d);
    void Report(const Decision& d, SyncSummary& summary) const;
    std::string NewName(const std::string& uid);
    std::string ConflictName(const std::string& name);
    std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }

    FolderKind m_kind;
    std::string m_folder;
    std::string m_statusPath;
    int m_lockFd = -1;
    SyncOptions m_options;
    SyncStatus m_status;
    FolderScan m_scan;
    DatabaseIndex m_index;
    std::vector<Decision> m_decisions;
    std::vector<std::string> m_notes;
    std::string m_problem;
};

}  // namespace orvane::sync

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sync/SyncOptions.h"
#include "sync/SyncSummary.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::sync {

class FolderSync;

// The sync of one database with its contacts folder and its calendar folder (an empty path:
// that folder is not synchronized). Both are planned before either is changed, so that a
// sync stopped for safety changes nothing at all. The caller saves the database between
// ApplyToDatabase and ApplyToFolders, and leaves the folders alone when that save fails.
class Synchronizer {
public:
    struct Folders {
        std::string contacts;
        std::string calendar;
    };

    Synchronizer(const std::string& databasePath, const Folders& folders);
    ~Synchronizer();

    // Reads and decides. False when the sync must stop: Problem() says why.
    bool Plan(const PimDatabase& database, const SyncOptions& options);
    const std::string& Problem() const { return m_problem; }
    // True when the database changed and must be saved.
    bool ApplyToDatabase(PimDatabase& database);
    void ApplyToFolders(const PimDatabase& database);

    const SyncSummary& Summary() const { return m_summary; }

    // All three steps on a database kept in memory, saved by the caller afterwards (tests).
    bool Run(PimDatabase& database, const SyncOptions& options);

private:
    std::vector<std::unique_ptr<FolderSync>> m_folders;
    SyncSummary m_summary;
    std::string m_problem;
};

}  // namespace orvane::sync

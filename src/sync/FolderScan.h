#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sync/ItemFormat.h"
#include "sync/SyncStatus.h"

namespace orvane::sync {

// One item file of a folder.
struct FolderFile {
    std::string name;
    FileStamp stamp;
    uint64_t hash = 0;
    std::string text;   // read only when the stamp differs from the status
    bool read = false;  // text holds the content
};

// The item files of a folder by UID. A file whose stamp is the one in the status is taken
// as it was, unread; any other is read, and its UID comes from its content (so that a file
// the server side renamed is still the same item).
class FolderScan {
public:
    // False when the path exists but is not a readable folder.
    bool Scan(const std::string& folder, FolderKind kind, const SyncStatus& status);

    bool Missing() const { return m_missing; }
    // Item files seen, the unfinished ones included.
    size_t FileCount() const { return m_fileCount; }
    std::unordered_map<std::string, FolderFile>& Files() { return m_files; }
    bool IsBusy(const std::string& uid) const { return m_busy.count(uid) > 0; }
    // Files left alone, and why.
    const std::vector<std::string>& Notes() const { return m_notes; }
    // A name a new file must not take: one in the folder, items or not, or one given out.
    bool NameTaken(const std::string& name) const;
    void TakeName(const std::string& name) { m_given.insert(name); }
    // The folder's own time: when an item was last added or removed.
    int64_t FolderTimeNs() const { return m_folderTimeNs; }

private:
    using ByName =
        std::unordered_map<std::string, const std::pair<const std::string, StatusEntry>*>;
    void Add(int dirFd, const std::string& folder, const std::string& name, FolderKind kind,
             const ByName& byName);

    std::unordered_map<std::string, FolderFile> m_files;
    std::unordered_set<std::string> m_busy;
    std::unordered_set<std::string> m_given;
    std::string m_folder;
    std::vector<std::string> m_notes;
    size_t m_fileCount = 0;
    bool m_missing = false;
    int64_t m_folderTimeNs = 0;
};

}  // namespace orvane::sync

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "sync/ItemFormat.h"

namespace orvane::sync {

// What stat() says about a file: enough to tell that it is untouched without reading it.
struct FileStamp {
    int64_t modifiedNs = 0;
    int64_t size = -1;
    uint64_t inode = 0;

    static std::optional<FileStamp> Of(const std::string& path);
    // Of a file in an open folder.
    static std::optional<FileStamp> Of(int dirFd, const std::string& name);
    bool operator==(const FileStamp&) const = default;
};

// One item as it was when the database and the folder last agreed.
struct StatusEntry {
    std::string file;  // name in the folder
    FileStamp stamp;
    uint64_t fileHash = 0;
    uint64_t recordHash = 0;  // of the records the item gave in the database
    bool series = false;      // a recurring event, expanded into appointments
};

// The sync status of one database with one folder, by item UID: a plain text file under
// $XDG_DATA_HOME/Kestrow/Orvane!/sync/, one line per item.
class SyncStatus {
public:
    // The status file of the database with the folder's items of a kind (both paths made
    // absolute first).
    static std::string PathFor(const std::string& database, const std::string& folder,
                               FolderKind kind);
    static std::string Folder();

    // An absent file is an empty status; false when the file is there but not a status.
    bool Load(const std::string& path);
    // Written whole and renamed into place.
    bool Save(const std::string& path) const;

    std::unordered_map<std::string, StatusEntry>& Entries() { return m_entries; }
    const std::unordered_map<std::string, StatusEntry>& Entries() const { return m_entries; }

private:
    std::unordered_map<std::string, StatusEntry> m_entries;
};

}  // namespace orvane::sync

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class SettingsStore;

// One kept version of a database file.
struct BackupVersion {
    std::string file;        // in the database's backup folder
    int64_t modifiedNs = 0;  // when this content was saved
    int64_t size = 0;
};

// The previous versions of database files, kept before a save replaces them: one folder per
// database path (mode 0700) under the root, one file per replaced version (mode 0600) named
// by the time it was replaced, the newest Count kept. A version is a hard link to the old
// file where the save's rename leaves that inode to the backup alone, otherwise a copy.
class BackupStore {
public:
    static constexpr uint32_t kDefaultCount = 20;

    BackupStore(std::string root, uint32_t count);
    // $XDG_DATA_HOME/Kestrow/Orvane!/backups (~/.local/share/... when unset), keeping the
    // count the program set with SetUserCount.
    static BackupStore ForUser();
    static void SetUserCount(uint32_t count);
    // Group "Backup", value "Count"; the default when it is not set.
    static uint32_t CountSetting(const SettingsStore& settings);

    const std::string& Root() const { return m_root; }
    // 0: no versions are kept.
    uint32_t Count() const { return m_count; }
    std::string FolderOf(const std::string& databasePath) const;

    // Keeps the present content of the file as the database's newest version; nothing
    // when it could not be kept.
    std::optional<std::string> Keep(const std::string& databasePath, bool mayLink) const;
    // A linked version gets its own permissions once the saved file no longer shares it.
    static void Seal(const std::string& versionFile);
    static void Discard(const std::string& versionFile);
    // Removes the database's versions that are links to its present file (left by a save
    // that was killed before its rename); true when there were any.
    bool ForgetLinksTo(const std::string& databasePath) const;
    // Drops the oldest versions beyond Count (none while Count is 0).
    void Prune(const std::string& databasePath) const;
    // Newest first.
    std::vector<BackupVersion> Versions(const std::string& databasePath) const;

private:
    bool MakeFolder(const std::string& folder) const;

    std::string m_root;
    uint32_t m_count;
};

}  // namespace orvane

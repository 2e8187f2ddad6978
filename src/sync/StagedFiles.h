#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::sync {

// Files written whole and renamed into place, many at a time: each text goes to a hidden
// file beside its target (".orvane-sync-PID-N", which no vdir reader takes for an item), the
// file system is synced once for all of them, and then each is renamed over its target.
// A crash leaves every target old or new, never half written.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    // Staged files not committed are removed.
    ~StagedFiles();

    // False when the text could not be written (nothing is staged then).
    bool Stage(const std::string& target, std::string_view text);
    // Syncs and renames every staged file; the targets that could not be renamed are listed
    // in Failed(). The folders are synced last.
    void Commit();
    const std::vector<std::string>& Failed() const { return m_failed; }

    // One file on its own.
    static bool WriteWhole(const std::string& target, std::string_view text);

private:
    struct Staged {
        std::string temporary;
        std::string target;
    };
    std::vector<Staged> m_staged;
    std::vector<std::string> m_failed;
    int m_syncFd = -1;  // one staged file, to sync the file system through
};

}  // namespace orvane::sync

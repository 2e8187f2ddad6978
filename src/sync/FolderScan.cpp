#include "sync/FolderScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "storage/ReadWholeFile.h"
#include "sync/Fingerprint.h"

namespace orvane::sync {

bool FolderScan::NameTaken(const std::string& name) const
{
    struct stat info {};
    return m_given.count(name) > 0 || ::lstat((m_folder + "/" + name).c_str(), &info) == 0;
}

bool FolderScan::Scan(const std::string& folder, FolderKind kind, const SyncStatus& status)
{
    m_folder = folder;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        m_missing = errno == ENOENT;
        return m_missing;
    }
    if (const std::optional<FileStamp> stamp = FileStamp::Of(folder)) {
        m_folderTimeNs = stamp->modifiedNs;
    }
    std::vector<std::string> names;
    names.reserve(status.Entries().size());
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name[0] != '.' && name.ends_with(ItemFormat::Extension(kind))) {
            names.push_back(std::move(name));
        }
    }
    // Sorted, so that of two files with one UID the same is taken every time.
    std::sort(names.begin(), names.end());
    ByName byName;
    byName.reserve(status.Entries().size());
    for (const auto& known : status.Entries()) {
        byName.emplace(known.second.file, &known);
    }
    for (const std::string& name : names) {
        Add(::dirfd(dir), folder, name, kind, byName);
    }
    ::closedir(dir);
    return true;
}

void FolderScan::Add(int dirFd, const std::string& folder, const std::string& name, FolderKind kind,
                     const ByName& byName)
{
    const std::optional<FileStamp> stamp = FileStamp::Of(dirFd, name);
    if (!stamp) {
        return;  // gone since the listing
    }
    ++m_fileCount;
    const auto found = byName.find(name);
    const std::string* knownUid = found == byName.end() ? nullptr : &found->second->first;
    const StatusEntry* last = found == byName.end() ? nullptr : &found->second->second;
    FolderFile file{name, *stamp, 0, {}, false};
    std::string uid;
    if (last && last->stamp == *stamp) {
        file.hash = last->fileHash;
        uid = *knownUid;
    } else {
        std::optional<std::string> text = ReadWholeFile(folder + "/" + name);
        if (!text || !ItemFormat::IsComplete(*text, kind)) {
            m_notes.push_back(name +
                              " is not complete (still being written?); left for the next sync");
            if (last) {
                m_busy.insert(*knownUid);
            }
            return;
        }
        file.hash = Fingerprint::Of(*text);
        uid = last && last->fileHash == file.hash ? *knownUid : ItemFormat::UidOf(*text);
        file.text = std::move(*text);
        file.read = true;
    }
    const auto [it, added] = m_files.try_emplace(uid, std::move(file));
    if (!added) {
        m_notes.push_back(name + " has the UID of " + it->second.name + "; left alone");
    }
}

}  // namespace orvane::sync

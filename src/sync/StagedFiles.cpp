#include "sync/StagedFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "storage/FileWrites.h"

namespace orvane::sync {

namespace {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

StagedFiles::~StagedFiles()
{
    for (const Staged& staged : m_staged) {
        ::unlink(staged.temporary.c_str());
    }
    if (m_syncFd >= 0) {
        ::close(m_syncFd);
    }
}

bool StagedFiles::Stage(const std::string& target, std::string_view text)
{
    // A name of this process's own, so that the open needs no retries; the mode 0666 is
    // narrowed by the umask, which leaves items readable like the files vdirsyncer writes.
    static unsigned counter = 0;
    const std::string prefix =
        FolderOf(target) + "/.orvane-sync-" + std::to_string(::getpid()) + "-";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = prefix + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    if (!WriteAll(fd, text)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    if (m_syncFd < 0) {
        m_syncFd = fd;
    } else {
        ::close(fd);
    }
    m_staged.push_back({std::move(temporary), target});
    return true;
}

void StagedFiles::Commit()
{
    if (m_syncFd >= 0) {
        // One sync of the file system for all staged files; fsync() of each would cost a
        // disk flush per item.
        if (m_staged.size() == 1) {
            ::fsync(m_syncFd);
        } else {
            ::syncfs(m_syncFd);
        }
        ::close(m_syncFd);
        m_syncFd = -1;
    }
    std::set<std::string> folders;
    for (const Staged& staged : m_staged) {
        if (::rename(staged.temporary.c_str(), staged.target.c_str()) != 0) {
            ::unlink(staged.temporary.c_str());
            m_failed.push_back(staged.target);
            continue;
        }
        folders.insert(FolderOf(staged.target));
    }
    m_staged.clear();
    for (const std::string& folder : folders) {
        SyncFolder(folder);
    }
}

bool StagedFiles::WriteWhole(const std::string& target, std::string_view text)
{
    StagedFiles files;
    if (!files.Stage(target, text)) {
        return false;
    }
    files.Commit();
    return files.Failed().empty();
}

}  // namespace orvane::sync

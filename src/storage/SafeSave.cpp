#include "storage/SafeSave.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "storage/FileWrites.h"

namespace orvane {

namespace fs = std::filesystem;

namespace {

using Outcome = SafeSave::Outcome;
using Result = SafeSave::Result;
using Step = SafeSave::Step;

SafeSave::FaultInjector& Injector()
{
    static SafeSave::FaultInjector injector;
    return injector;
}

bool Fails(Step step)
{
    const auto& injector = Injector();
    return injector && injector(step);
}

// Closes the descriptor on every path out of a function.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : m_fd(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Saves of one folder take turns for the comparison and the swap, so that of two programs
// saving the same file the second sees the first one's result. Without a lock (a folder
// that cannot be opened) the save goes on unlocked.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : m_folder(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        Lock();
    }
    void Lock()
    {
        while (m_folder.Get() >= 0 && ::flock(m_folder.Get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    void Unlock()
    {
        if (m_folder.Get() >= 0) {
            ::flock(m_folder.Get(), LOCK_UN);
        }
    }
    // Makes a rename in the folder survive a power cut.
    void Sync()
    {
        if (!Fails(Step::SyncFolder) && m_folder.Get() >= 0) {
            ::fsync(m_folder.Get());
        }
    }

private:
    FileHandle m_folder;  // closing it releases the lock
};

struct Target {
    fs::path path;
    fs::path folder;
    bool exists = false;
    struct stat info {};
    // The rename would lose the file's other links, its owner or group, or is not allowed.
    bool inPlace = false;
};

bool InGroup(gid_t group)
{
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<size_t>(std::max(count, 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

bool CanGiveOwner(const struct stat& info)
{
    return ::geteuid() == 0 || (info.st_uid == ::geteuid() && InGroup(info.st_gid));
}

// The target, or nothing when it must not be written: not a regular file, or write-protected
// (for its owner, as the mode bits say even to root, or for the saving user).
std::optional<Target> Inspect(const std::string& path)
{
    Target target;
    target.path = SafeSave::ResolveTarget(path);
    target.folder = target.path.has_parent_path() ? target.path.parent_path() : fs::path(".");
    if (::lstat(target.path.c_str(), &target.info) != 0) {
        return errno == ENOENT ? std::optional(target) : std::nullopt;
    }
    target.exists = true;
    if (!S_ISREG(target.info.st_mode) || (target.info.st_mode & S_IWUSR) == 0 ||
        ::access(target.path.c_str(), W_OK) != 0) {
        return std::nullopt;
    }
    target.inPlace = target.info.st_nlink > 1 || ::access(target.folder.c_str(), W_OK) != 0 ||
                     !CanGiveOwner(target.info);
    return target;
}

// The new file takes the target's owner, group and mode (a new target stays owner-only).
bool TakeAttributes(int fd, const Target& target, bool& ownerLost)
{
    if (!target.exists) {
        return true;
    }
    struct stat mine {};
    if (::fstat(fd, &mine) != 0) {
        return false;
    }
    if ((mine.st_uid != target.info.st_uid || mine.st_gid != target.info.st_gid) &&
        ::fchown(fd, target.info.st_uid, target.info.st_gid) != 0) {
        ownerLost = true;
        return false;
    }
    return ::fchmod(fd, target.info.st_mode & 07777) == 0;
}

// The text in a new, synced file beside the target; its path, or nothing.
std::optional<std::string> WriteSibling(const Target& target, std::string_view text,
                                        bool& ownerLost)
{
    if (Fails(Step::CreateSibling)) {
        return std::nullopt;
    }
    std::string name = PartialFileTemplate(target.folder.string());
    FileHandle file(::mkostemp(name.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        return std::nullopt;
    }
    bool written = TakeAttributes(file.Get(), target, ownerLost) && !Fails(Step::WriteSibling) &&
                   WriteAll(file.Get(), text) && !Fails(Step::SyncSibling) &&
                   ::fsync(file.Get()) == 0;
    written = file.Close() && written;
    if (!written) {
        ::unlink(name.c_str());
        return std::nullopt;
    }
    return name;
}

// False when the file changed since the caller saw it and is not to be overwritten (a file
// that is gone loses nothing). The question is asked outside the lock, so that other saves
// need not wait for an answer.
bool MayReplace(const Target& target, const SafeSave::Options& options, FolderLock& lock)
{
    const std::optional<FileIdentity> now = FileIdentity::Of(target.path);
    if (!options.expected || !now || now == options.expected) {
        return true;
    }
    lock.Unlock();
    const bool overwrite = options.overwriteChanged && options.overwriteChanged();
    lock.Lock();
    return overwrite;
}

// Writes the text into the open file from its start and cuts what is left of the old text.
bool Overwrite(int fd, std::string_view text)
{
    return WriteAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 &&
           ::fsync(fd) == 0;
}

// After a failed write in place: the kept copy goes back into the file.
bool PutBack(const std::string& version, const fs::path& target)
{
    FileHandle from(::open(version.c_str(), O_RDONLY | O_CLOEXEC));
    FileHandle to(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    struct stat info {};
    return from.Get() >= 0 && to.Get() >= 0 && ::fstat(from.Get(), &info) == 0 &&
           CopyAll(from.Get(), to.Get()) && ::ftruncate(to.Get(), info.st_size) == 0 &&
           ::fsync(to.Get()) == 0 && to.Close();
}

Outcome ReplaceInPlace(const Target& target, std::string_view text,
                       const SafeSave::Options& options)
{
    FolderLock lock(target.folder);
    if (!MayReplace(target, options, lock)) {
        return {Result::Declined, std::nullopt};
    }
    // Without a copy to go back to, the file is not touched.
    const std::optional<std::string> version = options.backups && !Fails(Step::Backup)
                                                   ? options.backups->Keep(target.path, false)
                                                   : std::nullopt;
    if (!version) {
        return {};
    }
    FileHandle file(::open(target.path.c_str(), O_WRONLY | O_CLOEXEC));
    bool written = file.Get() >= 0 && !Fails(Step::WriteInPlace) && Overwrite(file.Get(), text);
    const std::optional<FileIdentity> identity = FileIdentity::OfOpenFile(file.Get());
    written = file.Close() && written;
    if (!written) {
        // The copy stays when it could not be put back: it is the old content.
        if (PutBack(*version, target.path)) {
            BackupStore::Discard(*version);
        }
        return {};
    }
    if (options.backups->Count() == 0) {
        BackupStore::Discard(*version);
    }
    options.backups->Prune(target.path);
    return {Result::Saved, identity};
}

Outcome ReplaceByRename(const Target& target, std::string_view text,
                        const SafeSave::Options& options)
{
    bool ownerLost = false;
    const std::optional<std::string> sibling = WriteSibling(target, text, ownerLost);
    if (!sibling) {
        return ownerLost ? ReplaceInPlace(target, text, options) : Outcome{};
    }
    FolderLock lock(target.folder);
    if (!MayReplace(target, options, lock)) {
        ::unlink(sibling->c_str());
        return {Result::Declined, std::nullopt};
    }
    // A backup that cannot be made does not stop the save: the rename alone is safe.
    std::optional<std::string> version;
    if (options.backups && options.backups->Count() > 0 && !Fails(Step::Backup) &&
        ::access(target.path.c_str(), F_OK) == 0) {
        version = options.backups->Keep(target.path, true);
    }
    if (Fails(Step::Rename) || ::rename(sibling->c_str(), target.path.c_str()) != 0) {
        ::unlink(sibling->c_str());
        if (version) {
            BackupStore::Discard(*version);
        }
        return {};
    }
    if (version) {
        BackupStore::Seal(*version);
        options.backups->Prune(target.path);
    }
    // The complete new content is in place now: a failed folder sync only means the rename
    // might not survive a power cut, and reporting failure would wrongly say nothing changed.
    lock.Sync();
    return {Result::Saved, FileIdentity::Of(target.path)};
}

}  // namespace

Outcome SafeSave::Write(const std::string& path, std::string_view text, const Options& options)
{
    std::optional<Target> target = path.empty() ? std::nullopt : Inspect(path);
    // A version linked by a save that was killed before its rename is no other link of the
    // user's: it goes (it holds the present content, which is kept again below).
    if (target && target->info.st_nlink > 1 && options.backups &&
        options.backups->ForgetLinksTo(target->path.string())) {
        target = Inspect(path);
    }
    if (!target) {
        return {};
    }
    RemoveDeadPartials(target->folder.string());
    return target->inPlace ? ReplaceInPlace(*target, text, options)
                           : ReplaceByRename(*target, text, options);
}

bool SafeSave::Write(const std::string& path, std::string_view text)
{
    Options options;
    options.backups = BackupStore::ForUser();
    return Write(path, text, options).result == Result::Saved;
}

void SafeSave::SetFaultInjector(FaultInjector injector)
{
    Injector() = std::move(injector);
}

std::string SafeSave::ResolveTarget(const std::string& path)
{
    fs::path target(path);
    std::error_code error;
    // The kernel's own limit on link chains.
    for (int depth = 0; depth < 40 && fs::is_symlink(target, error); ++depth) {
        const fs::path link = fs::read_symlink(target, error);
        if (error) {
            break;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

}  // namespace orvane

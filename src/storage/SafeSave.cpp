#include "storage/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

namespace orvane {

namespace fs = std::filesystem;

namespace {

SafeSave::FaultInjector& Injector()
{
    static SafeSave::FaultInjector injector;
    return injector;
}

std::string& LastTemporary()
{
    static std::string path;
    return path;
}

bool Fails(SafeSave::Step step)
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

bool WriteAll(int fd, std::string_view text)
{
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// The text in a fresh "ORV…" file of the temporary folder, written in one piece.
bool WriteTemporary(std::string_view text)
{
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error);
    if (error || Fails(SafeSave::Step::CreateTemporary)) {
        return false;
    }
    std::string name = (folder / "ORVXXXXXX.tmp").string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    FileHandle file(::mkostemps(buffer.data(), 4, O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    LastTemporary() = buffer.data();
    if (Fails(SafeSave::Step::WriteTemporary) || !WriteAll(file.Get(), text)) {
        return false;
    }
    return file.Close();
}

std::string SiblingName(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    static std::mt19937 random{std::random_device{}()};
    return (target.parent_path() /
            ("." + target.filename().string() + ".ORV" + std::to_string(::getpid()) + "-" +
             std::to_string(counter++) + "-" + std::to_string(random() % 100000)))
        .string();
}

// A new file beside the target with the target's permissions (or the usual ones for a new
// file), created exclusively so that no other file is ever overwritten.
int CreateSibling(const fs::path& target, std::string& siblingPath)
{
    if (Fails(SafeSave::Step::CreateSibling)) {
        return -1;
    }
    struct stat targetInfo {};
    const bool targetExists = ::stat(target.c_str(), &targetInfo) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = SiblingName(target);
        const int fd = ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        if (fd >= 0 && targetExists) {
            // Ownership can only be kept by root; a failure there is no reason to stop.
            if (::fchown(fd, targetInfo.st_uid, targetInfo.st_gid) != 0) {
                errno = 0;
            }
            if (::fchmod(fd, targetInfo.st_mode & 07777) != 0) {
                ::close(fd);
                ::unlink(siblingPath.c_str());
                return -1;
            }
        }
        return fd;
    }
    return -1;
}

bool SyncFolder(const fs::path& folder)
{
    if (Fails(SafeSave::Step::SyncFolder)) {
        return false;
    }
    FileHandle dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.Get() >= 0 && ::fsync(dir.Get()) == 0;
}

// The atomic last step: a complete, synced new file takes the target's name.
bool ReplaceTarget(const fs::path& target, std::string_view text)
{
    std::string siblingPath;
    FileHandle sibling(CreateSibling(target, siblingPath));
    if (sibling.Get() < 0) {
        return false;
    }
    const bool written = !Fails(SafeSave::Step::WriteSibling) && WriteAll(sibling.Get(), text) &&
                         !Fails(SafeSave::Step::SyncSibling) && ::fsync(sibling.Get()) == 0;
    const bool closed = sibling.Close();
    if (!written || !closed || Fails(SafeSave::Step::Rename) ||
        ::rename(siblingPath.c_str(), target.c_str()) != 0) {
        ::unlink(siblingPath.c_str());
        return false;
    }
    // The complete new content is in place now: a failed folder sync only means the rename
    // might not survive a power cut, and reporting failure would wrongly say nothing changed.
    SyncFolder(target.parent_path());
    return true;
}

}  // namespace

bool SafeSave::Write(const std::string& path, std::string_view text)
{
    LastTemporary().clear();
    if (path.empty() || !WriteTemporary(text)) {
        return false;
    }
    return ReplaceTarget(fs::path(ResolveTarget(path)), text);
}

void SafeSave::SetFaultInjector(FaultInjector injector)
{
    Injector() = std::move(injector);
}

const std::string& SafeSave::LastTemporaryFile()
{
    return LastTemporary();
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

#include "storage/BackupStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <filesystem>

#include "platform/Fnv1a.h"
#include "platform/SettingsStore.h"
#include "platform/UserFolders.h"
#include "storage/FileWrites.h"

namespace orvane {

namespace fs = std::filesystem;

namespace {

std::atomic<uint32_t> g_userCount{BackupStore::kDefaultCount};

const char kVersionExtension[] = ".pgr";

// UTC, so that names sort in the order of the saves across changes of the clock's zone.
std::string VersionName(const timespec& when)
{
    tm parts{};
    ::gmtime_r(&when.tv_sec, &parts);
    char name[64];
    const size_t length = std::strftime(name, sizeof name, "%Y%m%d-%H%M%S", &parts);
    std::snprintf(name + length, sizeof name - length, ".%09ld%s", when.tv_nsec, kVersionExtension);
    return name;
}

// The copy is written under a partial name and renamed when complete, so that a version
// is never a part of a file.
bool CopyInto(const std::string& source, const std::string& copy)
{
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        return false;
    }
    std::string partial = PartialFileTemplate(fs::path(copy).parent_path().string());
    const int to = ::mkostemp(partial.data(), O_CLOEXEC);
    struct stat info {};
    bool copied = to >= 0 && ::fstat(from, &info) == 0 && CopyAll(from, to);
    if (copied) {
        const timespec times[2] = {info.st_atim, info.st_mtim};
        ::futimens(to, times);
        copied = ::fsync(to) == 0;
    }
    ::close(from);
    if (to >= 0) {
        copied = ::close(to) == 0 && copied && ::rename(partial.c_str(), copy.c_str()) == 0;
        if (!copied) {
            ::unlink(partial.c_str());
        }
    }
    return copied;
}

}  // namespace

BackupStore::BackupStore(std::string root, uint32_t count) : m_root(std::move(root)), m_count(count)
{}

BackupStore BackupStore::ForUser()
{
    return BackupStore(UserFolders::ProgramData("backups"), g_userCount.load());
}

void BackupStore::SetUserCount(uint32_t count)
{
    g_userCount = count;
}

uint32_t BackupStore::CountSetting(const SettingsStore& settings)
{
    return settings.ReadNumber("Backup", "Count").value_or(kDefaultCount);
}

std::string BackupStore::FolderOf(const std::string& databasePath) const
{
    std::error_code error;
    fs::path path = fs::absolute(databasePath, error);
    const fs::path canonical = fs::weakly_canonical(path, error);
    if (!error) {
        path = canonical;
    }
    std::string name = path.filename().string().substr(0, 80);
    char hash[20];
    std::snprintf(hash, sizeof hash, "-%016llx",
                  static_cast<unsigned long long>(Fnv1a::Of(path.string())));
    return m_root + "/" + name + hash;
}

bool BackupStore::MakeFolder(const std::string& folder) const
{
    // Every level made here is private: the versions are the user's data.
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string level = folder.substr(0, slash);
        if (::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> BackupStore::Keep(const std::string& databasePath, bool mayLink) const
{
    const std::string folder = FolderOf(databasePath);
    if (!MakeFolder(folder)) {
        return std::nullopt;
    }
    RemoveDeadPartials(folder);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    for (int attempt = 0; attempt < 100; ++attempt, ++now.tv_nsec) {
        const std::string version = folder + "/" + VersionName(now);
        if (mayLink) {
            if (::link(databasePath.c_str(), version.c_str()) == 0) {
                return version;
            }
            if (errno == EEXIST) {
                continue;
            }
        }
        // Another file system, or linking not allowed: a copy.
        return CopyInto(databasePath, version) ? std::optional(version) : std::nullopt;
    }
    return std::nullopt;
}

void BackupStore::Seal(const std::string& versionFile)
{
    ::chmod(versionFile.c_str(), 0600);
}

void BackupStore::Discard(const std::string& versionFile)
{
    ::unlink(versionFile.c_str());
}

bool BackupStore::ForgetLinksTo(const std::string& databasePath) const
{
    struct stat present {};
    if (::stat(databasePath.c_str(), &present) != 0) {
        return false;
    }
    bool forgot = false;
    for (const BackupVersion& version : Versions(databasePath)) {
        struct stat info {};
        if (::lstat(version.file.c_str(), &info) == 0 && info.st_dev == present.st_dev &&
            info.st_ino == present.st_ino) {
            Discard(version.file);
            forgot = true;
        }
    }
    return forgot;
}

void BackupStore::Prune(const std::string& databasePath) const
{
    if (m_count == 0) {
        return;
    }
    const std::vector<BackupVersion> versions = Versions(databasePath);
    for (size_t i = m_count; i < versions.size(); ++i) {
        Discard(versions[i].file);
    }
}

std::vector<BackupVersion> BackupStore::Versions(const std::string& databasePath) const
{
    std::vector<BackupVersion> versions;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(databasePath), error)) {
        const std::string file = entry.path().string();
        struct stat info {};
        if (!file.ends_with(kVersionExtension) || ::lstat(file.c_str(), &info) != 0 ||
            !S_ISREG(info.st_mode)) {
            continue;
        }
        versions.push_back(
            {file, static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
             static_cast<int64_t>(info.st_size)});
    }
    std::sort(versions.begin(), versions.end(),
              [](const BackupVersion& a, const BackupVersion& b) { return a.file > b.file; });
    return versions;
}

}  // namespace orvane

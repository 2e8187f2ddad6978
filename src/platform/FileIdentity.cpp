#include "platform/FileIdentity.h"

#include <sys/stat.h>

namespace orvane {

namespace {

FileIdentity FromStat(const struct stat& info)
{
    FileIdentity identity;
    identity.device = static_cast<uint64_t>(info.st_dev);
    identity.inode = static_cast<uint64_t>(info.st_ino);
    identity.size = static_cast<int64_t>(info.st_size);
    identity.modifiedNs =
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return identity;
}

}  // namespace

std::optional<FileIdentity> FileIdentity::Of(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FromStat(info);
}

std::optional<FileIdentity> FileIdentity::OfOpenFile(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return std::nullopt;
    }
    return FromStat(info);
}

}  // namespace orvane

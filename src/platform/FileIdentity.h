#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// What tells one version of a file on disk from another: the same device, inode, size and
// modification time (to the nanosecond) mean nobody has replaced or rewritten it since.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    // Of the file a path leads to (links followed); nothing when there is none.
    static std::optional<FileIdentity> Of(const std::string& path);
    static std::optional<FileIdentity> OfOpenFile(int fd);

    bool operator==(const FileIdentity&) const = default;
};

}  // namespace orvane

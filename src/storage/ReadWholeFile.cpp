#include "storage/ReadWholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvane {

namespace {

// Reads to the end: the size is only a hint, the file may shrink or grow while it is read.
std::optional<std::string> ReadAll(int fd, size_t sizeHint)
{
    std::string buffer;
    // One byte more than the size, so that the read that finds the end needs no growth.
    buffer.resize(sizeHint + 1);
    size_t done = 0;
    for (;;) {
        if (done == buffer.size()) {
            buffer.resize(buffer.size() + 65536);
        }
        const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    buffer.resize(done);
    return buffer;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, FileIdentity* identity)
{
    // Opening a FIFO would wait for a writer and opening a device may act on it: look first,
    // and open without waiting.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> text;
    // Taken before the read, so that a change while reading shows as a change later.
    const std::optional<FileIdentity> before = FileIdentity::OfOpenFile(fd);
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        text = ReadAll(fd, static_cast<size_t>(info.st_size));
        if (text && identity && before) {
            *identity = *before;
        }
    }
    ::close(fd);
    return text;
}

}  // namespace orvane

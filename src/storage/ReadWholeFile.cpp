#include "storage/ReadWholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvane {

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        std::string buffer;
        // One byte more than the size, so that the read that finds the end needs no growth.
        buffer.resize(static_cast<size_t>(info.st_size) + 1);
        size_t done = 0;
        bool failed = false;
        // The size is only a hint: the file may shrink or grow while it is read.
        for (;;) {
            if (done == buffer.size()) {
                buffer.resize(buffer.size() + 65536);
            }
            const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                failed = got < 0;
                break;
            }
            done += static_cast<size_t>(got);
        }
        if (!failed) {
            buffer.resize(done);
            text = std::move(buffer);
        }
    }
    ::close(fd);
    return text;
}

}  // namespace orvane

#include "exchange/WholeFileWriter.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace orvane {

bool WholeFileWriter::Write(const std::string& path, std::string_view text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    size_t written = 0;
    // The kernel may take a large buffer in parts; anything short of all of it is a failure.
    while (ok && written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            ok = false;
        }
    }
    if (::close(fd) != 0) {
        ok = false;
    }
    return ok;
}

}  // namespace orvane

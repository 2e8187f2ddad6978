#include "storage/FileWrites.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvane {

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

bool CopyAll(int from, int to)
{
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        if (!WriteAll(to, std::string_view(buffer.data(), static_cast<size_t>(got)))) {
            return false;
        }
    }
}

}  // namespace orvane

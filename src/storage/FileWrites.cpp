#include "storage/FileWrites.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
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

std::string PartialFileTemplate(const std::string& folder)
{
    return folder + "/" + std::string(kPartialPrefix) + std::to_string(::getpid()) + "-XXXXXX";
}

void RemoveDeadPartials(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!std::string_view(entry->d_name).starts_with(kPartialPrefix)) {
            continue;
        }
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name + kPartialPrefix.size(), &end, 10);
        if (pid > 0 && *end == '-' && pid != ::getpid() &&
            ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

}  // namespace orvane

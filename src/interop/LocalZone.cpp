#include "interop/LocalZone.h"

#include <libical/ical.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace orvane::interop {

namespace {

// "…/zoneinfo/Europe/Berlin" gives "Europe/Berlin".
std::string AfterZoneinfo(const std::string& path)
{
    const size_t at = path.find("zoneinfo/");
    return at == std::string::npos ? std::string() : path.substr(at + 9);
}

std::string ConfiguredName()
{
    if (const char* tz = std::getenv("TZ")) {
        std::string name = tz;
        if (name.starts_with(":")) {
            name.erase(0, 1);
        }
        return name.starts_with("/") ? AfterZoneinfo(name) : name;
    }
    char target[4096];
    const ssize_t length = readlink("/etc/localtime", target, sizeof target - 1);
    if (length > 0) {
        return AfterZoneinfo(std::string(target, static_cast<size_t>(length)));
    }
    std::ifstream file("/etc/timezone");
    std::string name;
    std::getline(file, name);
    return name;
}

bool IsUtc(const std::string& name)
{
    static const char* const kNames[] = {"",         "UTC", "Etc/UTC", "Universal",     "Zulu",
                                         "Etc/Zulu", "GMT", "Etc/GMT", "Etc/Universal", "UCT",
                                         "Etc/UCT"};
    for (const char* known : kNames) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

struct Cache {
    std::string configured;
    bool filled = false;
    std::string name;
    icaltimezone* zone = nullptr;
};

Cache& Current()
{
    thread_local Cache cache;
    const std::string configured = ConfiguredName();
    if (!cache.filled || cache.configured != configured) {
        cache.filled = true;
        cache.configured = configured;
        cache.zone =
            IsUtc(configured) ? nullptr : icaltimezone_get_builtin_timezone(configured.c_str());
        cache.name = cache.zone ? configured : std::string();
    }
    return cache;
}

}  // namespace

std::string LocalZone::Name()
{
    return Current().name;
}

icaltimezone* LocalZone::Zone()
{
    return Current().zone;
}

}  // namespace orvane::interop

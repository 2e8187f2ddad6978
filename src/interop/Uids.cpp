#include "interop/Uids.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace orvane::interop {

std::string Uids::Make()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    const uint64_t high = (generator() & ~0xF000ULL) | 0x4000ULL;       // version 4
    const uint64_t low = (generator() & ~(3ULL << 62)) | (2ULL << 62);  // RFC 4122 variant
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx",
                  static_cast<unsigned>(high >> 32), static_cast<unsigned>((high >> 16) & 0xFFFF),
                  static_cast<unsigned>(high & 0xFFFF), static_cast<unsigned>(low >> 48),
                  static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return text;
}

std::string Uids::FromContent(std::string_view text)
{
    // Two FNV-1a hashes with different offsets: 128 bits, enough to keep files apart.
    uint64_t first = 0xcbf29ce484222325ULL, second = 0x84222325cbf29ce4ULL;
    for (char c : text) {
        first = (first ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        second = (second ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "orvane-%016llx%016llx",
                  static_cast<unsigned long long>(first), static_cast<unsigned long long>(second));
    return buffer;
}

}  // namespace orvane::interop

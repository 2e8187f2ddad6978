#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// The 64-bit FNV-1a hash: stable across runs, builds and machines, so it can name files and
// be kept in them.
class Fnv1a {
public:
    static constexpr uint64_t kOffsetBasis = 14695981039346656037ull;

    // Goes on from `hash`, the value of the bytes before (the offset basis for none).
    static uint64_t Of(std::string_view bytes, uint64_t hash = kOffsetBasis)
    {
        for (const unsigned char c : bytes) {
            hash = (hash ^ c) * 1099511628211ull;
        }
        return hash;
    }
};

}  // namespace orvane

#pragma once

#include <cstddef>
#include <vector>

#include "data/PimDateTime.h"

namespace orvane {

// The time spans of stored appointments, for asking whether a moment falls within any of
// them (both limits included). Spans whose end precedes their start contain nothing.
//
// Spans live in sorted blocks of 1, 2, 4, ... entries (the "logarithmic method"): adding
// merges equal-sized blocks like a binary counter, so n additions cost O(n log n) in all,
// and a question is a binary search per block over starts, answered by the largest end
// among the spans that start no later than the moment.
class AppointmentCollisionIndex {
public:
    void Add(const PimDateTime& start, const PimDateTime& end);
    // Some span has start <= moment <= end.
    bool Contains(const PimDateTime& moment) const;
    // The rule for a new appointment: its start or its end lies within a stored span.
    bool Collides(const PimDateTime& start, const PimDateTime& end) const
    {
        return Contains(start) || Contains(end);
    }
    size_t Size() const { return m_size; }

private:
    struct Span {
        PimDateTime start;
        PimDateTime end;
    };
    struct Block {
        std::vector<Span> spans;          // ascending start
        std::vector<PimDateTime> maxEnd;  // largest end among spans[0..i]
    };
    static void Seal(Block& block);

    std::vector<Block> m_blocks;  // block k is empty or holds 2^k spans
    size_t m_size = 0;
};

}  // namespace orvane

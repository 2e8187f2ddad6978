#pragma once

#include <cstddef>
#include <vector>

namespace orvane {

// The rows of one page: a run of consecutive row indexes.
struct RowRange {
    size_t first = 0;
    size_t count = 0;

    bool operator==(const RowRange&) const = default;
};

// Splits rows of equal height into pages. A row stays on a page while the y it ends at
// (where it is drawn) lies above the bottom; otherwise it opens the next page.
class RowPager {
public:
    // firstY is where the first row of every page starts. No rows give no pages. A row
    // taller than the page still gets a page of its own, so the first page may stay empty.
    static std::vector<RowRange> Split(size_t rowCount, int rowHeight, int firstY, int bottom);
};

}  // namespace orvane

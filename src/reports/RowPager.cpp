#include "reports/RowPager.h"

namespace orvane {

std::vector<RowRange> RowPager::Split(size_t rowCount, int rowHeight, int firstY, int bottom)
{
    std::vector<RowRange> pages;
    if (rowCount == 0) {
        return pages;
    }
    pages.push_back(RowRange{0, 0});
    int y = firstY;
    for (size_t row = 0; row < rowCount; ++row) {
        y += rowHeight;
        if (y < bottom) {
            ++pages.back().count;
        } else {
            pages.push_back(RowRange{row, 1});
            y = firstY + rowHeight;
        }
    }
    return pages;
}

}  // namespace orvane

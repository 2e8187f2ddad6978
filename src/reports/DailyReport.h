#pragma once

#include <string_view>
#include <vector>

#include "reports/Report.h"
#include "reports/RowPager.h"

namespace orvane {

// What the three daily reports share: one-line rows, the small size on narrow paper and
// the column measures of their layout.
class DailyReport : public Report {
public:
    using Report::Report;

protected:
    bool ShrinksOnNarrowPaper() const override { return true; }

    // Pages for rows one line high.
    std::vector<RowRange> SplitRows(size_t rowCount) const;
    // Moves the current y down one line and returns it: where the next row is drawn.
    int NextRowY();
    // One line of text at (x, y) cut at right.
    void DrawClipped(int x, int y, int right, std::string_view text);

    int Width() const { return PageRect().right - PageRect().left; }
    int Quarter() const { return Width() / 4; }
    int Eighth() const { return Quarter() / 2; }
    int HalfChar() const { return CharWidth() / 2; }
};

}  // namespace orvane

#include "reports/DailyReport.h"

namespace orvane {

std::vector<RowRange> DailyReport::SplitRows(size_t rowCount) const
{
    return RowPager::Split(rowCount, LineHeight(), FirstRowY(), PageRect().bottom);
}

int DailyReport::NextRowY()
{
    SetCurrentY(CurrentY() + LineHeight());
    return CurrentY();
}

void DailyReport::DrawClipped(int x, int y, int right, std::string_view text)
{
    GetCanvas().ClippedTextOut(x, y, Rect{x, y, right, y + LineHeight()}, text);
}

}  // namespace orvane

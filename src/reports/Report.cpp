#include "reports/Report.h"

#include "reports/ReportText.h"

namespace orvane {

Report::Report(Canvas& infoCanvas) : m_infoCanvas(infoCanvas), m_canvas(&infoCanvas)
{
    // Derived reports paginate once their rows are in place.
    BuildFonts();
    ComputePageRect();
}

void Report::BuildFonts()
{
    const int height = -(m_canvas->GetDeviceCaps(DeviceCap::LogPixelsY) * m_pointSize / 72);
    m_boldFont = m_canvas->CreateFont(m_face, height, 700);
    m_normalFont = m_canvas->CreateFont(m_face, height, 400);
    const Font previous = SelectNormalFont();
    m_canvas->SelectFont(previous);
}

Font Report::SelectNormalFont()
{
    const Font previous = m_canvas->SelectFont(m_normalFont);
    const TextMetrics tm = m_canvas->GetTextMetrics();
    m_lh = tm.height + tm.externalLeading;
    m_cw = tm.aveCharWidth;
    return previous;
}

void Report::SetFace(std::string_view face)
{
    m_face = face;
    BuildFonts();
    Paginate();
}

void Report::SetPointSize(int points)
{
    m_pointSize = points;
    BuildFonts();
    Paginate();
}

void Report::SetMargins(const Rect& thousandths)
{
    m_leftMargin = thousandths.left * 0.001;
    m_topMargin = thousandths.top * 0.001;
    m_rightMargin = thousandths.right * 0.001;
    m_bottomMargin = thousandths.bottom * 0.001;
    ComputePageRect();
    Paginate();
}

void Report::ComputePageRect()
{
    const double dpiX = m_canvas->GetDeviceCaps(DeviceCap::LogPixelsX);
    const double dpiY = m_canvas->GetDeviceCaps(DeviceCap::LogPixelsY);
    const double offX = m_canvas->GetDeviceCaps(DeviceCap::PhysicalOffsetX);
    const double offY = m_canvas->GetDeviceCaps(DeviceCap::PhysicalOffsetY);
    const double pageW = m_canvas->GetDeviceCaps(DeviceCap::PhysicalWidth);
    const double pageH = m_canvas->GetDeviceCaps(DeviceCap::PhysicalHeight);
    m_pageRect.left = static_cast<int>(dpiX * m_leftMargin - offX);
    m_pageRect.top = static_cast<int>(dpiY * m_topMargin - offY);
    m_pageRect.right = static_cast<int>(pageW - dpiX * m_rightMargin - offX);
    m_pageRect.bottom = static_cast<int>(pageH - dpiY * m_bottomMargin - offY);
    // The indent is the average character of the font in use now; a later change of font
    // keeps it until the margins are set again.
    m_leftX = m_pageRect.left + m_cw;
    m_centerX = m_leftX + (m_pageRect.right - m_pageRect.left) / 2;
}

void Report::DrawPage(Canvas& canvas, int pageIndex)
{
    m_canvas = &canvas;
    if (ShrinksOnNarrowPaper() && canvas.GetDeviceCaps(DeviceCap::PhysicalWidth) /
                                          canvas.GetDeviceCaps(DeviceCap::LogPixelsX) <
                                      kNarrowPaperInches) {
        SetPointSize(kNarrowPaperPointSize);
    }
    const Font previous = SelectNormalFont();
    DrawHeader();
    DrawFooter(pageIndex + 1);
    DrawBorder();
    m_y = FirstRowY();
    if (pageIndex >= 0 && pageIndex < m_pageCount) {
        DrawRows(pageIndex);
    }
    m_canvas->SelectFont(previous);
    m_canvas = &m_infoCanvas;
}

void Report::DrawInFont(const Font& font, int x, int y, std::string_view text)
{
    const Font previous = m_canvas->SelectFont(font);
    m_canvas->TextOut(x, y, text);
    m_canvas->SelectFont(previous);
}

void Report::DrawCentred(std::string_view text, int y)
{
    const Font previous = m_canvas->SelectFont(m_boldFont);
    const int width = m_canvas->GetTextExtent(text).cx;
    const int x = m_pageRect.left + ((m_pageRect.right - m_pageRect.left) - width) / 2;
    m_canvas->TextOut(x, y, text);
    m_canvas->SelectFont(previous);
}

void Report::DrawTitle(std::string_view title)
{
    DrawCentred(title, m_pageRect.top);
}

void Report::DrawHeading(int x, std::string_view text)
{
    DrawInFont(m_boldFont, x, FirstRowY(), text);
}

void Report::DrawFooter(int pageNumber)
{
    DrawCentred(ReportText::PageFooter(pageNumber), m_pageRect.bottom - m_lh);
}

void Report::DrawBorder()
{
    const int d = m_canvas->GetDeviceCaps(DeviceCap::LogPixelsX);
    const Rect& r = m_pageRect;
    Canvas& dc = *m_canvas;
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.left, r.bottom);
    dc.MoveTo(r.right, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.left + d, r.top);
    dc.MoveTo(r.right, r.top);
    dc.LineTo(r.right - d, r.top);
    dc.MoveTo(r.left, r.bottom);
    dc.LineTo(r.left + d, r.bottom);
    dc.MoveTo(r.right, r.bottom);
    dc.LineTo(r.right - d, r.bottom);
}

}  // namespace orvane

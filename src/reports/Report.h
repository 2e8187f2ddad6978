#pragma once

#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace orvane {

// A printable report: measures its rows against the printer's page, splits them into pages
// and draws any one page onto a canvas (the printer during printing, a picture in the
// preview). All layout arithmetic is integer and truncates toward zero.
//
// The information canvas given at construction must outlive the report; a page canvas is
// used only while DrawPage runs.
class Report {
public:
    static constexpr int kDefaultPointSize = 10;
    static constexpr std::string_view kDefaultFace = "Times New Roman";
    static constexpr int kNarrowPaperInches = 7;
    static constexpr int kNarrowPaperPointSize = 8;

    explicit Report(Canvas& infoCanvas);
    virtual ~Report() = default;
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Draws the page with the given index (from 0). An index at or beyond the page count
    // draws the frame (header, footer, border) without rows.
    virtual void DrawPage(Canvas& canvas, int pageIndex);

    int PageCount() const { return m_pageCount; }
    const Rect& PageRect() const { return m_pageRect; }
    void SetPageRect(const Rect& rect) { m_pageRect = rect; }
    Canvas& GetCanvas() const { return *m_canvas; }
    void SetCanvas(Canvas& canvas) { m_canvas = &canvas; }

    // Margins in thousandths of an inch; recomputes the page rectangle and the text
    // positions from the device, then paginates again.
    void SetMargins(const Rect& thousandths);
    // Both rebuild the fonts and paginate again.
    void SetFace(std::string_view face);
    void SetPointSize(int points);

    const std::string& Face() const { return m_face; }
    int PointSize() const { return m_pointSize; }
    const Font& BoldFont() const { return m_boldFont; }
    const Font& NormalFont() const { return m_normalFont; }
    int LineHeight() const { return m_lh; }
    int CharWidth() const { return m_cw; }
    // Left edge of texts: the page's left plus one average character.
    int LeftTextX() const { return m_leftX; }
    int CenterX() const { return m_centerX; }

protected:
    // The daily reports fall back to a small size on paper narrower than seven inches.
    virtual bool ShrinksOnNarrowPaper() const { return false; }
    virtual void DrawHeader() = 0;
    virtual void DrawFooter(int pageNumber);
    virtual void DrawBorder();
    // Draws the rows of a page that exists; the current y starts at top + 2 lines.
    virtual void DrawRows(int pageIndex) = 0;
    virtual void Paginate() = 0;

    // Title in bold, centred across the page, at its top.
    void DrawTitle(std::string_view title);
    // Column heading in bold on the line below the gap under the title.
    void DrawHeading(int x, std::string_view text);
    void DrawInFont(const Font& font, int x, int y, std::string_view text);
    // Selects the normal font, reads its metrics into lh and cw; returns the font replaced.
    Font SelectNormalFont();
    int FirstRowY() const { return m_pageRect.top + 2 * m_lh; }
    int CurrentY() const { return m_y; }
    void SetCurrentY(int y) { m_y = y; }
    void SetPageCount(int count) { m_pageCount = count; }

private:
    void BuildFonts();
    void ComputePageRect();
    void DrawCentred(std::string_view text, int y);

    Canvas& m_infoCanvas;
    Canvas* m_canvas;
    Font m_boldFont;
    Font m_normalFont;
    int m_lh = 0;
    int m_cw = 0;
    double m_leftMargin = 0.5;
    double m_rightMargin = 0.5;
    double m_topMargin = 0.5;
    double m_bottomMargin = 0.5;
    Rect m_pageRect;
    int m_leftX = 0;
    int m_centerX = 0;
    int m_y = 0;
    int m_pageCount = 0;
    int m_pointSize = kDefaultPointSize;
    std::string m_face{kDefaultFace};
};

}  // namespace orvane

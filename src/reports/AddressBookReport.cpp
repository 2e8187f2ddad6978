#include "reports/AddressBookReport.h"

#include <algorithm>
#include <cstring>

#include "reports/AddressLines.h"
#include "reports/ReportCollation.h"

namespace orvane {

AddressBookReport::AddressBookReport(Canvas& infoCanvas, std::vector<Person> persons)
    : Report(infoCanvas), m_persons(std::move(persons))
{
    ReportCollation::Sort(m_persons,
                          [](const Person& person) -> const std::string& { return person.RName; });
    Paginate();
}

void AddressBookReport::Paginate()
{
    m_pages = RowPager::Split(m_persons.size(), kBlockLines * LineHeight(), FirstRowY(),
                              PageRect().bottom);
    if (!m_persons.empty()) {
        SetPageCount(static_cast<int>(m_pages.size()));
    }
}

void AddressBookReport::DrawHeader()
{
    DrawTitle("ADDRESS BOOK");
}

void AddressBookReport::DrawRows(int pageIndex)
{
    const RowRange& page = m_pages[static_cast<size_t>(pageIndex)];
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        DrawBlock(m_persons[i]);
    }
}

void AddressBookReport::DrawBlock(const Person& person)
{
    const int y0 = CurrentY();
    DrawLeftColumn(person, y0);
    DrawRightColumn(person, y0);
    const int lh = LineHeight();
    GetCanvas().MoveTo(LeftTextX(), y0 + 7 * lh);
    GetCanvas().LineTo(PageRect().right, y0 + 7 * lh);
    SetCurrentY(y0 + kBlockLines * lh);
}

void AddressBookReport::DrawLeftColumn(const Person& person, int y0)
{
    Canvas& dc = GetCanvas();
    const int x = LeftTextX();
    const int lh = LineHeight();
    dc.TextOut(x, y0, AddressLines::NameLine(person.FName, person.LName));
    dc.TextOut(x, y0 + lh, "Company: " + person.Company);
    dc.TextOut(x, y0 + 2 * lh, "Position: " + person.Position);
    dc.TextOut(x, y0 + 3 * lh, person.Addr1);
    int cityY = y0 + 4 * lh;
    if (!person.Addr2.empty()) {
        dc.TextOut(x, cityY, person.Addr2);
        cityY += lh;
    }
    dc.TextOut(x, cityY, AddressLines::CityLine(person.City, person.State, person.Zip));
}

void AddressBookReport::DrawRightColumn(const Person& person, int y0)
{
    Canvas& dc = GetCanvas();
    const int x = CenterX();
    const int lh = LineHeight();
    std::string work = "Work Phone: " + person.WkPhone;
    if (!person.WkExt.empty()) {
        work += " Ext. " + person.WkExt;
    }
    dc.TextOut(x, y0, "Home Phone: " + person.HmPhone);
    dc.TextOut(x, y0 + lh, work);
    dc.TextOut(x, y0 + 2 * lh, "Fax: " + person.Fax);
    dc.TextOut(x, y0 + 3 * lh, "E-Mail: " + person.EMail);
    dc.TextOut(x, y0 + 4 * lh, "Pager: " + person.Pager);
    dc.TextOut(x, y0 + 5 * lh, "CelPhone: " + person.CelPhone);
    dc.TextOut(x, y0 + 6 * lh, "Web Page: " + person.WebPage);
}

}  // namespace orvane

#include "reports/EnvelopeReport.h"

#include <algorithm>

#include "reports/AddressLines.h"

namespace orvane {

EnvelopeReport::EnvelopeReport(Canvas& infoCanvas, std::vector<Person> persons, User owner,
                               bool businessMode)
    : Report(infoCanvas),
      m_persons(std::move(persons)),
      m_owner(std::move(owner)),
      m_businessMode(businessMode)
{
    std::stable_sort(m_persons.begin(), m_persons.end(),
                     [](const Person& a, const Person& b) { return a.ID < b.ID; });
    Paginate();
}

void EnvelopeReport::Paginate()
{
    SetPageCount(static_cast<int>(m_persons.size()));
}

void EnvelopeReport::DrawPage(Canvas& canvas, int pageIndex)
{
    Canvas& info = GetCanvas();
    SetCanvas(canvas);
    const Font previous = SelectNormalFont();
    DrawHeader();
    if (pageIndex >= 0 && pageIndex < PageCount()) {
        DrawRows(pageIndex);
    }
    canvas.SelectFont(previous);
    SetCanvas(info);
}

void EnvelopeReport::DrawHeader()
{
    std::vector<std::string> lines;
    lines.push_back(AddressLines::ReturnNameLine(m_owner.FName, m_owner.LName));
    if (m_businessMode) {
        lines.push_back(m_owner.Company);
    }
    lines.push_back(m_owner.Addr1);
    if (!m_owner.Addr2.empty()) {
        lines.push_back(m_owner.Addr2);
    }
    lines.push_back(AddressLines::CityLine(m_owner.City, m_owner.State, m_owner.Zip));
    DrawLines(lines, LeftTextX(), PageRect().top);
}

void EnvelopeReport::DrawRows(int pageIndex)
{
    const Person& person = m_persons[static_cast<size_t>(pageIndex)];
    const std::string city = AddressLines::CityLine(person.City, person.State, person.Zip);
    std::vector<std::string> lines;
    lines.push_back(AddressLines::NameLine(person.FName, person.LName));
    if (m_businessMode) {
        lines.push_back(person.Company);
    }
    lines.push_back(person.Addr1);
    if (!person.Addr2.empty()) {
        lines.push_back(person.Addr2);
    }
    lines.push_back(city);
    // Centred on the city line; the height is measured from the device's origin.
    const int x = CenterX() - GetCanvas().GetTextExtent(city).cx / 2;
    const int y = (PageRect().bottom - PageRect().top) / 2 + LineHeight();
    DrawLines(lines, x, y);
}

void EnvelopeReport::DrawLines(const std::vector<std::string>& lines, int x, int y)
{
    for (const std::string& line : lines) {
        GetCanvas().TextOut(x, y, line);
        y += LineHeight();
    }
}

}  // namespace orvane

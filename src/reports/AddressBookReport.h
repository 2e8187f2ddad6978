#pragma once

#include <vector>

#include "data/Person.h"
#include "reports/Report.h"
#include "reports/RowPager.h"

namespace orvane {

// The chosen persons' contact details, a block of eight lines each, sorted by display name
// in the collation of the process's locale (LC_COLLATE).
class AddressBookReport : public Report {
public:
    static constexpr int kBlockLines = 8;

    AddressBookReport(Canvas& infoCanvas, std::vector<Person> persons);

    // In printing order.
    const std::vector<Person>& Persons() const { return m_persons; }
    const std::vector<RowRange>& Pages() const { return m_pages; }

protected:
    void DrawHeader() override;
    void DrawRows(int pageIndex) override;
    void Paginate() override;

private:
    void DrawBlock(const Person& person);
    void DrawLeftColumn(const Person& person, int y0);
    void DrawRightColumn(const Person& person, int y0);

    std::vector<Person> m_persons;
    std::vector<RowRange> m_pages;
};

}  // namespace orvane

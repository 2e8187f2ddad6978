#include <gtest/gtest.h>

#include <tuple>

#include "reports/AddressBookReport.h"
#include "reports/AddressLines.h"
#include "reports/EnvelopeReport.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"

namespace orvane {
namespace {

using namespace orvane::test;

constexpr int kNormal = 400;
constexpr int kBlock = 8 * kLh;  // 904

Person Smith()
{
    Person p = MakePerson(7, "Anna", "Smith");
    p.Company = "Acme";
    p.Position = "Buyer";
    p.Addr1 = "1 Main St";
    p.Addr2 = "Suite 5";
    p.City = "Boston";
    p.State = "MA";
    p.Zip = "02110";
    p.HmPhone = "555-1000";
    p.WkPhone = "555-2000";
    p.WkExt = "12";
    p.Fax = "555-3000";
    p.EMail = "anna@acme.example";
    p.Pager = "555-4000";
    p.CelPhone = "555-5000";
    p.WebPage = "acme.example";
    return p;
}

Person Adams()
{
    Person p = MakePerson(3, "Bob", "Adams");
    p.Addr1 = "2 Oak Ave";
    p.City = "Salem";
    p.State = "OR";
    p.Zip = "97301";
    p.WkPhone = "555-6000";
    return p;
}

TEST(AddressLines, NameAndCityLines)
{
    struct Case {
        const char* first;
        const char* last;
        const char* name;
    };
    const Case names[] = {
        {"   ", "Smith", "Smith"}, {"  Anna ", "Smith", "Anna Smith"}, {"Anna", "", "Anna "}};
    for (const Case& c : names) {
        EXPECT_EQ(AddressLines::NameLine(c.first, c.last), c.name) << c.first << "|" << c.last;
    }

    struct CityCase {
        const char* city;
        const char* state;
        const char* zip;
        const char* line;
    };
    const CityCase cities[] = {
        {"Boston", "MA", "02110", "Boston, MA 02110"},
        {"  ", "MA", "02110", "MA 02110"},
        {"Boston", "MA", "", "Boston, MA"},
        {" Boston ", "", "", "Boston,"},
        {"", "", "02110", "02110"},
        {"", "", "", ""},
    };
    for (const CityCase& c : cities) {
        EXPECT_EQ(AddressLines::CityLine(c.city, c.state, c.zip), c.line) << c.city;
    }

    EXPECT_EQ(AddressLines::ReturnNameLine("Jane  ", "Owner"), "Jane Owner");
    EXPECT_EQ(AddressLines::ReturnNameLine("  Jane", "Owner"), "  Jane Owner");
}

TEST(AddressBookReport, BlocksWithAndWithoutSecondAddressLine)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.persons = {Smith(), Adams()};
    auto report = ReportFactory::Create(ReportKind::AddressBook, canvas, records, OneInch());
    ASSERT_EQ(report->PageCount(), 1);
    report->DrawPage(canvas, 0);

    const int y0 = kFirstRowY;
    const int y1 = kFirstRowY + kBlock;
    const std::vector<Placed> expected = {
        {2280, kTop, "ADDRESS BOOK", 700},
        {2415, kBottom - kLh, "Page 1", 700},
        // Adams sorts first; no second address line, so the city moves up.
        {kLx, y0, "Bob Adams", kNormal},
        {kLx, y0 + kLh, "Company: ", kNormal},
        {kLx, y0 + 2 * kLh, "Position: ", kNormal},
        {kLx, y0 + 3 * kLh, "2 Oak Ave", kNormal},
        {kLx, y0 + 4 * kLh, "Salem, OR 97301", kNormal},
        {kCentre, y0, "Home Phone: ", kNormal},
        {kCentre, y0 + kLh, "Work Phone: 555-6000", kNormal},
        {kCentre, y0 + 2 * kLh, "Fax: ", kNormal},
        {kCentre, y0 + 3 * kLh, "E-Mail: ", kNormal},
        {kCentre, y0 + 4 * kLh, "Pager: ", kNormal},
        {kCentre, y0 + 5 * kLh, "CelPhone: ", kNormal},
        {kCentre, y0 + 6 * kLh, "Web Page: ", kNormal},
        {kLx, y1, "Anna Smith", kNormal},
        {kLx, y1 + kLh, "Company: Acme", kNormal},
        {kLx, y1 + 2 * kLh, "Position: Buyer", kNormal},
        {kLx, y1 + 3 * kLh, "1 Main St", kNormal},
        {kLx, y1 + 4 * kLh, "Suite 5", kNormal},
        {kLx, y1 + 5 * kLh, "Boston, MA 02110", kNormal},
        {kCentre, y1, "Home Phone: 555-1000", kNormal},
        {kCentre, y1 + kLh, "Work Phone: 555-2000 Ext. 12", kNormal},
        {kCentre, y1 + 2 * kLh, "Fax: 555-3000", kNormal},
        {kCentre, y1 + 3 * kLh, "E-Mail: anna@acme.example", kNormal},
        {kCentre, y1 + 4 * kLh, "Pager: 555-4000", kNormal},
        {kCentre, y1 + 5 * kLh, "CelPhone: 555-5000", kNormal},
        {kCentre, y1 + 6 * kLh, "Web Page: acme.example", kNormal},
    };
    EXPECT_EQ(Placements(canvas), expected);

    // Six border marks, then one rule under each block.
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 8u);
    for (int block = 0; block < 2; ++block) {
        const auto& rule = lines[6 + static_cast<size_t>(block)];
        const int y = kFirstRowY + block * kBlock + 7 * kLh;
        EXPECT_EQ(std::make_tuple(rule.x, rule.y, rule.x2, rule.y2),
                  std::make_tuple(kLx, y, kRight, y));
    }
}

TEST(AddressBookReport, FiveBlocksFitAPage)
{
    // 826 + 5 * 904 = 5346 < 6000; a sixth block would end at 6250.
    RecordingCanvas canvas;
    ReportRecords records;
    for (int i = 1; i <= 6; ++i) {
        records.persons.push_back(MakePerson(i, "P", "Name" + std::to_string(i)));
    }
    auto report = ReportFactory::Create(ReportKind::AddressBook, canvas, records, OneInch());
    EXPECT_EQ(report->PageCount(), 2);
    report->DrawPage(canvas, 1);
    const auto placed = Placements(canvas);
    ASSERT_GT(placed.size(), 2u);
    EXPECT_EQ(placed[2], (Placed{kLx, kFirstRowY, "P Name6", kNormal}));
}

TEST(AddressBookReport, SortsByDisplayNameWithoutRegardToCaseSmallLettersFirst)
{
    // Case decides only between names that are otherwise equal, the small letter first:
    // the order of the desktop's name lists. Equal names keep their order.
    RecordingCanvas canvas;
    std::vector<Person> persons = {MakePerson(1, "anna", "smith"), MakePerson(2, "Anna", "Smith"),
                                   MakePerson(3, "", "Adams"),     MakePerson(4, "ANNA", "SMITH"),
                                   MakePerson(5, "Anna", "Smith"), MakePerson(6, "bob", "baker"),
                                   MakePerson(7, "Cy", "Carr")};
    AddressBookReport report(canvas, persons);
    std::vector<int> order;
    for (const Person& p : report.Persons()) {
        order.push_back(p.ID);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 6, 7, 1, 2, 5, 4}));
}

TEST(EnvelopeReport, BusinessModeAddressesWithoutFooterOrBorder)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.persons = {Smith()};
    records.owner.FName = "Jane  ";
    records.owner.LName = "Owner";
    records.owner.Company = "Owner Inc";
    records.owner.Addr1 = "9 Elm St";
    records.owner.City = "Salem";
    records.owner.State = "OR";
    records.owner.Zip = "97301";
    records.businessMode = true;
    auto report = ReportFactory::Create(ReportKind::Envelopes, canvas, records, OneInch());
    report->DrawPage(canvas, 0);

    // Recipient: left edge c - width("Boston, MA 02110") / 2 = 2591 - 16 * 41 / 2,
    // first line at (6000 - 600) / 2 + 113.
    const int rx = 2263;
    const int ry = 2813;
    const std::vector<Placed> expected = {
        {kLx, kTop, "Jane Owner", kNormal},
        {kLx, kTop + kLh, "Owner Inc", kNormal},
        {kLx, kTop + 2 * kLh, "9 Elm St", kNormal},
        {kLx, kTop + 3 * kLh, "Salem, OR 97301", kNormal},
        {rx, ry, "Anna Smith", kNormal},
        {rx, ry + kLh, "Acme", kNormal},
        {rx, ry + 2 * kLh, "1 Main St", kNormal},
        {rx, ry + 3 * kLh, "Suite 5", kNormal},
        {rx, ry + 4 * kLh, "Boston, MA 02110", kNormal},
    };
    EXPECT_EQ(Placements(canvas), expected);
    EXPECT_TRUE(canvas.Lines().empty());
    EXPECT_EQ(canvas.SelectedFont().face, "System");
}

TEST(EnvelopeReport, PersonalModeHasNoCompanyLines)
{
    RecordingCanvas canvas;
    User owner;
    owner.LName = "Owner";
    owner.Company = "Owner Inc";
    Person adams = Adams();
    adams.Company = "Adams & Co";
    EnvelopeReport report(canvas, {adams}, owner, false);
    report.SetMargins({1000, 1000, 1000, 1000});
    report.DrawPage(canvas, 0);
    EXPECT_EQ(TextsOf(canvas), (std::vector<std::string>{" Owner", "", "", "Bob Adams", "2 Oak Ave",
                                                         "Salem, OR 97301"}));
    // Centred on "Salem, OR 97301": 15 characters of 41.
    EXPECT_EQ(canvas.Texts()[3].x, kCentre - 15 * kCw / 2);
}

TEST(EnvelopeReport, OnePagePerPersonInIdOrder)
{
    RecordingCanvas canvas;
    std::vector<Person> persons;
    for (int id : {5, 2, 10, 1}) {
        persons.push_back(MakePerson(id, "P", std::to_string(id)));
    }
    EnvelopeReport report(canvas, persons, User{}, false);
    ASSERT_EQ(report.PageCount(), 4);
    const char* expected[] = {"P 1", "P 2", "P 5", "P 10"};
    for (int page = 0; page < 4; ++page) {
        canvas.ClearItems();
        report.DrawPage(canvas, page);
        EXPECT_TRUE(HasText(canvas, expected[page])) << page;
    }
}

}  // namespace
}  // namespace orvane

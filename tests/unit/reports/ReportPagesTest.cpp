#include <gtest/gtest.h>

#include "reports/AddressBookReport.h"
#include "reports/AddressLines.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"
#include "support/Golden.h"

namespace orvane {
namespace {

using namespace orvane::test;

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

Person Adams(int id = 3)
{
    Person p = MakePerson(id, "Bob", "Adams");
    p.Company = "Adams & Co";
    p.Addr1 = "2 Oak Ave";
    p.City = "Salem";
    p.State = "OR";
    p.Zip = "97301";
    p.WkPhone = "555-6000";
    return p;
}

struct Scenario {
    const char* name;
    ReportKind kind;
    ReportRecords records;
    Rect margins{1000, 1000, 1000, 1000};
    std::string face = "Times New Roman";
    int points = 10;
    DeviceMetrics device = DeviceMetrics::Letter600();
};

Scenario DailyTasks(const char* name, int tasks, Rect margins, const char* face = "Times New Roman",
                    int points = 10, DeviceMetrics device = DeviceMetrics::Letter600())
{
    Scenario s{name, ReportKind::DailyTasks, {}, margins, face, points, device};
    s.records.tasks = ManyTasks(tasks);
    return s;
}

std::vector<Scenario> Scenarios()
{
    // A bottom margin of 8.5 inches leaves room for five rows of a daily report and two
    // blocks of the address book, so that page breaks need few records.
    const Rect shortPage{1000, 1000, 1000, 8500};
    const Rect twoBlocks{1000, 1000, 1000, 6000};
    const Rect inch{1000, 1000, 1000, 1000};
    std::vector<Scenario> s;
    s.push_back({"daily appointments", ReportKind::DailyAppointments, {}});
    s.back().records.appointments = {MakeAppointment(4, "Dentist", 9, 5, 10, 30),
                                     MakeAppointment(2, std::string(60, 'x'), 13, 0, 14, 15)};
    s.push_back({"daily tasks, every priority", ReportKind::DailyTasks, {}});
    s.back().records.tasks = {MakeTask(1, "Buy milk", 0), MakeTask(5, "File taxes", 3, 9),
                              MakeTask(6, "Call", 1), MakeTask(7, "Four", 4),
                              MakeTask(8, "Minus", -1)};
    s.push_back(DailyTasks("daily tasks over three pages", 12, shortPage));
    s.push_back({"daily plan", ReportKind::DailyPlan, {}});
    s.back().records.appointments = {MakeAppointment(1, "Dentist", 9, 5, 10, 30)};
    s.back().records.tasks = {MakeTask(1, "Buy milk", 2), MakeTask(2, "Pay rent", 3, 9)};
    s.push_back({"daily plan, more appointments", ReportKind::DailyPlan, {}, shortPage});
    for (int i = 1; i <= 7; ++i) {
        s.back().records.appointments.push_back(
            MakeAppointment(i, "Appt " + std::to_string(i), 9, 0, 10, 0));
    }
    s.back().records.tasks = ManyTasks(2);
    s.push_back({"daily plan, more tasks", ReportKind::DailyPlan, {}, shortPage});
    s.back().records.appointments = {MakeAppointment(1, "Dentist", 9, 5, 10, 30)};
    s.back().records.tasks = ManyTasks(7);
    s.push_back({"empty daily plan", ReportKind::DailyPlan, {}});
    s.push_back({"address book", ReportKind::AddressBook, {}});
    s.back().records.persons = {Smith(), Adams()};
    s.push_back({"address book over two pages", ReportKind::AddressBook, {}, twoBlocks});
    for (int i = 1; i <= 3; ++i) {
        s.back().records.persons.push_back(MakePerson(i, "P", "Name" + std::to_string(i)));
    }
    s.push_back({"envelopes, business", ReportKind::Envelopes, {}});
    s.back().records.persons = {Smith()};
    s.back().records.owner.FName = "Jane  ";
    s.back().records.owner.LName = "Owner";
    s.back().records.owner.Company = "Owner Inc";
    s.back().records.owner.Addr1 = "9 Elm St";
    s.back().records.owner.City = "Salem";
    s.back().records.owner.State = "OR";
    s.back().records.owner.Zip = "97301";
    s.back().records.businessMode = true;
    // Personal envelopes leave the company out, one page per person in ID order.
    s.push_back({"envelopes, personal", ReportKind::Envelopes, {}});
    s.back().records.persons = {Adams(5), Adams(2), MakePerson(10, "P", "10")};
    s.back().records.persons[0].FName = "Eve";
    s.back().records.owner.LName = "Owner";
    s.back().records.owner.Company = "Owner Inc";
    // 600 * 11 / 72 = 91.67 cuts to 91; a line is the height, a quarter and an eighth.
    s.push_back(DailyTasks("11-point Arial", 2, inch, "Arial", 11));
    // The margins apply first, so the indent is the 10-point character width.
    s.push_back(DailyTasks("12-point Arial", 2, {500, 500, 500, 500}, "Arial", 12));
    DeviceMetrics offset = DeviceMetrics::Letter600();
    offset.offsetX = 100;
    offset.offsetY = 120;
    s.push_back(DailyTasks("a printer's physical offset", 2, inch, "Arial", 10, offset));
    // 0.333 inch is 199.8 dots, 0.959 inch 575.4: both cut toward zero.
    s.push_back(DailyTasks("margins in fractions of a dot", 2, {333, 500, 959, 0}));
    s.push_back(DailyTasks("300 dpi", 2, {500, 250, 750, 1250}, "Arial", 10,
                           DeviceMetrics::Sheet(8.5, 11, 300)));
    // Daily reports on paper narrower than seven inches switch to 8 points when drawn, so
    // that 6 x 9 inches holds 44 rows a page instead of 35; the other reports do not.
    const char* times = "Times New Roman";
    s.push_back(DailyTasks("daily tasks, narrow paper", 40, inch, times, 10,
                           DeviceMetrics::Sheet(6, 9, 600)));
    s.push_back(DailyTasks("daily tasks, seven inches wide", 2, inch, times, 10,
                           DeviceMetrics::Sheet(7, 9, 600)));
    for (const auto& [name, kind] :
         {std::pair{"address book, narrow paper", ReportKind::AddressBook},
          {"envelopes, narrow paper", ReportKind::Envelopes}}) {
        s.push_back({name, kind, {}, inch, times, 10, DeviceMetrics::Sheet(6.99, 9, 600)});
        s.back().records.persons = {Smith()};
    }
    return s;
}

// Every text and line of every page of each report, on the 600-dpi letter canvas.
TEST(ReportPages, EveryItemOfEveryPageMatchesTheGoldenFile)
{
    std::string out;
    for (const Scenario& s : Scenarios()) {
        RecordingCanvas canvas(s.device);
        auto report = ReportFactory::Create(s.kind, canvas, s.records,
                                            PrintSettings{s.margins, s.face, s.points});
        // The measuring leaves the canvas as it was.
        EXPECT_EQ(canvas.SelectedFont().face, "System") << s.name;
        out += "== " + std::string(s.name) + ": " + std::to_string(report->PageCount()) +
               " pages in " + report->NormalFont().face + "\n";
        for (int page = 0; page < std::max(1, report->PageCount()); ++page) {
            canvas.ClearItems();
            report->DrawPage(canvas, page);
            out += "-- page " + std::to_string(page + 1) + "\n" + Dump(canvas);
            // The page canvas gets its own font back.
            EXPECT_EQ(canvas.SelectedFont().face, "System") << s.name;
        }
    }
    ExpectGolden(out, "reports/pages.txt");
}

TEST(AddressLines, NameAndCityLines)
{
    for (const auto& row : RowsOf("reports/address-lines.txt")) {
        const std::string line = row[0] == "name" ? AddressLines::NameLine(row[1], row[2])
                                 : row[0] == "return"
                                     ? AddressLines::ReturnNameLine(row[1], row[2])
                                     : AddressLines::CityLine(row[1], row[2], row[3]);
        EXPECT_EQ(line, row.back()) << row[0] << " " << row[1] << "|" << row[2];
    }
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

}  // namespace
}  // namespace orvane

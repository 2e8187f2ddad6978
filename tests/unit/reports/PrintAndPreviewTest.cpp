#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "reports/PersonPickerModel.h"
#include "reports/PreviewNavigator.h"
#include "reports/PrintLoop.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"
#include "reports/ReportFontRule.h"
#include "reports/ReportGatherer.h"

namespace orvane {
namespace {

using namespace orvane::test;

// A printer document that records its pages and can refuse to finish one.
class FakeTarget : public PrintTarget {
public:
    explicit FakeTarget(DeviceMetrics metrics = DeviceMetrics::Letter600()) : canvas(metrics) {}

    bool StartPage() override
    {
        ++started;
        return true;
    }
    Canvas& PageCanvas() override { return canvas; }
    bool EndPage() override { return ++ended != failAtEnd; }

    RecordingCanvas canvas;
    int started = 0;
    int ended = 0;
    int failAtEnd = -1;
};

struct PrintRun {
    PrintLoop::Result result;
    std::vector<std::string> statuses;
};

PrintRun Print(Report& report, FakeTarget& target)
{
    PrintRun run;
    run.result = PrintLoop::Run(report, target,
                                [&run](const std::string& text) { run.statuses.push_back(text); });
    return run;
}

std::unique_ptr<Report> TasksReport(Canvas& info, int tasks)
{
    ReportRecords records;
    records.tasks = ManyTasks(tasks);
    return ReportFactory::Create(ReportKind::DailyTasks, info, records, PrintSettings{});
}

TEST(PrintLoop, EveryPageWithItsStatusAndFooter)
{
    RecordingCanvas info;
    auto report = TasksReport(info, 4 * kRowsPerPage + 1);
    FakeTarget target;
    const PrintRun run = Print(*report, target);
    EXPECT_FALSE(run.result.failed);
    EXPECT_EQ(run.result.pagesPrinted, 5);
    EXPECT_EQ(run.statuses, (std::vector<std::string>{"Page 1 of 5", "Page 2 of 5", "Page 3 of 5",
                                                      "Page 4 of 5", "Page 5 of 5"}));
    for (int page = 1; page <= 5; ++page) {
        EXPECT_TRUE(HasText(target.canvas, "Page " + std::to_string(page))) << page;
    }
    EXPECT_EQ(target.canvas.SavedStates(), 0);
    EXPECT_EQ(target.canvas.UnbalancedRestores(), 0);
    EXPECT_EQ(info.Items().size(), 0u);
}

TEST(PrintLoop, StopsWhenAPageFailsAndPrintsNothingWithoutPages)
{
    RecordingCanvas info;
    auto report = TasksReport(info, 3 * kRowsPerPage);
    FakeTarget target;
    target.failAtEnd = 2;
    PrintRun run = Print(*report, target);
    EXPECT_TRUE(run.result.failed);
    EXPECT_EQ(run.result.pagesPrinted, 1);
    EXPECT_EQ(target.started, 2);

    auto empty = ReportFactory::Create(ReportKind::DailyTasks, info, {}, PrintSettings{});
    FakeTarget idle;
    run = Print(*empty, idle);
    EXPECT_EQ(run.result.pagesPrinted, 0);
    EXPECT_EQ(idle.started, 0);
    EXPECT_TRUE(run.statuses.empty());
    EXPECT_FALSE(PrintLoop::DrawPage(*empty, idle.canvas, 0, nullptr));
    EXPECT_TRUE(idle.canvas.Items().empty());
}

TEST(PrintLoop, PagesBeyondAShrunkCountAreNotPrinted)
{
    // On 6-inch paper the first page switches to 8 points and 40 rows fit on one page.
    const DeviceMetrics narrow = DeviceMetrics::Sheet(6, 9, 600);
    RecordingCanvas info(narrow);
    auto report = TasksReport(info, 40);
    ASSERT_EQ(report->PageCount(), 2);
    FakeTarget target(narrow);
    const PrintRun run = Print(*report, target);
    EXPECT_EQ(run.result.pagesPrinted, 1);
    EXPECT_EQ(run.statuses, (std::vector<std::string>{"Page 1 of 2"}));
}

// The zoom steps' sizes are the preview window's test.
TEST(PreviewNavigator, Pages)
{
    PreviewNavigator nav;
    nav.Start(3);
    EXPECT_FALSE(nav.CanPrevious());
    EXPECT_TRUE(nav.Next());
    EXPECT_TRUE(nav.Next());
    EXPECT_EQ(nav.CurrentPage(), 2);
    EXPECT_FALSE(nav.CanNext());
    EXPECT_FALSE(nav.Next());

    // Page setup made the report shorter: the page stays, and only going back is offered.
    nav.SetPageCount(2);
    EXPECT_FALSE(nav.HasPage());
    EXPECT_FALSE(nav.CanNext());
    EXPECT_TRUE(nav.Previous());
    EXPECT_TRUE(nav.HasPage());

    // Three steps in from fit and no further; a new start is at fit again.
    EXPECT_FALSE(nav.ZoomOut());
    EXPECT_TRUE(nav.ZoomIn() && nav.ZoomIn() && nav.ZoomIn());
    EXPECT_FALSE(nav.ZoomIn());
    nav.Start(0);
    EXPECT_FALSE(nav.HasPage());
    EXPECT_FALSE(nav.CanNext());
    EXPECT_TRUE(nav.IsFit());
}

TEST(PreviewNavigator, PictureSizeInHundredthsOfAMillimetre)
{
    EXPECT_EQ(PreviewNavigator::PictureSize(RecordingCanvas()), (Size{21590, 27940}));
    DeviceMetrics odd = DeviceMetrics::Letter600();
    odd.dpiX = 300;
    odd.physicalWidth = 2551;  // 21598.47
    odd.dpiY = 72;
    odd.physicalHeight = 793;  // 27975.28
    EXPECT_EQ(PreviewNavigator::PictureSize(RecordingCanvas(odd)), (Size{21598, 27975}));
}

TEST(ReportFontRule, WholePointsAndDialogHeight)
{
    const std::pair<int, int> tenths[] = {{115, 11}, {100, 10}, {99, 9}, {80, 8}, {5, 0}};
    for (const auto& [given, points] : tenths) {
        EXPECT_EQ(ReportFontRule::PointsFromTenths(given), points) << given;
    }
    EXPECT_EQ(ReportFontRule::DialogHeight(96, 10), -13);  // 13.33
    EXPECT_EQ(ReportFontRule::DialogHeight(96, 11), -15);  // 14.67
    EXPECT_EQ(ReportFontRule::DialogHeight(36, 1), -1);    // 0.5 rounds away from zero
    EXPECT_EQ(ReportFontRule::DialogFace("Times New Roman"), "Times New Roman");
    EXPECT_EQ(ReportFontRule::DialogFace(std::string(40, 'a')), std::string(31, 'a'));
    // "é" takes bytes 31 and 32: it is left out whole.
    EXPECT_EQ(ReportFontRule::DialogFace(std::string(30, 'a') + "é"), std::string(30, 'a'));
}

TEST(PersonPickerModel, ItemsSelectionAndChoice)
{
    RecordCollection<Person> book;
    Person smith = MakePerson(0, "Anna", "Smith");
    smith.Company = "Acme";
    smith.WhitePages = 1;
    Person adams = MakePerson(0, "Bob", "Adams");
    adams.WhitePages = adams.YellowPages = 1;
    Person firm = MakePerson(0, "", "");
    firm.Company = "Zeta";
    firm.YellowPages = 1;
    for (const Person& p : {smith, adams, firm}) {
        book.Add(p);
    }
    const auto texts = [](const PersonPickerModel& model) {
        std::vector<std::string> items;
        for (const auto& item : model.Items()) {
            items.push_back(std::to_string(item.id) + " " + item.text);
        }
        return items;
    };
    // An empty name gives no leading blank.
    EXPECT_EQ(texts(PersonPickerModel(PersonPickerModel::Offered(book, true))),
              (std::vector<std::string>{"3 (Zeta)", "2 Adams, Bob"}));
    PersonPickerModel white(PersonPickerModel::Offered(book, false));
    EXPECT_EQ(texts(white), (std::vector<std::string>{"2 Adams, Bob", "1 Smith, Anna (Acme)"}));
    white.SetSelection({3});  // not offered in the White Pages
    EXPECT_FALSE(white.CanAccept());
    EXPECT_TRUE(white.Chosen().empty());
    white.SetSelection({2, 1});
    const auto chosen = white.Chosen();
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].RName + "|" + chosen[1].RName, "Smith, Anna|Adams, Bob");
}

TEST(ReportGatherer, CopiesWhatThePanesList)
{
    PimDatabase db;
    for (int i = 1; i <= 3; ++i) {
        db.Tasks().Add(MakeTask(0, "Task " + std::to_string(i), 0));
        db.Appointments().Add(MakeAppointment(0, "Appt " + std::to_string(i), 9, 0, 10, 0));
    }
    const auto tasks = ReportGatherer::Tasks({3, 1, 99}, db);
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].Description, "Task 3");
    EXPECT_EQ(tasks[1].Description, "Task 1");

    // Rows without a description are skipped, and so is a row repeating the last copied ID.
    const auto appointments = ReportGatherer::Appointments(
        {{2, "Appt 2"}, {2, "Appt 2"}, {0, ""}, {1, ""}, {3, "Appt 3"}, {2, "Appt 2"}}, db);
    std::vector<int> ids;
    for (const auto& a : appointments) {
        ids.push_back(a.ID);
    }
    EXPECT_EQ(ids, (std::vector<int>{2, 3, 2}));
}

}  // namespace
}  // namespace orvane

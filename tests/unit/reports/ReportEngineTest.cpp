#include <gtest/gtest.h>

#include "reports/DailyTasksReport.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"
#include "reports/RowPager.h"

namespace orvane {
namespace {

using namespace orvane::test;

TEST(RecordingCanvas, MetricsFollowTheFontHeight)
{
    // Every position in the golden pages rests on these.
    RecordingCanvas canvas;
    const TextMetrics normal = canvas.MetricsOf(Font{"Times New Roman", -83, 400});
    EXPECT_EQ(normal.height + normal.externalLeading, kLh);
    EXPECT_EQ(normal.aveCharWidth, 41);
    EXPECT_EQ(canvas.MetricsOf(Font{"Times New Roman", -83, 700}).aveCharWidth, 45);
    // A positive height is the cell: the characters are four fifths of it.
    EXPECT_EQ(canvas.MetricsOf(Font{"Arial", 100, 400}).height, 100);
    canvas.SelectFont(Font{"Arial", -40, 700});
    EXPECT_EQ(canvas.GetTextExtent("Zürich"), (Size{6 * 22, 50}));
}

// Fonts, indent and page box for other settings and devices are in the golden pages.
TEST(ReportEngine, DefaultsBeforeAnySettingsApply)
{
    // Times New Roman at 10 points, half-inch margins.
    RecordingCanvas canvas;
    DailyTasksReport report(canvas, ManyTasks(1));
    EXPECT_EQ(report.Face() + " " + std::to_string(report.PointSize()), "Times New Roman 10");
    EXPECT_EQ(report.PageRect(), (Rect{300, 300, 4800, 6300}));
    EXPECT_EQ(ReportFactory::Create(ReportKind::None, canvas, {}, PrintSettings{}), nullptr);
}

TEST(RowPager, RowsGoToTheNextPageAtTheBottom)
{
    const struct {
        size_t rows;
        int height, firstY, bottom;
        std::vector<RowRange> expected;
    } cases[] = {
        {0, 10, 0, 100, {}},
        {3, 10, 0, 31, {{0, 3}}},
        {3, 10, 0, 30, {{0, 2}, {2, 1}}},  // the third row starts at the bottom
        {7, 10, 5, 30, {{0, 2}, {2, 2}, {4, 2}, {6, 1}}},
        {2, 50, 0, 40, {{0, 0}, {0, 1}, {1, 1}}},  // taller than the page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowPager::Split(c.rows, c.height, c.firstY, c.bottom), c.expected) << c.rows;
    }
}

TEST(ReportEngine, DailyReportsShrinkToEightPointsOnNarrowPaper)
{
    // 6 x 9 inches: at 10 points 35 rows fit, at 8 points (line 82 + 8 = 90) 44 rows.
    RecordingCanvas canvas(DeviceMetrics::Sheet(6, 9, 600));
    ReportRecords records;
    records.tasks = ManyTasks(40);
    auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, records, PrintSettings{});
    ASSERT_EQ(report->PageCount(), 2);
    report->DrawPage(canvas, 0);
    EXPECT_EQ(report->PointSize(), 8);
    EXPECT_EQ(report->NormalFont().height, -66);
    EXPECT_EQ(report->LineHeight(), 90);
    EXPECT_EQ(report->PageCount(), 1);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts[4].text, "Page 1");
    EXPECT_EQ(texts[4].font.height, -66);
    EXPECT_EQ(texts[4].y, 4800 - 90);
    EXPECT_TRUE(HasText(canvas, "Task 40"));

    // Only the daily reports shrink, and seven inches exactly is not narrow.
    records.persons = {MakePerson(1, "Anna", "Smith")};
    for (const auto& [width, kind] : {std::pair{6.99, ReportKind::AddressBook},
                                      {6.99, ReportKind::Envelopes},
                                      {7.0, ReportKind::DailyTasks}}) {
        RecordingCanvas sheet(DeviceMetrics::Sheet(width, 9, 600));
        auto other = ReportFactory::Create(kind, sheet, records, PrintSettings{});
        other->DrawPage(sheet, 0);
        EXPECT_EQ(other->PointSize(), 10) << width;
    }
}

}  // namespace
}  // namespace orvane

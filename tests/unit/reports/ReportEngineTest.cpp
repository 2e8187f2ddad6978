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

TEST(ReportEngine, PageRectangleFromMarginsAndDevice)
{
    DeviceMetrics offset = DeviceMetrics::Letter600();
    offset.offsetX = 100;
    offset.offsetY = 120;
    const struct {
        DeviceMetrics device;
        Rect margins, expected;
    } cases[] = {
        {offset, {1000, 1000, 1000, 1000}, {500, 480, 4400, 5880}},
        // 0.333 inch is 199.8 dots, 0.959 inch 575.4: both cut toward zero.
        {DeviceMetrics::Letter600(), {333, 500, 959, 0}, {199, 300, 4524, 6600}},
        {DeviceMetrics::Sheet(8.5, 11, 300), {500, 250, 750, 1250}, {150, 75, 2325, 2925}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(c.device);
        PrintSettings settings;
        settings.margins = c.margins;
        auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, {}, settings);
        EXPECT_EQ(report->PageRect(), c.expected) << c.margins.left;
    }
    RecordingCanvas canvas;
    EXPECT_EQ(ReportFactory::Create(ReportKind::None, canvas, {}, PrintSettings{}), nullptr);
}

TEST(ReportEngine, FontsAndIndentFromFaceSizeAndMargins)
{
    const struct {
        Rect margins;
        int points;
        Font normal;
        int lineHeight, charWidth, leftX;
    } cases[] = {
        // 600 * 11 / 72 = 91.67 cuts to 91; a line is the height, a quarter and an eighth.
        {{1000, 1000, 1000, 1000}, 11, {"Arial", -91, 400}, 124, 45, 641},
        // The margins apply first, so the indent is the 10-point character width.
        {{500, 500, 500, 500}, 12, {"Arial", -100, 400}, 137, 50, 341},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        RecordingCanvas canvas;
        PrintSettings settings{c.margins, "Arial", c.points};
        auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, {}, settings);
        EXPECT_EQ(report->NormalFont(), c.normal);
        EXPECT_EQ(report->BoldFont().weight, 700);
        EXPECT_EQ(report->LineHeight(), c.lineHeight);
        EXPECT_EQ(report->CharWidth(), c.charWidth);
        EXPECT_EQ(report->LeftTextX(), c.leftX);
        // The measuring leaves the information canvas as it was.
        EXPECT_EQ(canvas.SelectedFont().face, "System");
    }
    // Before any settings apply: Times New Roman at 10 points, half-inch margins.
    RecordingCanvas canvas;
    DailyTasksReport report(canvas, ManyTasks(1));
    EXPECT_EQ(report.Face() + " " + std::to_string(report.PointSize()), "Times New Roman 10");
    EXPECT_EQ(report.PageRect(), (Rect{300, 300, 4800, 6300}));
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

#include <gtest/gtest.h>

#include <algorithm>

#include "reports/DailyTasksReport.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"
#include "reports/RowPager.h"

namespace orvane {
namespace {

using namespace orvane::test;

TEST(RecordingCanvas, MetricsFollowTheFontHeight)
{
    // Every position the report tests expect rests on these.
    RecordingCanvas canvas;
    const TextMetrics normal = canvas.MetricsOf(Font{"Times New Roman", -83, 400});
    EXPECT_EQ(normal.height + normal.externalLeading, kLh);
    EXPECT_EQ(normal.aveCharWidth, kCw);
    EXPECT_EQ(canvas.MetricsOf(Font{"Times New Roman", -83, 700}).aveCharWidth, kBoldCw);
    // A positive height is the cell: the characters are four fifths of it.
    EXPECT_EQ(canvas.MetricsOf(Font{"Arial", 100, 400}).height, 100);
    canvas.SelectFont(Font{"Arial", -40, 700});
    EXPECT_EQ(canvas.GetTextExtent("Zürich"), (Size{6 * 22, 50}));
}

TEST(ReportEngine, PageRectangleFromMarginsAndDevice)
{
    struct Case {
        const char* name;
        DeviceMetrics device;
        Rect margins;
        Rect expected;
    };
    DeviceMetrics offset = DeviceMetrics::Letter600();
    offset.offsetX = 100;
    offset.offsetY = 120;
    const Case cases[] = {
        {"one inch", DeviceMetrics::Letter600(), {1000, 1000, 1000, 1000}, {600, 600, 4500, 6000}},
        {"physical offset", offset, {1000, 1000, 1000, 1000}, {500, 480, 4400, 5880}},
        // 0.333 inch is 199.8 dots, 0.959 inch 575.4: both cut toward zero.
        {"truncated", DeviceMetrics::Letter600(), {333, 500, 959, 0}, {199, 300, 4524, 6600}},
        {"300 dpi",
         DeviceMetrics::Sheet(8.5, 11, 300),
         {500, 250, 750, 1250},
         {150, 75, 2325, 2925}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(c.device);
        PrintSettings settings;
        settings.margins = c.margins;
        auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, {}, settings);
        EXPECT_EQ(report->PageRect(), c.expected);
    }
}

TEST(ReportEngine, FontsAndIndentFromFaceSizeAndMargins)
{
    struct Case {
        Rect margins;
        int points;
        Font normal;
        int lineHeight;
        int charWidth;
        int leftX;
    } cases[] = {
        // 600 * 11 / 72 = 91.67 cuts to 91; a line is the height, a quarter and an eighth.
        {{1000, 1000, 1000, 1000}, 11, {"Arial", -91, 400}, 124, 45, 600 + kCw},
        // The margins apply first, so the indent is the 10-point character width.
        {{500, 500, 500, 500}, 12, {"Arial", -100, 400}, 137, 50, 300 + kCw},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        RecordingCanvas canvas;
        PrintSettings settings;
        settings.margins = c.margins;
        settings.face = "Arial";
        settings.pointSize = c.points;
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
    EXPECT_EQ(report.Face(), "Times New Roman");
    EXPECT_EQ(report.PointSize(), 10);
    EXPECT_EQ(report.PageRect(), (Rect{300, 300, 4800, 6300}));
}

TEST(ReportEngine, FactoryMakesTheChosenKind)
{
    // The other kinds are checked by their titles in their own tests.
    RecordingCanvas canvas;
    ReportRecords records;
    records.persons = {MakePerson(1, "Anna", "Smith")};
    EXPECT_EQ(ReportFactory::Create(ReportKind::None, canvas, records, OneInch()), nullptr);
    auto envelopes = ReportFactory::Create(ReportKind::Envelopes, canvas, records, OneInch());
    EXPECT_EQ(envelopes->PageCount(), 1);
}

TEST(RowPager, RowsGoToTheNextPageAtTheBottom)
{
    struct Case {
        const char* name;
        size_t rows;
        int height;
        int firstY;
        int bottom;
        std::vector<RowRange> expected;
    };
    const Case cases[] = {
        {"no rows", 0, 10, 0, 100, {}},
        {"fits", 3, 10, 0, 31, {{0, 3}}},
        {"third row starts at the bottom", 3, 10, 0, 30, {{0, 2}, {2, 1}}},
        {"later pages start at firstY", 7, 10, 5, 30, {{0, 2}, {2, 2}, {4, 2}, {6, 1}}},
        {"taller than the page", 2, 50, 0, 40, {{0, 0}, {0, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RowPager::Split(c.rows, c.height, c.firstY, c.bottom), c.expected);
    }
}

TEST(ReportEngine, RowStartingExactlyAtTheBottomOpensAPage)
{
    RecordingCanvas canvas;
    PrintSettings settings;
    // Bottom 6024 = 826 + 46 * 113: the 46th row would start on the bottom edge.
    settings.margins = {1000, 1000, 1000, 960};
    ReportRecords records;
    records.tasks = ManyTasks(46);
    auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, records, settings);
    ASSERT_EQ(report->PageRect().bottom, 6024);
    EXPECT_EQ(report->PageCount(), 2);

    canvas.ClearItems();
    report->DrawPage(canvas, 1);
    EXPECT_TRUE(HasText(canvas, "Task 46"));
    EXPECT_FALSE(HasText(canvas, "Task 45"));

    settings.margins.bottom = 950;  // bottom 6030: the row fits
    EXPECT_EQ(ReportFactory::Create(ReportKind::DailyTasks, canvas, records, settings)->PageCount(),
              1);
}

TEST(ReportEngine, EmptyReportHasNoPagesButDrawsItsFrame)
{
    RecordingCanvas canvas;
    auto report = ReportFactory::Create(ReportKind::DailyPlan, canvas, {}, OneInch());
    EXPECT_EQ(report->PageCount(), 0);
    report->DrawPage(canvas, 0);
    EXPECT_EQ(TextsOf(canvas).size(), 8u);  // title, six headings, footer
}

TEST(ReportEngine, DailyReportsShrinkToEightPointsOnNarrowPaper)
{
    // 6 x 9 inches: page rectangle 600, 600, 3000, 4800. At 10 points 35 rows fit
    // (826 + 35 * 113 = 4781); at 8 points (height -66, line 82 + 8 = 90) 44 rows.
    RecordingCanvas canvas(DeviceMetrics::Sheet(6, 9, 600));
    ReportRecords records;
    records.tasks = ManyTasks(40);
    auto report = ReportFactory::Create(ReportKind::DailyTasks, canvas, records, OneInch());
    ASSERT_EQ(report->PageCount(), 2);

    report->DrawPage(canvas, 0);
    EXPECT_EQ(report->PointSize(), 8);
    EXPECT_EQ(report->NormalFont().height, -66);
    EXPECT_EQ(report->LineHeight(), 90);
    EXPECT_EQ(report->PageCount(), 1);
    const auto texts = canvas.Texts();
    const auto footer = std::find_if(texts.begin(), texts.end(),
                                     [](const auto& item) { return item.text == "Page 1"; });
    ASSERT_NE(footer, texts.end());
    EXPECT_EQ(footer->font.height, -66);
    EXPECT_EQ(footer->y, 4800 - 90);
    EXPECT_TRUE(HasText(canvas, "Task 40"));
}

TEST(ReportEngine, NarrowPaperRuleIsForDailyReportsOnly)
{
    struct Case {
        double width;
        ReportKind kind;
    } cases[] = {{6.99, ReportKind::AddressBook},
                 {6.99, ReportKind::Envelopes},
                 {7, ReportKind::DailyTasks}};  // seven inches exactly is not narrow
    ReportRecords records;
    records.tasks = ManyTasks(3);
    records.persons = {MakePerson(1, "Anna", "Smith")};
    for (const Case& c : cases) {
        RecordingCanvas canvas(DeviceMetrics::Sheet(c.width, 9, 600));
        auto report = ReportFactory::Create(c.kind, canvas, records, OneInch());
        report->DrawPage(canvas, 0);
        EXPECT_EQ(report->PointSize(), 10) << c.width;
    }
}

}  // namespace
}  // namespace orvane

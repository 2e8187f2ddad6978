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

}  // namespace
}  // namespace orvane

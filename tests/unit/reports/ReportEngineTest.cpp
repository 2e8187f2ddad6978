#include <gtest/gtest.h>

#include "reports/DailyTasksReport.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"
#include "reports/RowPager.h"
#include "support/Golden.h"

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
    for (const auto& c : RowsOf("reports/row-pager.txt")) {
        std::string pages;
        for (const RowRange& page :
             RowPager::Split(std::stoul(c[0]), std::stoi(c[1]), std::stoi(c[2]), std::stoi(c[3]))) {
            pages += (pages.empty() ? "" : " ") + std::to_string(page.first) + "+" +
                     std::to_string(page.count);
        }
        EXPECT_EQ(pages, c.size() > 4 ? c[4] : "") << c[0] << " rows";
    }
}

}  // namespace
}  // namespace orvane

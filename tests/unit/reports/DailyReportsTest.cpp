#include <gtest/gtest.h>

#include <array>

#include "reports/DailyPlanReport.h"
#include "reports/ReportFactory.h"
#include "reports/ReportFixtures.h"

namespace orvane {
namespace {

using namespace orvane::test;

constexpr int kBold = 700;
constexpr int kNormal = 400;
constexpr int kRow1 = kFirstRowY + kLh;                           // 939
constexpr int kRow2 = kFirstRowY + 2 * kLh;                       // 1052
const Placed kFooterPage1{2415, kBottom - kLh, "Page 1", kBold};  // (3900 - 6 * 45) / 2

std::unique_ptr<Report> Make(ReportKind kind, RecordingCanvas& canvas, ReportRecords records)
{
    return ReportFactory::Create(kind, canvas, records, OneInch());
}

TEST(DailyAppointmentsReport, EveryTextOfAPage)
{
    RecordingCanvas canvas;
    const std::string longText(300, 'x');
    ReportRecords records;
    records.appointments = {MakeAppointment(4, "Dentist", 9, 5, 10, 30),
                            MakeAppointment(2, longText, 13, 0, 14, 15)};
    auto report = Make(ReportKind::DailyAppointments, canvas, records);
    report->DrawPage(canvas, 0);

    // END sits a quarter of the page width from the device's origin: 975 + 41.
    const std::vector<Placed> expected = {
        {2145, kTop, "DAILY APPOINTMENTS", kBold},  // (3900 - 18 * 45) / 2
        {kLx, kFirstRowY, "START", kBold},
        {1016, kFirstRowY, "END", kBold},
        {kCentre, kFirstRowY, "APPOINTMENT", kBold},
        kFooterPage1,
        {kLx, kRow1, "9:05 A", kNormal},
        {1016, kRow1, "10:30 A", kNormal},
        {kCentre, kRow1, "Dentist", kNormal, kRight},
        {kLx, kRow2, "1:00 P", kNormal},
        {1016, kRow2, "2:15 P", kNormal},
        {kCentre, kRow2, longText, kNormal, kRight},
    };
    EXPECT_EQ(Placements(canvas), expected);
    const RecordingCanvas::Item clipped = canvas.Texts().back();
    EXPECT_EQ(clipped.clip, (Rect{kCentre, kRow2, kRight, kRow2 + kLh}));
    // The page canvas gets its own font back.
    EXPECT_EQ(canvas.SelectedFont().face, "System");
}

TEST(DailyAppointmentsReport, StandardBorderMarks)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.appointments = ManyAppointments(1);
    Make(ReportKind::DailyAppointments, canvas, records)->DrawPage(canvas, 0);
    std::vector<std::array<int, 4>> lines;
    for (const auto& line : canvas.Lines()) {
        lines.push_back({line.x, line.y, line.x2, line.y2});
    }
    const std::vector<std::array<int, 4>> expected = {
        {kLeft, kTop, kLeft, kBottom},          {kRight, kTop, kRight, kBottom},
        {kLeft, kTop, kLeft + 600, kTop},       {kRight, kTop, kRight - 600, kTop},
        {kLeft, kBottom, kLeft + 600, kBottom}, {kRight, kBottom, kRight - 600, kBottom},
    };
    EXPECT_EQ(lines, expected);
}

TEST(DailyTasksReport, EveryTextOfAPage)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.tasks = {MakeTask(1, "Buy milk", 0), MakeTask(5, "File taxes", 3, 9)};
    auto report = Make(ReportKind::DailyTasks, canvas, records);
    report->DrawPage(canvas, 0);

    // DUE DATE at c + (c - lx) / 2 = 2591 + 975; descriptions cut at c - cw / 2 = 2571.
    const std::vector<Placed> expected = {
        {2302, kTop, "DAILY TASKS", kBold},
        {kLx, kFirstRowY, "TASK", kBold},
        {kCentre, kFirstRowY, "PRIORITY", kBold},
        {3566, kFirstRowY, "DUE DATE", kBold},
        kFooterPage1,
        {kLx, kRow1, "Buy milk", kNormal, 2571},
        {kCentre, kRow1, "High", kNormal},
        {3566, kRow1, "3/10/2026", kNormal},
        {kLx, kRow2, "File taxes", kNormal, 2571},
        {kCentre, kRow2, "Done", kNormal},
        {3566, kRow2, "3/9/2026", kNormal},
    };
    EXPECT_EQ(Placements(canvas), expected);
}

TEST(DailyTasksReport, PriorityNames)
{
    // High, Low and Done appear in the page tests.
    const std::pair<int, const char*> cases[] = {{1, "Medium"}, {4, ""}, {-1, ""}};
    for (const auto& [priority, name] : cases) {
        SCOPED_TRACE(priority);
        RecordingCanvas canvas;
        ReportRecords records;
        records.tasks = {MakeTask(1, "Call", priority)};
        Make(ReportKind::DailyTasks, canvas, records)->DrawPage(canvas, 0);
        ASSERT_EQ(canvas.Texts().size(), 8u);
        EXPECT_EQ(canvas.Texts()[6].text, name);
    }
}

TEST(DailyTasksReport, FooterAndRowsOfTheThirdPage)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.tasks = ManyTasks(4 * kRowsPerPage + 1);
    auto report = Make(ReportKind::DailyTasks, canvas, records);
    ASSERT_EQ(report->PageCount(), 5);
    report->DrawPage(canvas, 2);
    const auto placed = Placements(canvas);
    EXPECT_EQ(placed[4], (Placed{2415, kBottom - kLh, "Page 3", kBold}));
    EXPECT_EQ(placed[5], (Placed{kLx, kRow1, "Task 91", kNormal, 2571}));
    EXPECT_EQ(placed.back().y, kFirstRowY + kRowsPerPage * kLh);
    EXPECT_EQ(placed.size(), 5u + 3u * kRowsPerPage);
}

TEST(DailyPlanReport, EveryTextOfAPage)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.appointments = {MakeAppointment(1, "Dentist", 9, 5, 10, 30)};
    records.tasks = {MakeTask(1, "Buy milk", 2), MakeTask(2, "Pay rent", 3, 9)};
    Make(ReportKind::DailyPlan, canvas, records)->DrawPage(canvas, 0);

    // h = 20, q = 975, e = 487: appointments from left + h, tasks from c + h.
    const std::vector<Placed> expected = {
        {2325, kTop, "DAILY PLAN", kBold},
        {620, kFirstRowY, "START", kBold},
        {1107, kFirstRowY, "END", kBold},
        {1595, kFirstRowY, "APPOINTMENT", kBold},
        {2611, kFirstRowY, "TASK", kBold},
        {3586, kFirstRowY, "PRIORITY", kBold},
        {4073, kFirstRowY, "DUE DATE", kBold},
        kFooterPage1,
        {620, kRow1, "9:05 A", kNormal},
        {1107, kRow1, "10:30 A", kNormal},
        {1595, kRow1, "Dentist", kNormal, kCentre},
        {2611, kRow1, "Buy milk", kNormal, 3566},
        {3586, kRow1, "Low", kNormal},
        {4073, kRow1, "3/10/2026", kNormal},
        {2611, kRow2, "Pay rent", kNormal, 3566},
        {3586, kRow2, "Done", kNormal},
        {4073, kRow2, "3/9/2026", kNormal},
    };
    EXPECT_EQ(Placements(canvas), expected);

    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6].x, kCentre);
    EXPECT_EQ(lines[6].y, kFirstRowY);
    EXPECT_EQ(lines[6].x2, kCentre);
    EXPECT_EQ(lines[6].y2, kBottom - kLh);
}

TEST(DailyPlanReport, PagesFollowTheLongerColumn)
{
    RecordingCanvas canvas;
    ReportRecords records;
    records.appointments = ManyAppointments(60);
    records.tasks = ManyTasks(10);
    auto report = Make(ReportKind::DailyPlan, canvas, records);
    EXPECT_EQ(report->PageCount(), 2);

    report->DrawPage(canvas, 1);
    EXPECT_TRUE(HasText(canvas, "Appointment 46"));
    EXPECT_TRUE(HasText(canvas, "Appointment 60"));
    EXPECT_FALSE(HasText(canvas, "Appointment 45"));
    const auto onPage2 = Placements(canvas);
    for (size_t i = 8; i < onPage2.size(); ++i) {
        EXPECT_LT(onPage2[i].x, kCentre) << onPage2[i].text << " drawn in the task column";
    }
    EXPECT_EQ(onPage2.back(),
              (Placed{1595, kFirstRowY + 15 * kLh, "Appointment 60", kNormal, kCentre}));

    // More tasks than appointments: the task column decides, and starts at the top.
    records.appointments = ManyAppointments(2);
    records.tasks = ManyTasks(kRowsPerPage + 1);
    report = Make(ReportKind::DailyPlan, canvas, records);
    EXPECT_EQ(report->PageCount(), 2);
    canvas.ClearItems();
    report->DrawPage(canvas, 1);
    const auto placed = Placements(canvas);
    EXPECT_EQ(placed.back(), (Placed{4073, kRow1, "3/10/2026", kNormal}));
    EXPECT_FALSE(HasText(canvas, "Appointment 1"));
}

}  // namespace
}  // namespace orvane

#include "reports/DailyTasksReport.h"

#include "reports/ReportText.h"

namespace orvane {

DailyTasksReport::DailyTasksReport(Canvas& infoCanvas, std::vector<Task> tasks)
    : DailyReport(infoCanvas), m_tasks(std::move(tasks))
{
    Paginate();
}

void DailyTasksReport::Paginate()
{
    m_pages = SplitRows(m_tasks.size());
    if (!m_tasks.empty()) {
        SetPageCount(static_cast<int>(m_pages.size()));
    }
}

void DailyTasksReport::DrawHeader()
{
    DrawTitle("DAILY TASKS");
    DrawHeading(LeftTextX(), "TASK");
    DrawHeading(CenterX(), "PRIORITY");
    DrawHeading(DueDateX(), "DUE DATE");
}

void DailyTasksReport::DrawRows(int pageIndex)
{
    const RowRange& page = m_pages[static_cast<size_t>(pageIndex)];
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        const Task& task = m_tasks[i];
        const int y = NextRowY();
        DrawClipped(LeftTextX(), y, CenterX() - HalfChar(), task.Description);
        GetCanvas().TextOut(CenterX(), y, Task::PriorityName(task.Priority));
        GetCanvas().TextOut(DueDateX(), y, ReportText::Date(task.DueDate));
    }
}

}  // namespace orvane

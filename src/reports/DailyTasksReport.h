#pragma once

#include <vector>

#include "data/Task.h"
#include "reports/DailyReport.h"

namespace orvane {

// The selected day's tasks: description, priority and due date, one per line.
class DailyTasksReport : public DailyReport {
public:
    DailyTasksReport(Canvas& infoCanvas, std::vector<Task> tasks);

    const std::vector<Task>& Tasks() const { return m_tasks; }
    const std::vector<RowRange>& Pages() const { return m_pages; }

protected:
    void DrawHeader() override;
    void DrawRows(int pageIndex) override;
    void Paginate() override;

private:
    int DueDateX() const { return CenterX() + (CenterX() - LeftTextX()) / 2; }

    std::vector<Task> m_tasks;
    std::vector<RowRange> m_pages;
};

}  // namespace orvane

#include <tuple>

#include "FormFixture.h"
#include "rules/commands/CommandIds.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeTask;
using Texts = std::vector<std::string>;

class TaskPaneTest : public test::FormFixture {
protected:
    std::vector<int32_t> AddFourTasksDueToday()
    {
        Form().SetEditors(&m_editors);
        std::vector<int32_t> ids;
        for (const char* text : {"A", "B", "C", "D"}) {
            ids.push_back(Db().Tasks().Add(MakeTask(text, Day(2026, 3, 10))));
        }
        Form().RefillAll();
        return ids;
    }
};

// Delete picks the row above the deleted one (or the new first row), so a second Delete
// without a click removes that task too.
TEST_F(TaskPaneTest, DeleteTwiceDeletesTheTaskTheFirstDeleteSelected)
{
    // The row clicked, the row and the task (an index into A..D) the first Delete picks, and
    // the tasks left after the second.
    const std::tuple<int, int, int, Texts> cases[] = {
        {2, 1, 1, {"A", "D"}}, {0, 0, 1, {"C", "D"}}, {3, 2, 2, {"A", "B"}}};
    for (const auto& [clicked, row, picked, left] : cases) {
        SCOPED_TRACE(clicked);
        Db().Tasks().Clear();
        const std::vector<int32_t> ids = AddFourTasksDueToday();
        Form().ClickTasks(clicked);
        Form().HandleCommand(kCmdTaskDelete);
        EXPECT_EQ(Form().State().task.row, row);
        EXPECT_EQ(Form().State().task.id, ids[picked]);
        Form().HandleCommand(kCmdTaskDelete);
        EXPECT_EQ(TaskTexts(), left);
    }
    EXPECT_TRUE(m_document.Modified());

    Db().Tasks().Clear();
    Db().Tasks().Add(MakeTask("only", Day(2026, 3, 10)));
    Form().RefillAll();
    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_TRUE(TaskTexts().empty());
    EXPECT_EQ(Form().State().task.id, -1);
}

TEST_F(TaskPaneTest, CompleteKeepsTheTaskInTodaysListDatedToday)
{
    const int32_t id = Db().Tasks().Add(MakeTask("due later", Day(2026, 3, 12), kPriorityMedium));
    Db().Tasks().Add(MakeTask("overdue", Day(2026, 3, 1), kPriorityHigh));
    SelectOffset(2);
    ASSERT_EQ(TaskTexts(), Texts{"due later"});
    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskComplete);
    // Still on its due day, now with the Done icon, and also on today, its completion day.
    ASSERT_EQ(TaskTexts(), Texts{"due later"});
    EXPECT_EQ(Form().Tasks().Rows()[0].priority, kPriorityDone);
    EXPECT_EQ(Db().Tasks().Find(id)->DoneDate, Day(2026, 3, 10));
    // Today lists the overdue task with its own due date.
    SelectOffset(0);
    EXPECT_EQ(TaskTexts(), (Texts{"due later", "overdue"}));
    EXPECT_EQ(Form().Tasks().DueDateText(1), "3/1/2026");
}

TEST_F(TaskPaneTest, DoubleClickCompletesAndTheContextMenuPicksARow)
{
    AddFourTasksDueToday();
    Form().DoubleClickTasks(1);
    EXPECT_TRUE(Db().Tasks().Find(2)->IsCompleted());
    EXPECT_TRUE(m_editors.calls.empty());
    // On empty space: nothing is completed and the selection is cleared.
    Form().DoubleClickTasks(-1);
    EXPECT_EQ(Form().State().task.id, -1);
    EXPECT_FALSE(Db().Tasks().Find(1)->IsCompleted());

    // The context menu picks the row under the pointer; over empty space it has no row items.
    EXPECT_TRUE(Form().Tasks().ContextMenu(3));
    EXPECT_EQ(Form().State().task.id, 4);
    EXPECT_FALSE(Form().Tasks().ContextMenu(-1));
    EXPECT_EQ(Form().State().task.id, -1);
}

TEST_F(TaskPaneTest, CommandsActOnlyOnASelectedTaskOfTheListClickedLast)
{
    AddFourTasksDueToday();
    const auto tryAll = [this] {
        for (int id : {kCmdTaskDelete, kCmdTaskComplete, kCmdTaskEdit}) {
            EXPECT_TRUE(Form().HandleCommand(id));
        }
        EXPECT_EQ(Db().Tasks().Count(), 4u);
        EXPECT_TRUE(m_editors.calls.empty());
        EXPECT_FALSE(m_document.Modified());
    };
    Form().ClickTasks(0);
    Form().ClickAppointments(-1);
    tryAll();
    Form().ClickTasks(-1);
    tryAll();

    Form().ClickTasks(1);
    Form().RefillAll();  // keeps the selection
    Form().HandleCommand(kCmdTaskEdit);
    Form().HandleCommand(kCmdTaskAdd);
    EXPECT_TRUE(Form().HandleCommand(kCmdEditUser) && Form().HandleCommand(kCmdAlarmSound));
    EXPECT_EQ(m_editors.calls, (Texts{"EditTask 2", "AddTask", "EditUser", "ChooseAlarmSound"}));
}

}  // namespace
}  // namespace orvane

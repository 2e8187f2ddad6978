#include "FormFixture.h"
#include "views/CommandIds.h"

namespace orvane {
namespace {

using test::Day;
using test::MakeTask;

class TaskPaneTest : public test::FormFixture {
protected:
    void AddFourTasksDueToday()
    {
        for (const char* text : {"A", "B", "C", "D"}) {
            Db().Tasks().Add(MakeTask(text, Day(2026, 3, 10)));
        }
        Form().RefillAll();
    }
};

TEST_F(TaskPaneTest, TodayListsOverdueTasksWithTheirOriginalDueDate)
{
    Db().Tasks().Add(MakeTask("overdue", Day(2026, 3, 7), kPriorityLow));
    Form().RefillAll();
    ASSERT_EQ(TaskTexts(), std::vector<std::string>{"overdue"});
    EXPECT_EQ(Form().Tasks().DueDateText(0), "3/7/2026");
    SelectOffset(-1);
    EXPECT_TRUE(TaskTexts().empty());
}

TEST_F(TaskPaneTest, DeleteTwiceDeletesTheTaskAboveTheFirst)
{
    AddFourTasksDueToday();
    Form().ClickTasks(2);  // C
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_EQ(TaskTexts(), (std::vector<std::string>{"A", "B", "D"}));
    EXPECT_EQ(Form().State().task.row, 1);
    EXPECT_EQ(Form().State().task.id, 2);  // B moved into the selection
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_EQ(TaskTexts(), (std::vector<std::string>{"A", "D"}));
    EXPECT_TRUE(m_document.Modified());
}

TEST_F(TaskPaneTest, DeleteOnTheFirstRowMovesToTheNewFirstRow)
{
    AddFourTasksDueToday();
    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_EQ(Form().State().task.row, 0);
    EXPECT_EQ(Form().State().task.id, 2);
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_EQ(TaskTexts(), (std::vector<std::string>{"C", "D"}));
}

TEST_F(TaskPaneTest, DeletingTheLastRowLeavesNoTaskSelected)
{
    Db().Tasks().Add(MakeTask("only", Day(2026, 3, 10)));
    Form().RefillAll();
    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskDelete);
    EXPECT_TRUE(TaskTexts().empty());
    EXPECT_EQ(Form().State().task.id, -1);
    EXPECT_TRUE(Db().Tasks().IsEmpty());
}

TEST_F(TaskPaneTest, CompleteKeepsTheTaskInTodaysListDatedToday)
{
    const int32_t id = Db().Tasks().Add(MakeTask("due later", Day(2026, 3, 12), kPriorityMedium));
    Db().Tasks().Add(MakeTask("overdue", Day(2026, 3, 1), kPriorityHigh));
    Form().RefillAll();
    ASSERT_EQ(TaskTexts(), std::vector<std::string>{"overdue"});

    SelectOffset(2);
    ASSERT_EQ(TaskTexts(), std::vector<std::string>{"due later"});
    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskComplete);
    // Still on its due day, now with the Done icon, and also on today, its completion day.
    ASSERT_EQ(TaskTexts(), std::vector<std::string>{"due later"});
    EXPECT_EQ(Form().Tasks().Rows()[0].priority, kPriorityDone);
    EXPECT_EQ(Db().Tasks().Find(id)->DoneDate, Day(2026, 3, 10));
    SelectOffset(0);
    EXPECT_EQ(TaskTexts(), (std::vector<std::string>{"due later", "overdue"}));
}

TEST_F(TaskPaneTest, DoubleClickCompletesAndNeverOpensTheEditor)
{
    Form().SetEditors(&m_editors);
    AddFourTasksDueToday();
    Form().DoubleClickTasks(1);
    EXPECT_TRUE(Db().Tasks().Find(2)->IsCompleted());
    EXPECT_TRUE(m_editors.calls.empty());
    EXPECT_TRUE(m_document.Modified());

    // On empty space: nothing is completed and the selection is cleared.
    Form().DoubleClickTasks(-1);
    EXPECT_EQ(Form().State().task.id, -1);
    EXPECT_FALSE(Db().Tasks().Find(1)->IsCompleted());
}

TEST_F(TaskPaneTest, CommandsActOnlyWhileTheTaskListWasClickedLast)
{
    Form().SetEditors(&m_editors);
    AddFourTasksDueToday();
    Form().ClickTasks(0);
    Form().ClickAppointments(-1);
    EXPECT_TRUE(Form().HandleCommand(kCmdTaskDelete));
    EXPECT_TRUE(Form().HandleCommand(kCmdTaskComplete));
    EXPECT_TRUE(Form().HandleCommand(kCmdTaskEdit));
    EXPECT_EQ(Db().Tasks().Count(), 4u);
    EXPECT_FALSE(Db().Tasks().Find(1)->IsCompleted());
    EXPECT_TRUE(m_editors.calls.empty());
    EXPECT_FALSE(m_document.Modified());

    Form().ClickTasks(0);
    Form().HandleCommand(kCmdTaskEdit);
    Form().HandleCommand(kCmdTaskAdd);
    EXPECT_EQ(m_editors.calls, (std::vector<std::string>{"EditTask 1", "AddTask"}));
}

TEST_F(TaskPaneTest, WithNoTaskSelectedEditAndCompleteDoNothing)
{
    Form().SetEditors(&m_editors);
    AddFourTasksDueToday();
    Form().ClickTasks(-1);
    Form().HandleCommand(kCmdTaskEdit);
    Form().HandleCommand(kCmdTaskComplete);
    EXPECT_TRUE(m_editors.calls.empty());
    EXPECT_FALSE(m_document.Modified());
}

TEST_F(TaskPaneTest, ContextMenuOverEmptySpaceHasNoRowItems)
{
    AddFourTasksDueToday();
    EXPECT_TRUE(Form().Tasks().ContextMenu(3));
    EXPECT_EQ(Form().State().task.id, 4);
    EXPECT_FALSE(Form().Tasks().ContextMenu(-1));
    EXPECT_EQ(Form().State().task.id, -1);
}

TEST_F(TaskPaneTest, RefillKeepsTheSelection)
{
    AddFourTasksDueToday();
    Form().ClickTasks(1);
    Form().RefillAll();
    EXPECT_EQ(Form().State().task.row, 1);
    EXPECT_EQ(Form().State().task.id, 2);
}

TEST_F(TaskPaneTest, EmptyToDoListListsNothingOnAnyDay)
{
    for (int offset : {-3, 0, 4}) {
        SelectOffset(offset);
        EXPECT_TRUE(TaskTexts().empty());
    }
}

}  // namespace
}  // namespace orvane

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTextCharFormat>

#include "FrameFixture.h"
#include "rules/commands/CommandIds.h"
#include "widgets/panes/FindField.h"

namespace orvane {
namespace {

using test::Day;

// Five persons, tasks and appointments of today; in each list row r holds the record of
// ID r + 1.
class PaneKeyboardTest : public test::FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        const char* names[] = {"Abe", "Baker", "Costa", "Dunn", "Evans"};
        for (int i = 0; i < 5; ++i) {
            Person p = test::MakePerson("Al", names[i], "", true, false);
            p.HmPhone = "555-000" + std::to_string(i);
            Db().Persons().Add(p);
            Db().Tasks().Add(test::MakeTask(names[i], Day(2026, 3, 10)));
            Db().Appointments().Add(test::MakeAppointment(names[i], Day(2026, 3, 10), 8 + i, 0));
        }
        m_frame->Document().SetModified(false, true);
        Frame().show();
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }

    const ListSelection& Picked(PaneList list)
    {
        const FormState& state = Form().Model().State();
        return list == PaneList::Tasks          ? state.task
               : list == PaneList::Appointments ? state.appointment
                                                : state.person;
    }
    QString HomePhone() { return Form().Control(1004)->property("text").toString(); }
};

TEST_F(PaneKeyboardTest, TheHighlightedRowIsPickedAsAClickWouldPickIt)
{
    struct Case {
        PaneList list;
        std::vector<Qt::Key> keys;
        const char* typed;
        int row;
        int deleteCommand;
    };
    const Case cases[] = {
        {PaneList::PhoneBook, {Qt::Key_Down}, "", 2, kCmdPersonDelete},
        {PaneList::PhoneBook, {}, "d", 3, kCmdPersonDelete},  // type-ahead
        {PaneList::Tasks, {Qt::Key_End, Qt::Key_Up}, "", 3, kCmdTaskDelete},
        {PaneList::Appointments, {Qt::Key_Down, Qt::Key_Down}, "", 3, kCmdAppointmentDelete},
    };
    for (const Case& c : cases) {
        ClickRow(PaneList::Tasks, 0);  // another list is the active one before
        ClickRow(c.list, 1);
        for (Qt::Key key : c.keys) {
            QTest::keyClick(Form().List(c.list), key);
        }
        QTest::keyClicks(Form().List(c.list), c.typed);
        Idle();
        const std::string where =
            std::to_string(static_cast<int>(c.list)) + " row " + std::to_string(c.row);
        EXPECT_EQ(Form().List(c.list)->SelectedRow(), c.row) << where;
        EXPECT_EQ(Form().Model().State().activeList, c.list) << where;
        EXPECT_EQ(Picked(c.list).row, c.row) << where;
        EXPECT_EQ(Picked(c.list).id, c.row + 1) << where;
        EXPECT_TRUE(Enabled(c.deleteCommand)) << where;
        if (c.list == PaneList::PhoneBook) {
            EXPECT_EQ(HomePhone(), QString("555-000%1").arg(c.row)) << where;
        }
    }
}

TEST_F(PaneKeyboardTest, FindFiltersAsYouTypeAndHandsOverToTheList)
{
    auto* find = qobject_cast<FindField*>(Form().Control(MainForm::kFindId));
    ASSERT_NE(find, nullptr);
    PaneListView* list = Form().List(PaneList::PhoneBook);
    ClickRow(PaneList::Tasks, 0);
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find->hasFocus());

    QTest::keyClicks(find, "5550003");  // Dunn's phone without its dash
    EXPECT_EQ(list->model()->rowCount(), 1);
    QTest::keyClick(find, Qt::Key_Down);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->SelectedRow(), 0);
    EXPECT_EQ(HomePhone(), "555-0003");
    Idle();
    EXPECT_TRUE(Enabled(kCmdPersonEdit));

    find->setFocus();
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_TRUE(find->text().isEmpty());
    EXPECT_EQ(list->model()->rowCount(), 5);
    EXPECT_EQ(list->SelectedRow(), 3) << "Dunn stays highlighted";
    EXPECT_EQ(Form().Model().State().person.id, 4);

    QTest::keyClicks(find, "ev");
    QTest::keyClick(find, Qt::Key_Tab);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(Form().Model().State().person.id, 5);
}

TEST_F(PaneKeyboardTest, DaysThatHoldSomethingAreBold)
{
    QCalendarWidget* calendar = Form().Calendar();
    const auto bold = [calendar](int y, int m, int d) {
        return calendar->dateTextFormat(QDate(y, m, d)).fontWeight() == QFont::Bold;
    };
    EXPECT_TRUE(bold(2026, 3, 10));
    EXPECT_FALSE(bold(2026, 3, 11));
    Db().Tasks().Add(test::MakeTask("april", Day(2026, 4, 2)));
    m_frame->Document().SetModified(true, true);
    calendar->setCurrentPage(2026, 4);
    EXPECT_TRUE(bold(2026, 4, 2));
    EXPECT_FALSE(bold(2026, 3, 10)) << "only the shown month";
    Db().Tasks().Remove(6);
    m_frame->Document().SetModified(true, true);
    EXPECT_FALSE(bold(2026, 4, 2));
}

}  // namespace
}  // namespace orvane

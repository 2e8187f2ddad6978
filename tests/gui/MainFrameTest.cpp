#include <QCalendarWidget>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QToolBar>

#include "FrameFixture.h"
#include "Palettes.h"
#include "rules/commands/CommandIds.h"
#include "rules/frame/WindowPlacement.h"
#include "rules/panes/WeekendColour.h"

namespace orvane {
namespace {

class MainFrameTest : public test::FrameFixture {};

TEST_F(MainFrameTest, BuildsWithFormToolbarsAndStatusBar)
{
    // The client area shows the form; the print preview may take its place.
    auto* clients = qobject_cast<QStackedWidget*>(Frame().centralWidget());
    ASSERT_NE(clients, nullptr);
    EXPECT_EQ(clients->currentWidget(), &Form());
    EXPECT_TRUE(Frame().PreviewToolBar()->isHidden());
    EXPECT_FALSE(Frame().MainToolBar()->isHidden());
    EXPECT_EQ(Frame().minimumSize(), Frame().size());
}

TEST_F(MainFrameTest, EveryFormControlCarriesItsId)
{
    // The ones not used by other tests: the frames and the detail captions.
    for (int id :
         {1001, 1113, 1003, 1057, 1058, 1061, 1006, 1059, 1007, 1062, 1009, 1060, 1063, 1010}) {
        EXPECT_NE(Form().Control(id), nullptr) << id;
    }
    EXPECT_EQ(Form().Control(1011)->property("text").toString(), "Tuesday, March 10, 2026");
}

// Clicks on the lists and the listing's radio buttons, as a user makes them.
TEST_F(MainFrameTest, TheMouseOnTheListsAndTheListing)
{
    LoadSample();
    Show();
    // Clicking the appointment list disables the task commands.
    ClickRow(PaneList::Tasks, 0);
    Idle();
    EXPECT_TRUE(Enabled(kCmdTaskComplete));
    QWidget* belowRows = Form().List(PaneList::Appointments)->viewport();
    QTest::mouseClick(belowRows, Qt::LeftButton, {}, QPoint(5, belowRows->height() - 3));
    Idle();
    EXPECT_TRUE(Form().List(PaneList::Tasks)->selectionModel()->hasSelection());
    EXPECT_FALSE(Enabled(kCmdTaskComplete));

    // A double click completes a task.
    QWidget* viewport = Form().List(PaneList::Tasks)->viewport();
    const QPoint row = RowCenter(PaneList::Tasks, 1);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, row);
    EXPECT_TRUE(Db().Tasks().Find(2)->IsCompleted());
    EXPECT_FALSE(Db().Tasks().Find(1)->IsCompleted());
    EXPECT_EQ(Form().List(PaneList::Tasks)->model()->rowCount(), 2);

    // The Yellow Pages radio button switches the listing.
    QWidget* yellow = Form().Control(1045);
    QTest::mouseClick(yellow, Qt::LeftButton, {}, QPoint(8, yellow->height() / 2));
    EXPECT_EQ(Form().List(PaneList::PhoneBook)->model()->rowCount(), 1);
    EXPECT_FALSE(Form().Control(1044)->property("checked").toBool());
}

TEST_F(MainFrameTest, ContextMenuGreysTheRowItemsOverEmptySpace)
{
    std::unique_ptr<QMenu> menu(Form().BuildContextMenu(PaneList::Tasks, false));
    ASSERT_NE(menu, nullptr);
    QStringList enabled;
    QStringList greyed;
    for (QAction* action : menu->actions()) {
        (action->isEnabled() ? enabled : greyed) << action->text();
    }
    EXPECT_EQ(enabled, QStringList{"&Add..."});
    EXPECT_EQ(greyed, (QStringList{"&Delete", "&Edit...", "&Complete"}));

    menu.reset(Form().BuildContextMenu(PaneList::PhoneBook, true));
    for (QAction* action : menu->actions()) {
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
}

TEST_F(MainFrameTest, ResizeGrowsEachAreaTheWayItShould)
{
    Show();
    const int ids[] = {1000, 1079, 1078, 1080, 1003};
    std::map<int, QSize> before;
    for (int id : ids) {
        before[id] = Form().Control(id)->size();
    }
    Frame().resize(Frame().size() + QSize(200, 150));
    QTest::qWait(20);
    // Calendar fixed; appointments taller only; phone book and tasks both ways.
    const auto grew = [&](int id) {
        const QSize now = Form().Control(id)->size();
        return std::pair(now.width() > before[id].width(), now.height() > before[id].height());
    };
    EXPECT_EQ(Form().Control(1000)->size(), before[1000]);
    EXPECT_EQ(grew(1079), std::pair(true, true));
    EXPECT_EQ(grew(1078), std::pair(false, true));
    EXPECT_EQ(grew(1080), std::pair(true, true));
    EXPECT_EQ(grew(1003), std::pair(true, true)) << "the phone book shows more names";
    // The task columns are re-fitted: two thirds and the rest.
    PaneListView* tasks = Form().List(PaneList::Tasks);
    const int width = tasks->viewport()->width();
    EXPECT_EQ(tasks->columnWidth(0), width / 6 * 4);
    EXPECT_EQ(tasks->columnWidth(0) + tasks->columnWidth(1), width);
}

TEST_F(MainFrameTest, ToolbarAndStatusBarToggle)
{
    Show();
    const Qt::ToolBarArea area = Frame().toolBarArea(Frame().MainToolBar());
    Frame().RunCommand(kCmdViewToolbar);
    EXPECT_TRUE(Frame().MainToolBar()->isHidden());
    EXPECT_FALSE(Frame().Action(kCmdViewToolbar)->isChecked());
    Frame().RunCommand(kCmdViewToolbar);
    EXPECT_FALSE(Frame().MainToolBar()->isHidden());
    EXPECT_EQ(Frame().toolBarArea(Frame().MainToolBar()), area);

    Frame().RunCommand(kCmdViewStatusBar);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    Idle();
    EXPECT_TRUE(Frame().Action(kCmdViewToolbar)->isChecked());
    EXPECT_FALSE(Frame().Action(kCmdViewStatusBar)->isChecked());
}

TEST_F(MainFrameTest, CalendarKeepsToTheDaysTheFileCanHold)
{
    // Days outside 100 to 9999 cannot be picked; the form follows the day the calendar shows.
    QCalendarWidget* calendar = Form().Calendar();
    const std::pair<QDate, QDate> tries[] = {{QDate(99, 12, 31), QDate(100, 1, 1)},
                                             {QDate(10000, 1, 1), QDate(9999, 12, 31)}};
    for (const auto& [asked, shown] : tries) {
        calendar->setSelectedDate(asked);
        EXPECT_EQ(calendar->selectedDate(), shown);
        const PimDateTime day = Form().Model().SelectedDay();
        EXPECT_EQ(QDate(day.GetYear(), day.GetMonth(), day.GetDay()), shown);
    }
}

TEST_F(MainFrameTest, CalendarReadableUnderADarkPalette)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(test::DarkPalette());
    MainFrame dark(m_prompter, m_settings);
    QCalendarWidget* calendar = dark.Form()->Calendar();
    const QPalette colours = calendar->palette();
    const auto contrast = [](const QColor& a, const QColor& b) {
        return WeekendColour::Contrast(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
    };
    const QColor face = QApplication::palette().color(QPalette::Button);
    // Day cells and the weekday header lie on the button face.
    for (const QPalette::ColorRole background : {QPalette::Base, QPalette::AlternateBase}) {
        EXPECT_EQ(colours.color(background), face);
        EXPECT_GE(contrast(colours.color(QPalette::Text), colours.color(background)), 4.5);
    }
    const QBrush red = calendar->weekdayTextFormat(Qt::Sunday).foreground();
    EXPECT_GE(contrast(red.color(), face), 4.5);
    QApplication::setPalette(before);
}

TEST_F(MainFrameTest, OpensWhereItClosedWithinTheScreen)
{
    // Last closed partly off the right edge, smaller than the window may be.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    WindowPlacement saved;
    saved.normal = {screen.right() - 100, screen.top() + 10, 50, 40};
    ASSERT_TRUE(saved.Write(m_settings));
    // (The test screen is narrower than the designed window.)
    Frame().setMinimumSize(screen.width() / 2, screen.height() / 2);
    Frame().ShowAsLastClosed();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    EXPECT_EQ(Frame().size(), Frame().minimumSize());
    EXPECT_EQ(Frame().geometry().right(), screen.right());
    EXPECT_EQ(Frame().geometry().top(), screen.top() + 10);

    // Closed maximised: its normal place and the maximised state are kept.
    const QRect normal = Frame().geometry();
    Frame().showMaximized();
    QTest::qWait(20);
    ASSERT_TRUE(Frame().close());
    const std::optional<WindowPlacement> kept = WindowPlacement::Read(m_settings);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->maximised);
    EXPECT_EQ(QRect(kept->normal.x, kept->normal.y, kept->normal.width, kept->normal.height),
              normal);
    MainFrame again(m_prompter, m_settings);
    again.ShowAsLastClosed();
    EXPECT_TRUE(again.isMaximized());
}

}  // namespace
}  // namespace orvane

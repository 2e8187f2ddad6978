#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "FrameFixture.h"
#include "views/CommandIds.h"

namespace orvane {
namespace {

class MainFrameTest : public test::FrameFixture {};

TEST_F(MainFrameTest, BuildsWithTitleFormToolbarsAndStatusBar)
{
    EXPECT_EQ(Frame().windowTitle(), "Orvane! [Untitled]");
    // The client area shows the form; the print preview may take its place.
    auto* clients = qobject_cast<QStackedWidget*>(Frame().centralWidget());
    ASSERT_NE(clients, nullptr);
    EXPECT_EQ(clients->currentWidget(), &Form());
    EXPECT_TRUE(Frame().PreviewToolBar()->isHidden());
    EXPECT_FALSE(Frame().MainToolBar()->isHidden());

    QList<int> buttons;
    for (QAction* action : Frame().MainToolBar()->actions()) {
        buttons << (action->isSeparator() ? 0 : action->property("commandId").toInt());
    }
    EXPECT_EQ(buttons, (QList<int>{kCmdNew, kCmdOpen, kCmdSave, 0, kCmdPrintPreview, kCmdPrint, 0,
                                   kCmdAbout, kCmdContextHelp}));
    const auto labels = Frame().statusBar()->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.first()->text(), "Ready");
    EXPECT_EQ(Frame().minimumSize(), Frame().size());
}

TEST_F(MainFrameTest, EveryFormControlCarriesItsId)
{
    const int ids[] = {1000, 1079, 1113, 1044, 1045, 1003, 1057, 1004, 1058, 1005, 1061, 1006, 1059,
                       1007, 1062, 1009, 1060, 1008, 1063, 1010, 1078, 1011, 1001, 1080, 1002};
    for (int id : ids) {
        EXPECT_NE(Form().Control(id), nullptr) << id;
    }
    EXPECT_EQ(Form().Control(1044)->property("text").toString(), "&White Pages");
    EXPECT_EQ(Form().Control(1063)->property("text").toString(), "Web Page:");
    EXPECT_EQ(Form().Control(1011)->property("text").toString(), "Tuesday, March 10, 2026");
}

struct MenuItemCase {
    const char* menu;
    const char* text;
    int id;
    const char* shortcut;
};

TEST_F(MainFrameTest, MenusCarryTheirIdsAndShortcuts)
{
    const MenuItemCase cases[] = {
        {"&File", "&New", kCmdNew, "Ctrl+N"},
        {"&File", "&Open...", kCmdOpen, "Ctrl+O"},
        {"&File", "&Save", kCmdSave, "Ctrl+S"},
        {"&File", "Save &As...", kCmdSaveAs, ""},
        {"&File", "&Compact", kCmdCompact, ""},
        {"&File", "&Print...", kCmdPrint, "Ctrl+P"},
        {"&File", "Print Pre&view...", kCmdPrintPreview, ""},
        {"&File", "E&xit", kCmdExit, ""},
        {"&Tasks", "&Complete", kCmdTaskComplete, ""},
        {"&Phone Book", "&Edit...", kCmdPersonEdit, ""},
        {"&Appointments", "&Delete", kCmdAppointmentDelete, ""},
        {"&Edit", "&Alarm Sound...", kCmdAlarmSound, ""},
        {"&Report", "Report &Font...", kCmdReportFont, ""},
        {"&View", "&Status Bar", kCmdViewStatusBar, ""},
        {"&Help", "&About Orvane!...", kCmdAbout, ""},
    };
    for (const MenuItemCase& c : cases) {
        QMenu* menu = Frame().TopMenu(c.menu);
        ASSERT_NE(menu, nullptr) << c.menu;
        QAction* found = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == c.text) {
                found = action;
            }
        }
        ASSERT_NE(found, nullptr) << c.text;
        EXPECT_EQ(found->property("commandId").toInt(), c.id) << c.text;
        EXPECT_EQ(found->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut))) << c.text;
    }
    QMenu* file = Frame().TopMenu("&File");
    QStringList items;
    for (QAction* action : file->actions()) {
        items << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(items, (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "&Compact",
                                  "&Import", "&Export", "-", "&Print...", "Page Set&up...",
                                  "Print Pre&view...", "-", "Recent &Files", "-", "E&xit"}));
    EXPECT_TRUE(Frame().Action(kCmdUndo)->shortcuts().contains(QKeySequence("Alt+Backspace")));
    EXPECT_TRUE(Frame().Action(kCmdNextPane)->shortcuts().contains(QKeySequence("F6")));
}

TEST_F(MainFrameTest, StatusTextsAndTooltipsComeFromTheCommandStrings)
{
    EXPECT_EQ(Frame().Action(kCmdTaskAdd)->statusTip(), "Add a new task");
    EXPECT_EQ(Frame().Action(kCmdTaskAdd)->toolTip(), "Add Task");
    EXPECT_EQ(Frame().Action(kCmdContextHelp)->statusTip(),
              "Display help for clicked on buttons, menus and windows");
}

TEST_F(MainFrameTest, RecentFilesShowsTheGreyedEmptyItem)
{
    QMenu* recent = nullptr;
    for (QAction* action : Frame().TopMenu("&File")->actions()) {
        if (action->menu() && action->text() == "Recent &Files") {
            recent = action->menu();
        }
    }
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->text(), "(Empty)");
    EXPECT_EQ(recent->actions()[0]->property("commandId").toInt(), kCmdRecentFirst);
    Idle();
    EXPECT_FALSE(recent->actions()[0]->isEnabled());
}

TEST_F(MainFrameTest, CommandStatesAfterStartUpAndAfterLoading)
{
    Idle();
    const int recordBound[] = {kCmdSave,
                               kCmdPrint,
                               kCmdPrintPreview,
                               kCmdCompact,
                               kCmdExportTasks,
                               kCmdExportPersons,
                               kCmdExportAppointments,
                               kCmdReportDailyPlan,
                               kCmdReportDailyTasks,
                               kCmdReportDailyAppointments,
                               kCmdReportEnvelopes,
                               kCmdReportAddressBook};
    for (int id : recordBound) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(kCmdTaskAdd));
    EXPECT_TRUE(Frame().Action(kCmdViewToolbar)->isChecked());

    LoadSample();
    Idle();
    for (int id : recordBound) {
        const bool expected = id != kCmdSave && id != kCmdPrint && id != kCmdPrintPreview;
        EXPECT_EQ(Enabled(id), expected) << id;
    }
    EXPECT_FALSE(Frame().Action(kCmdReportDailyTasks)->isChecked());
}

TEST_F(MainFrameTest, ReportKindChecksTheReportCommand)
{
    LoadSample();
    Form().Model().State().reportKind = 4;
    Idle();
    EXPECT_TRUE(Frame().Action(kCmdReportDailyTasks)->isChecked());
    EXPECT_FALSE(Frame().Action(kCmdReportDailyPlan)->isChecked());
    EXPECT_TRUE(Enabled(kCmdPrint));
}

TEST_F(MainFrameTest, ClickingTheAppointmentListDisablesTheTaskCommands)
{
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    ClickRow(PaneList::Tasks, 0);
    Idle();
    EXPECT_TRUE(Enabled(kCmdTaskComplete));
    EXPECT_TRUE(Enabled(kCmdTaskDelete));
    EXPECT_FALSE(Enabled(kCmdAppointmentEdit));

    ClickBelowRows(PaneList::Appointments);
    Idle();
    EXPECT_TRUE(Form().List(PaneList::Tasks)->selectionModel()->hasSelection());
    EXPECT_FALSE(Enabled(kCmdTaskComplete));
    EXPECT_FALSE(Enabled(kCmdTaskDelete));
    EXPECT_FALSE(Enabled(kCmdTaskEdit));

    ClickRow(PaneList::Appointments, 0);
    Idle();
    EXPECT_TRUE(Enabled(kCmdAppointmentDelete));
}

TEST_F(MainFrameTest, DoubleClickCompletesATask)
{
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QWidget* viewport = Form().List(PaneList::Tasks)->viewport();
    const QPoint row = RowCenter(PaneList::Tasks, 1);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, row);
    EXPECT_TRUE(Db().Tasks().Find(2)->IsCompleted());
    EXPECT_FALSE(Db().Tasks().Find(1)->IsCompleted());
    EXPECT_EQ(Form().Model().Tasks().Rows().size(), 2u);
    EXPECT_EQ(Form().List(PaneList::Tasks)->model()->index(1, 0).data(Qt::DisplayRole).toString(),
              "second");
    Idle();
    EXPECT_TRUE(Enabled(kCmdSave));
}

TEST_F(MainFrameTest, ClickedPersonFillsTheDetailButtons)
{
    Person p = test::MakePerson("Cy", "Abe", "", true, false);
    p.WkPhone = "555-0100";
    p.WkExt = "9";
    Db().Persons().Add(p);
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    ClickRow(PaneList::PhoneBook, 0);
    EXPECT_EQ(Form().Control(1005)->property("text").toString(), "555-0100x9");
    EXPECT_TRUE(Form().Control(1005)->isEnabled());
    EXPECT_EQ(Form().Control(1004)->property("text").toString(), "Not Available");
    EXPECT_FALSE(Form().Control(1004)->isEnabled());
    EXPECT_FALSE(Form().Control(1007)->isEnabled());
}

TEST_F(MainFrameTest, YellowPagesRadioButtonSwitchesTheListing)
{
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    EXPECT_EQ(Form().List(PaneList::PhoneBook)->model()->rowCount(), 2);
    QWidget* yellow = Form().Control(1045);
    QTest::mouseClick(yellow, Qt::LeftButton, {}, QPoint(8, yellow->height() / 2));
    EXPECT_EQ(Form().Model().State().listing, Listing::YellowPages);
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
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    const int ids[] = {1000, 1079, 1078, 1080};
    std::map<int, QSize> before;
    for (int id : ids) {
        before[id] = Form().Control(id)->size();
    }
    Frame().resize(Frame().size() + QSize(200, 150));
    QTest::qWait(20);
    EXPECT_EQ(Form().Control(1000)->size(), before[1000]);
    EXPECT_EQ(Form().Control(1079)->height(), before[1079].height());
    EXPECT_GT(Form().Control(1079)->width(), before[1079].width());
    EXPECT_EQ(Form().Control(1078)->width(), before[1078].width());
    EXPECT_GT(Form().Control(1078)->height(), before[1078].height());
    EXPECT_GT(Form().Control(1080)->width(), before[1080].width());
    EXPECT_GT(Form().Control(1080)->height(), before[1080].height());
    // The task columns are re-fitted: two thirds and the rest.
    PaneListView* tasks = Form().List(PaneList::Tasks);
    const int width = tasks->viewport()->width();
    EXPECT_EQ(tasks->columnWidth(0), width / 6 * 4);
    EXPECT_EQ(tasks->columnWidth(0) + tasks->columnWidth(1), width);
}

TEST_F(MainFrameTest, ToolbarAndStatusBarToggle)
{
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    const Qt::ToolBarArea area = Frame().toolBarArea(Frame().MainToolBar());
    Frame().RunCommand(kCmdViewToolbar);
    EXPECT_TRUE(Frame().MainToolBar()->isHidden());
    EXPECT_FALSE(Frame().Action(kCmdViewToolbar)->isChecked());
    Frame().RunCommand(kCmdViewToolbar);
    EXPECT_FALSE(Frame().MainToolBar()->isHidden());
    EXPECT_EQ(Frame().toolBarArea(Frame().MainToolBar()), area);
    EXPECT_TRUE(Frame().Action(kCmdViewToolbar)->isChecked());

    Frame().RunCommand(kCmdViewStatusBar);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_FALSE(Frame().Action(kCmdViewStatusBar)->isChecked());
}

TEST_F(MainFrameTest, RecordCommandsReachTheForm)
{
    LoadSample();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    ClickRow(PaneList::Tasks, 0);
    Frame().Action(kCmdTaskDelete)->trigger();
    EXPECT_EQ(Db().Tasks().Count(), 1u);
    EXPECT_EQ(Form().List(PaneList::Tasks)->model()->rowCount(), 1);
    EXPECT_TRUE(Frame().Document().Modified());
}

}  // namespace
}  // namespace orvane

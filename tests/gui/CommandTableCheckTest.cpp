// The whole menu bar and the enabling of every one of its commands, checked against the
// command table the user's manual documents.
#include <QFile>
#include <QTextStream>
#include <QToolBar>
#include <set>

#include "FrameFixture.h"
#include "app/Startup.h"
#include "rules/commands/CommandIds.h"

namespace orvane::test {
namespace {

class CommandTableCheckTest : public FrameFixture {
protected:
    // "text|id|shortcuts|status text|tooltip" per command, as in tests/data/menu/menubar.txt.
    static QString Describe(const QAction& action)
    {
        QStringList keys;
        for (const QKeySequence& key : action.shortcuts()) {
            keys << key.toString(QKeySequence::PortableText);
        }
        return QStringList{action.text(), action.property("commandId").toString(),
                           keys.join(QLatin1Char(',')), action.statusTip(), action.toolTip()}
            .join(QLatin1Char('|'));
    }
    // One line per item, two spaces per level.
    static void Describe(const QMenu& menu, int level, QStringList& lines)
    {
        const QString indent(level * 2, QLatin1Char(' '));
        for (QAction* action : menu.actions()) {
            if (action->isSeparator()) {
                lines << indent + "-";
            } else if (action->menu()) {
                lines << indent + action->text();
                Describe(*action->menu(), level + 1, lines);
            } else {
                lines << indent + Describe(*action);
            }
        }
    }

    // The menu bar, then the commands that only toolbars and keys reach, by id.
    QStringList CommandLines()
    {
        QStringList lines;
        for (QAction* top : Frame().menuBar()->actions()) {
            lines << top->text();
            Describe(*top->menu(), 1, lines);
        }
        const std::map<int, QAction*> inMenus = MenuActions();
        std::map<int, QAction*> others;
        for (QAction* action : Frame().findChildren<QAction*>()) {
            const QVariant id = action->property("commandId");
            if (id.isValid() && inMenus.count(id.toInt()) == 0) {
                others[id.toInt()] = action;
            }
        }
        lines << "(outside the menu bar)";
        for (const auto& [id, action] : others) {
            lines << "  " + Describe(*action);
        }
        return lines;
    }

    // Every command of the menu bar, submenus included, by id.
    static void Collect(const QMenu& menu, std::map<int, QAction*>& actions)
    {
        for (QAction* action : menu.actions()) {
            if (action->menu()) {
                Collect(*action->menu(), actions);
            } else if (!action->isSeparator()) {
                actions[action->property("commandId").toInt()] = action;
            }
        }
    }
    std::map<int, QAction*> MenuActions()
    {
        std::map<int, QAction*> actions;
        for (QAction* top : Frame().menuBar()->actions()) {
            Collect(*top->menu(), actions);
        }
        return actions;
    }
};

QStringList GoldenMenuBar()
{
    QFile file(QStringLiteral(ORVANE_TEST_DATA "/menu/menubar.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.startsWith(QLatin1Char('#')) && !line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

TEST_F(CommandTableCheckTest, EveryCommandMatchesTheCommandTableWithItsTexts)
{
    const QStringList golden = GoldenMenuBar();
    const QStringList actual = CommandLines();
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(actual.size(), golden.size());
    for (qsizetype i = 0; i < std::min(actual.size(), golden.size()); ++i) {
        EXPECT_EQ(actual[i].toStdString(), golden[i].toStdString()) << "line " << i + 1;
    }
}

TEST_F(CommandTableCheckTest, AcceleratorTableKeysReachTheirCommands)
{
    const struct {
        int id;
        const char* keys;
    } cases[] = {
        {kCmdNew, "Ctrl+N"},    {kCmdOpen, "Ctrl+O"},           {kCmdSave, "Ctrl+S"},
        {kCmdPrint, "Ctrl+P"},  {kCmdUndo, "Ctrl+Z"},           {kCmdUndo, "Alt+Backspace"},
        {kCmdCut, "Ctrl+X"},    {kCmdCut, "Shift+Del"},         {kCmdCopy, "Ctrl+C"},
        {kCmdCopy, "Ctrl+Ins"}, {kCmdPaste, "Ctrl+V"},          {kCmdPaste, "Shift+Ins"},
        {kCmdNextPane, "F6"},   {kCmdPreviousPane, "Shift+F6"},
    };
    std::map<QString, int> owner;
    for (QAction* action : Frame().findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString text = key.toString(QKeySequence::PortableText);
            EXPECT_EQ(owner.count(text), 0u) << "two actions share " << text.toStdString();
            owner[text] = action->property("commandId").toInt();
        }
    }
    for (const auto& c : cases) {
        const QString keys =
            QKeySequence(QString::fromLatin1(c.keys)).toString(QKeySequence::PortableText);
        ASSERT_EQ(owner.count(keys), 1u) << c.keys;
        EXPECT_EQ(owner[keys], c.id) << c.keys;
    }
}

// Every menu command's enabling in the normal state without records and with some of each;
// the ids listed are the disabled ones, every other command of the menu bar is enabled.
TEST_F(CommandTableCheckTest, EnablingOfEveryCommandByDatabaseContent)
{
    struct Case {
        const char* name;
        bool persons, tasks, appointments;
        std::set<int> disabled;
    };
    const std::set<int> selectionBound = {
        kCmdTaskDelete, kCmdTaskEdit,          kCmdTaskComplete,    kCmdPersonDelete,
        kCmdPersonEdit, kCmdAppointmentDelete, kCmdAppointmentEdit, kCmdSave,
        kCmdPrint,      kCmdPrintPreview,      kCmdRecentFirst,     kCmdRestoreVersion,
        kCmdSynchronize};
    auto with = [&](std::initializer_list<int> more) {
        std::set<int> ids = selectionBound;
        ids.insert(more);
        return ids;
    };
    // Which record kinds enable which commands is the command-state golden file's; here the
    // window hands the counts over.
    const Case cases[] = {
        {"empty", false, false, false,
         with({kCmdCompact, kCmdExportTasks, kCmdExportPersons, kCmdExportAppointments,
               kCmdExportVCard, kCmdExportICalendar, kCmdReportDailyPlan, kCmdReportDailyTasks,
               kCmdReportDailyAppointments, kCmdReportEnvelopes, kCmdReportAddressBook})},
        {"one of each", true, true, true, with({})},
    };
    const std::map<int, QAction*> actions = MenuActions();
    ASSERT_EQ(actions.size(), 45u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Db().Clear();
        const PimDateTime day = Day(2026, 3, 10);
        if (c.persons) {
            Db().Persons().Add(MakePerson("Ann", "Lee", "Lee Co", true, true));
        }
        if (c.tasks) {
            Db().Tasks().Add(MakeTask("first", day));
        }
        if (c.appointments) {
            Db().Appointments().Add(MakeAppointment("meeting", day, 10, 0, true));
        }
        Frame().Document().SetModified(false, true);
        Idle();
        for (const auto& [id, action] : actions) {
            EXPECT_EQ(action->isEnabled(), c.disabled.count(id) == 0) << id;
        }
    }
}

// Every command of the menu bar, the accelerators and the toolbars reaches the part of the
// program that carries it out once the program's parts are installed.
TEST_F(CommandTableCheckTest, EveryCommandIsRoutedToItsPart)
{
    Startup::InstallParts(Frame(), m_prompter, m_settings);
    using Route = MainFrame::Route;
    const std::map<Route, std::vector<int>> expected = {
        {Route::Frame,
         {kCmdNew, kCmdOpen, kCmdSave, kCmdSaveAs, kCmdCompact, kCmdRecentFirst, kCmdRecentLast,
          kCmdRestoreVersion, kCmdExit, kCmdViewToolbar, kCmdViewStatusBar, kCmdAbout}},
        {Route::Installed, {kCmdImportTasks,     kCmdImportPersons,     kCmdImportAppointments,
                            kCmdExportTasks,     kCmdExportPersons,     kCmdExportAppointments,
                            kCmdPrint,           kCmdPageSetup,         kCmdPrintPreview,
                            kCmdReportDailyPlan, kCmdReportDailyTasks,  kCmdReportDailyAppointments,
                            kCmdReportEnvelopes, kCmdReportAddressBook, kCmdReportFont,
                            kCmdHelpTopics,      kCmdAlarmSound,        kCmdPreviewClose,
                            kCmdPreviewNext,     kCmdPreviewPrevious,   kCmdZoomIn,
                            kCmdZoomOut,         kCmdSynchronize,       kCmdSyncSettings,
                            kCmdImportVCard,     kCmdImportICalendar,   kCmdExportVCard,
                            kCmdExportICalendar}},
        {Route::Form,
         {kCmdTaskAdd, kCmdTaskDelete, kCmdTaskEdit, kCmdTaskComplete, kCmdPersonAdd,
          kCmdPersonDelete, kCmdPersonEdit, kCmdAppointmentAdd, kCmdAppointmentDelete,
          kCmdAppointmentEdit, kCmdEditUser, kCmdContextHelp, kCmdUndo, kCmdCut, kCmdCopy,
          kCmdPaste, kCmdNextPane, kCmdPreviousPane}},
    };
    std::set<int> checked;
    for (const auto& [route, ids] : expected) {
        for (int id : ids) {
            EXPECT_EQ(Frame().RouteOf(id), route) << id;
            checked.insert(id);
        }
    }
    for (const auto& [id, action] : MenuActions()) {
        EXPECT_EQ(checked.count(id), 1u) << "menu command " << id << " has no expected route";
    }
}

// The preview toolbar's buttons in order, separators as "-".
TEST_F(CommandTableCheckTest, PreviewToolBarHoldsItsButtonsInOrder)
{
    QList<int> ids;
    for (QAction* action : Frame().PreviewToolBar()->actions()) {
        ids << (action->isSeparator() ? 0 : action->property("commandId").toInt());
    }
    EXPECT_EQ(ids, (QList<int>{kCmdPreviewPrevious, kCmdPreviewNext, 0, kCmdPrint, kCmdPageSetup, 0,
                               kCmdZoomIn, kCmdZoomOut, 0, kCmdPreviewClose}));
}

}  // namespace
}  // namespace orvane::test

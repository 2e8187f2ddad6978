// The whole menu bar and the toolbars, and for every command the part that carries it out and
// its enabling, checked against the command table the user's manual documents.
#include <QToolBar>
#include <set>

#include "FrameFixture.h"
#include "app/Startup.h"
#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandTable.h"
#include "support/Golden.h"

namespace orvane::test {
namespace {

class CommandTableCheckTest : public FrameFixture {
protected:
    // "text|id|shortcuts|status text|tooltip" per command.
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
    void Describe(const QMenu& menu, int level, QStringList& lines)
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
                m_inMenus.insert(action->property("commandId").toInt());
            }
        }
    }

    // The menu bar, the commands that only toolbars and keys reach, by id, then the buttons of
    // the toolbars in order.
    QStringList CommandLines()
    {
        QStringList lines;
        for (QAction* top : Frame().menuBar()->actions()) {
            lines << top->text();
            Describe(*top->menu(), 1, lines);
        }
        std::map<int, QAction*> others;
        for (QAction* action : Frame().findChildren<QAction*>()) {
            const QVariant id = action->property("commandId");
            if (id.isValid() && m_inMenus.count(id.toInt()) == 0) {
                others[id.toInt()] = action;
            }
        }
        lines << "(outside the menu bar)";
        for (const auto& [id, action] : others) {
            lines << "  " + Describe(*action);
        }
        for (QToolBar* bar : {Frame().MainToolBar(), Frame().PreviewToolBar()}) {
            lines << "(" + bar->objectName() + ")";
            for (QAction* action : bar->actions()) {
                lines << "  " + (action->isSeparator() ? "-" : Describe(*action));
            }
        }
        return lines;
    }

    std::set<int> m_inMenus;
};

TEST_F(CommandTableCheckTest, EveryCommandMatchesTheCommandTableWithItsTexts)
{
    test::ExpectGolden((CommandLines().join(QLatin1Char('\n')) + '\n').toStdString(),
                       "menu/menubar.txt");
}

// Once the program's parts are installed, every command of the menu bar, the accelerators and
// the toolbars: "id|part that carries it out|enabled without records|with the sample records".
TEST_F(CommandTableCheckTest, EveryCommandReachesItsPartAndFollowsTheRecords)
{
    Startup::InstallParts(Frame(), m_prompter, m_settings);
    const char* parts[] = {"frame", "installed", "form"};
    std::map<int, std::pair<QAction*, std::string>> commands;
    for (QAction* action : Frame().findChildren<QAction*>()) {
        if (const QVariant id = action->property("commandId"); id.isValid()) {
            const char* part = parts[static_cast<int>(Frame().RouteOf(id.toInt()))];
            commands[id.toInt()] = {action, std::to_string(id.toInt()) + "|" + part};
        }
    }
    // The recent-file commands are a range of ids; its last one is still one of them.
    EXPECT_EQ(Frame().RouteOf(kCmdRecentLast), MainFrame::Route::Frame);
    EXPECT_EQ(CommandTable::StatusText(kCmdRecentLast), "Open this document");
    for (const bool records : {false, true}) {
        if (records) {
            LoadSample();
        }
        Frame().Document().SetModified(false, true);
        Idle();
        for (auto& [id, command] : commands) {
            command.second += command.first->isEnabled() ? "|on" : "|off";
        }
    }
    std::string out;
    for (const auto& [id, command] : commands) {
        out += command.second + "\n";
    }
    test::ExpectGolden(out, "menu/routes-and-enabling.txt");
}

}  // namespace
}  // namespace orvane::test

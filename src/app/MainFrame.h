#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

#include "data/PimDocument.h"
#include "rules/commands/CommandStates.h"
#include "rules/commands/CommandTable.h"
#include "storage/DocumentCommands.h"
#include "storage/RecentFileList.h"

class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace orvane {

class HelpViewer;
class MainForm;
class Prompter;
class SettingsStore;

// The top-level window: menu bar, main and preview toolbars, status bar and the main form.
// It owns the one open document, carries out the file, view, help and exit commands and
// passes every other command to the form.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    MainFrame(Prompter& prompter, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainFrame() override;

    PimDocument& Document() { return m_document; }
    // The frame's questions and messages, for the parts installed into it.
    Prompter& GetPrompter() { return m_prompter; }
    MainForm* Form() const { return m_form; }
    QAction* Action(int commandId) const;
    QToolBar* MainToolBar() const { return m_mainToolBar; }
    QToolBar* PreviewToolBar() const { return m_previewToolBar; }
    QMenu* TopMenu(const QString& title) const;
    QMenu* RecentMenu() const { return m_recentMenu; }
    const RecentFileList& RecentFiles() const { return m_recentFiles; }

    // Who carries out a command: the frame itself, a handler a part of the program
    // installed, or the form (which ignores what it does not know).
    enum class Route { Frame, Installed, Form };
    Route RouteOf(int commandId) const;
    // Carries out a command as if its menu item had been chosen.
    void RunCommand(int commandId);
    // Lets a later part of the program carry out a command the frame has no handler for.
    void SetCommandHandler(int commandId, std::function<void()> handler);
    // Enables, disables and checks every command from the current state.
    void UpdateCommandStates();
    CommandStates::Input CurrentState() const;

    // The program's help viewer; null until the help window exists (help is then silent).
    void SetHelpViewer(HelpViewer* viewer) { m_help = viewer; }
    HelpViewer* Help() const { return m_help; }
    // Shows a page of the help in its topic window; silent without a viewer.
    void ShowTopic(std::string_view page) const;

    // Puts a print preview in the form's place, with the preview toolbar instead of the
    // menu bar and the main toolbar; null puts the form back (the form stays alive).
    void ShowPreview(QWidget* preview);
    bool IsPreviewing() const { return m_preview != nullptr; }
    // Adds the preview's page and zoom to the state the commands are computed from.
    void SetPreviewStateSource(std::function<void(CommandStates::Input&)> source)
    {
        m_previewState = std::move(source);
    }
    // Lets a later part of the program add to the state the commands are computed from.
    void AddStateSource(std::function<void(CommandStates::Input&)> source)
    {
        m_stateSources.push_back(std::move(source));
    }
    // The status bar's text while nothing is hovered ("Ready", "Page 1 of 3").
    void ShowStatus(const QString& text);
    QString StatusText() const;

    // Shows the window where it was when it last closed (kept within the screens and not
    // below its smallest size), maximised if it was; where the desktop puts it the first time.
    void ShowAsLastClosed();

    // Opens the file named on the command line (empty: nothing).
    void OpenFromCommandLine(const std::string& argument);

signals:
    // A command was carried out (the file named on the command line counts as Open).
    void commandDone(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* MakeAction(int commandId, const QString& text);
    void BuildMenus();
    QMenu* BuildMenu(const CommandTable::MenuEntry& entry, QWidget* parent);
    void BuildToolBars();
    void BuildStatusBar();
    void RebuildRecentMenu();
    void ShowTitle(const std::string& title);
    bool RunFrameCommand(int commandId);
    bool RunFileCommand(int commandId);
    // Restore Previous Version: the dialog, then the chosen version in place of the records.
    void ChooseVersion();
    void ToggleBar(QWidget* bar);
    void RememberPlacement() const;

    Prompter& m_prompter;
    SettingsStore& m_settings;
    PimDocument m_document;
    RecentFileList m_recentFiles;
    DocumentCommands m_commands;
    MainForm* m_form = nullptr;
    QToolBar* m_mainToolBar = nullptr;
    QToolBar* m_previewToolBar = nullptr;
    QMenu* m_recentMenu = nullptr;
    QLabel* m_ready = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<QString, QMenu*> m_topMenus;
    std::map<int, std::function<void()>> m_handlers;
    HelpViewer* m_help = nullptr;
    QStackedWidget* m_clients = nullptr;
    QWidget* m_preview = nullptr;
    bool m_toolbarBeforePreview = true;
    std::function<void(CommandStates::Input&)> m_previewState;
    std::vector<std::function<void(CommandStates::Input&)>> m_stateSources;
};

}  // namespace orvane

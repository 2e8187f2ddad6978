#include "app/MainFrame.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <set>

#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramDirectory.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "rules/commands/CommandIds.h"
#include "rules/frame/WindowPlacement.h"
#include "rules/help/HelpTopics.h"
#include "widgets/AboutDialog.h"
#include "widgets/files/RestoreVersionDialog.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/panes/IconLibrary.h"
#include "widgets/panes/MainForm.h"

namespace orvane {

namespace {

const char* ToolbarIconName(int commandId)
{
    switch (commandId) {
        case kCmdNew:
            return "new";
        case kCmdOpen:
            return "open";
        case kCmdSave:
            return "save";
        case kCmdPrintPreview:
            return "preview";
        case kCmdPrint:
            return "print";
        case kCmdAbout:
            return "about";
        case kCmdContextHelp:
            return "help";
        default:
            return nullptr;
    }
}

}  // namespace

MainFrame::MainFrame(Prompter& prompter, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent),
      m_prompter(prompter),
      m_settings(settings),
      m_recentFiles("(Empty)"),
      m_commands(m_document, m_prompter, m_recentFiles, m_settings)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setWindowIcon(QIcon(IconLibrary::PicturePath()));
    BuildMenus();
    BuildToolBars();
    BuildStatusBar();
    m_recentFiles.SetMenuObserver([this] { RebuildRecentMenu(); });
    m_recentFiles.ReadFromSettings(m_settings);
    m_recentFiles.UpdateMenu();
    m_commands.SetTitleObserver([this](const std::string& title) { ShowTitle(title); });

    m_form = new MainForm(m_document, this);
    m_form->SetPaneMenus(TopMenu(tr("&Tasks")), TopMenu(tr("&Appointments")),
                         TopMenu(tr("&Phone Book")));
    m_clients = new QStackedWidget(this);
    m_clients->addWidget(m_form);
    setCentralWidget(m_clients);
    connect(m_form, &MainForm::stateChanged, this, &MainFrame::UpdateCommandStates);

    // Just large enough for the form's designed size, and never smaller.
    adjustSize();
    resize(sizeHint());
    setMinimumSize(size());
    ShowTitle(m_commands.WindowTitle());

    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &MainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

MainFrame::~MainFrame()
{
    // The form detaches from the document before the document goes.
    delete m_form;
    m_form = nullptr;
}

QAction* MainFrame::MakeAction(int commandId, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setProperty("commandId", commandId);
    action->setStatusTip(DisplayText::ToDisplay(CommandTable::StatusText(commandId)));
    const QString tip = DisplayText::ToDisplay(CommandTable::Tooltip(commandId));
    action->setToolTip(tip.isEmpty() ? QString(text).remove(QLatin1Char('&')) : tip);
    if (const char* icon = ToolbarIconName(commandId)) {
        action->setIcon(IconLibrary::Toolbar(QString::fromLatin1(icon)));
    }
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    m_actions[commandId] = action;
    return action;
}

QMenu* MainFrame::BuildMenu(const CommandTable::MenuEntry& entry, QWidget* parent)
{
    using Kind = CommandTable::MenuEntry::Kind;
    auto* menu = new QMenu(tr(entry.text.c_str()), parent);
    for (const CommandTable::MenuEntry& child : entry.children) {
        if (child.kind == Kind::Separator) {
            menu->addSeparator();
        } else if (child.kind == Kind::Submenu) {
            QMenu* sub = BuildMenu(child, menu);
            menu->addMenu(sub);
            if (child.children.size() == 1 && child.children[0].id == kCmdRecentFirst) {
                m_recentMenu = sub;
            }
        } else if (child.id == kCmdRecentFirst) {
            // The recent-file items are rebuilt from the list.
        } else {
            QAction* action = MakeAction(child.id, tr(child.text.c_str()));
            if (!child.shortcut.empty()) {
                action->setShortcut(QKeySequence(QString::fromStdString(child.shortcut)));
            }
            menu->addAction(action);
        }
    }
    return menu;
}

void MainFrame::BuildMenus()
{
    for (const CommandTable::MenuEntry& top : CommandTable::MenuBar()) {
        QMenu* menu = BuildMenu(top, menuBar());
        menuBar()->addMenu(menu);
        m_topMenus[QString::fromStdString(top.text)] = menu;
    }
    for (const CommandTable::KeyBinding& key : CommandTable::ExtraKeys()) {
        QAction* action = m_actions.count(key.id) ? m_actions[key.id] : MakeAction(key.id, {});
        QList<QKeySequence> keys = action->shortcuts();
        keys << QKeySequence(QString::fromStdString(key.shortcut));
        action->setShortcuts(keys);
        addAction(action);
    }
    Action(kCmdViewToolbar)->setCheckable(true);
    Action(kCmdViewStatusBar)->setCheckable(true);
    const int reports[] = {kCmdReportDailyPlan, kCmdReportDailyTasks, kCmdReportDailyAppointments,
                           kCmdReportEnvelopes, kCmdReportAddressBook};
    for (int id : reports) {
        Action(id)->setCheckable(true);
    }
}

void MainFrame::BuildToolBars()
{
    m_mainToolBar = addToolBar(tr("Toolbar"));
    m_mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_mainToolBar->setMovable(false);
    // Qt scales the pictures on high-density screens.
    m_mainToolBar->setIconSize(QSize(16, 15));
    const int buttons[] = {kCmdNew, kCmdOpen,  kCmdSave,       0, kCmdPrintPreview, kCmdPrint,
                           0,       kCmdAbout, kCmdContextHelp};
    for (int id : buttons) {
        if (id == 0) {
            m_mainToolBar->addSeparator();
        } else {
            QAction* action = m_actions.count(id) ? m_actions[id] : MakeAction(id, tr("Help"));
            m_mainToolBar->addAction(action);
        }
    }

    m_previewToolBar = addToolBar(tr("Preview"));
    m_previewToolBar->setObjectName(QStringLiteral("previewToolBar"));
    m_previewToolBar->setMovable(false);
    m_previewToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const std::pair<int, const char*> previewButtons[] = {{kCmdPreviewPrevious, "&Prev Page"},
                                                          {kCmdPreviewNext, "&Next Page"},
                                                          {0, nullptr},
                                                          {kCmdPrint, nullptr},
                                                          {kCmdPageSetup, nullptr},
                                                          {0, nullptr},
                                                          {kCmdZoomIn, "Zoom &In"},
                                                          {kCmdZoomOut, "Zoom &Out"},
                                                          {0, nullptr},
                                                          {kCmdPreviewClose, "&Close"}};
    for (const auto& [id, text] : previewButtons) {
        if (id == 0) {
            m_previewToolBar->addSeparator();
        } else {
            m_previewToolBar->addAction(text ? MakeAction(id, tr(text)) : Action(id));
        }
    }
    // The toolbar's actions answer their keys only while the toolbar shows.
    for (const CommandTable::KeyBinding& key : CommandTable::PreviewKeys()) {
        Action(key.id)->setShortcut(QKeySequence(QString::fromStdString(key.shortcut)));
    }
    m_previewToolBar->hide();
}

void MainFrame::BuildStatusBar()
{
    m_ready = new QLabel(DisplayText::ToDisplay(CommandTable::ReadyText()), this);
    statusBar()->addWidget(m_ready, 1);
}

void MainFrame::RebuildRecentMenu()
{
    if (m_recentMenu == nullptr) {
        return;
    }
    m_recentMenu->clear();
    for (const RecentFileList::MenuItem& item : m_recentFiles.MenuItems()) {
        QAction* action = m_recentMenu->addAction(DisplayText::ToDisplay(item.text));
        const int id = item.commandId;
        action->setProperty("commandId", id);
        action->setEnabled(item.enabled);
        action->setStatusTip(DisplayText::ToDisplay(CommandTable::StatusText(id)));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

QAction* MainFrame::Action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainFrame::TopMenu(const QString& title) const
{
    const auto it = m_topMenus.find(title);
    return it == m_topMenus.end() ? nullptr : it->second;
}

void MainFrame::ShowTitle(const std::string& title)
{
    setWindowTitle(DisplayText::ToDisplay(title));
}

void MainFrame::SetCommandHandler(int commandId, std::function<void()> handler)
{
    m_handlers[commandId] = std::move(handler);
}

MainFrame::Route MainFrame::RouteOf(int commandId) const
{
    static const std::set<int> own = {
        kCmdNew,  kCmdOpen,        kCmdSave,          kCmdSaveAs, kCmdCompact, kCmdRestoreVersion,
        kCmdExit, kCmdViewToolbar, kCmdViewStatusBar, kCmdAbout};
    if (own.count(commandId) || (commandId >= kCmdRecentFirst && commandId <= kCmdRecentLast)) {
        return Route::Frame;
    }
    return m_handlers.count(commandId) ? Route::Installed : Route::Form;
}

void MainFrame::RunCommand(int commandId)
{
    switch (RouteOf(commandId)) {
        case Route::Frame:
            RunFrameCommand(commandId);
            break;
        case Route::Installed:
            m_handlers.at(commandId)();
            break;
        case Route::Form:
            m_form->HandleCommand(commandId);
            break;
    }
    UpdateCommandStates();
    emit commandDone(commandId);
}

bool MainFrame::RunFileCommand(int commandId)
{
    if (commandId >= kCmdRecentFirst && commandId <= kCmdRecentLast) {
        m_commands.OpenRecent(commandId);
        return true;
    }
    switch (commandId) {
        case kCmdNew:
            m_commands.New();
            return true;
        case kCmdOpen:
            m_commands.Open();
            return true;
        case kCmdSave:
            m_commands.Save();
            return true;
        case kCmdSaveAs:
            m_commands.SaveAs();
            return true;
        case kCmdCompact:
            m_commands.Compact();
            return true;
        case kCmdRestoreVersion:
            ChooseVersion();
            return true;
        default:
            return false;
    }
}

void MainFrame::ShowTopic(std::string_view page) const
{
    if (m_help != nullptr) {
        m_help->ShowHelp(HelpAddress::Topic(ProgramDirectory::Current(), page),
                         HelpCommand::DisplayTopic, 0);
    }
}

void MainFrame::ChooseVersion()
{
    const auto showHelp = [this] { ShowTopic(HelpTopics::kRestoreVersion); };
    RestoreVersionDialog dialog(m_document.Path(), m_commands.Versions(), showHelp, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (const std::optional<std::string> version = dialog.Chosen()) {
            m_commands.RestoreVersion(*version);
        }
    }
}

bool MainFrame::RunFrameCommand(int commandId)
{
    if (RunFileCommand(commandId)) {
        return true;
    }
    switch (commandId) {
        case kCmdExit:
            close();
            return true;
        case kCmdViewToolbar:
            ToggleBar(m_mainToolBar);
            return true;
        case kCmdViewStatusBar:
            ToggleBar(statusBar());
            return true;
        case kCmdAbout: {
            AboutDialog about(QApplication::activeWindow() ? QApplication::activeWindow() : this);
            about.exec();
            return true;
        }
        default:
            return false;
    }
}

void MainFrame::ToggleBar(QWidget* bar)
{
    bar->setVisible(bar->isHidden());
}

CommandStates::Input MainFrame::CurrentState() const
{
    CommandStates::Input input;
    const PimDatabase& database = m_document.Database();
    input.modified = m_document.Modified();
    input.hasVersions = m_commands.CanRestoreVersion();
    input.persons = database.Persons().Count();
    input.tasks = database.Tasks().Count();
    input.appointments = database.Appointments().Count();
    input.form = m_form->Model().State();
    input.toolbarVisible = !m_mainToolBar->isHidden();
    input.statusBarVisible = !statusBar()->isHidden();
    input.previewing = IsPreviewing();
    if (input.previewing && m_previewState) {
        m_previewState(input);
    }
    for (const auto& source : m_stateSources) {
        source(input);
    }
    return input;
}

void MainFrame::UpdateCommandStates()
{
    if (m_form == nullptr) {
        return;
    }
    const CommandStates states = CommandStates::Compute(CurrentState());
    for (const auto& [id, action] : m_actions) {
        const CommandStates::State state = states.Of(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void MainFrame::ShowPreview(QWidget* preview)
{
    if (preview != nullptr && m_preview == nullptr) {
        m_toolbarBeforePreview = !m_mainToolBar->isHidden();
    }
    if (preview != nullptr) {
        if (m_clients->indexOf(preview) < 0) {
            m_clients->addWidget(preview);
        }
        m_clients->setCurrentWidget(preview);
    } else {
        m_clients->setCurrentWidget(m_form);
        if (m_preview != nullptr) {
            m_clients->removeWidget(m_preview);
        }
    }
    m_preview = preview;
    const bool previewing = preview != nullptr;
    menuBar()->setVisible(!previewing);
    m_mainToolBar->setVisible(!previewing && m_toolbarBeforePreview);
    m_previewToolBar->setVisible(previewing);
    UpdateCommandStates();
}

void MainFrame::ShowStatus(const QString& text)
{
    m_ready->setText(text);
}

QString MainFrame::StatusText() const
{
    return m_ready->text();
}

void MainFrame::OpenFromCommandLine(const std::string& argument)
{
    m_commands.OpenFromCommandLine(argument);
    if (!argument.empty()) {
        emit commandDone(kCmdOpen);
    }
}

void MainFrame::ShowAsLastClosed()
{
    if (const std::optional<WindowPlacement> placement = WindowPlacement::Read(m_settings)) {
        std::vector<WindowPlacement::Rect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            const WindowPlacement::Rect rect{area.x(), area.y(), area.width(), area.height()};
            // The primary screen first: a window off every screen goes there.
            screens.insert(
                screen == QGuiApplication::primaryScreen() ? screens.begin() : screens.end(), rect);
        }
        const WindowPlacement::Rect fitted =
            WindowPlacement::Fit(placement->normal, screens, minimumWidth(), minimumHeight());
        setGeometry(fitted.x, fitted.y, fitted.width, fitted.height);
        if (placement->maximised) {
            showMaximized();
            return;
        }
    }
    show();
}

void MainFrame::RememberPlacement() const
{
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    if (!m_settings.IsAvailable() || normal.isEmpty()) {
        return;
    }
    WindowPlacement placement;
    placement.normal = {normal.x(), normal.y(), normal.width(), normal.height()};
    placement.maximised = isMaximized();
    placement.Write(m_settings);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    // The preview goes first; the form is what the close check leaves behind.
    if (IsPreviewing()) {
        RunCommand(kCmdPreviewClose);
    }
    if (m_commands.CanClose()) {
        RememberPlacement();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace orvane

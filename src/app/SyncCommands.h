#pragma once

#include <QObject>
#include <QProcess>
#include <functional>
#include <optional>
#include <string>

#include "sync/SyncSettings.h"

namespace orvane {

class MainFrame;
class Prompter;
class SettingsStore;

// Installs "Synchronize" (File menu) and "Synchronization..." (Edit menu). A sync runs the
// database's command first (vdirsyncer, bringing the server's changes into the folders)
// without blocking the window, then syncs the database with its folders, and runs the
// command again when the folders changed; a failing command shows its output. With
// "synchronize when opening and after saving", Open and Save start a sync too. Owned by
// the frame.
class SyncCommands : public QObject {
    Q_OBJECT
public:
    static SyncCommands* Install(MainFrame& frame, Prompter& prompter, SettingsStore& settings);

    // Nothing while a sync runs or when the database has no sync folders.
    void Synchronize();
    void EditSettings();
    bool IsRunning() const { return m_process != nullptr; }

    // The settings dialog by default; nothing when it was cancelled.
    using Editor =
        std::function<std::optional<sync::SyncSettings>(const sync::SyncSettings& current)>;
    void SetEditor(Editor editor) { m_editor = std::move(editor); }

signals:
    // A sync came to its end, whatever the outcome.
    void finished();

private:
    SyncCommands(MainFrame& frame, Prompter& prompter, SettingsStore& settings);
    sync::SyncSettings Settings() const;
    bool CanSynchronize() const;
    void RunCommand(bool before);
    void CommandFinished(int exitCode, QProcess::ExitStatus status);
    void SyncFolders();
    void Finish(const std::string& status);
    void AfterCommand(int commandId);
    std::optional<sync::SyncSettings> ShowDialog(const sync::SyncSettings& current);

    MainFrame& m_frame;
    Prompter& m_prompter;
    SettingsStore& m_settings;
    Editor m_editor;
    QProcess* m_process = nullptr;
    bool m_before = true;
    sync::SyncSettings m_running;  // the settings of the sync under way
    std::string m_runningPath;     // and its database
    std::string m_outcome;         // its summary, shown once the command after it is done
};

}  // namespace orvane

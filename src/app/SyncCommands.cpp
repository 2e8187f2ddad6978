#include "app/SyncCommands.h"

#include <QApplication>
#include <QTimer>

#include "app/MainFrame.h"
#include "platform/Prompter.h"
#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandTable.h"
#include "rules/help/HelpTopics.h"
#include "sync/DocumentSync.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/sync/SyncSettingsDialog.h"

namespace orvane {

namespace {

constexpr int kStatusShownMs = 15000;

bool IsOpenOrSave(int commandId)
{
    return commandId == kCmdOpen || commandId == kCmdSave || commandId == kCmdSaveAs ||
           (commandId >= kCmdRecentFirst && commandId <= kCmdRecentLast);
}

}  // namespace

SyncCommands* SyncCommands::Install(MainFrame& frame, Prompter& prompter, SettingsStore& settings)
{
    auto* commands = new SyncCommands(frame, prompter, settings);
    frame.SetCommandHandler(kCmdSynchronize, [commands] { commands->Synchronize(); });
    frame.SetCommandHandler(kCmdSyncSettings, [commands] { commands->EditSettings(); });
    frame.AddStateSource([commands](CommandStates::Input& input) {
        input.canSynchronize = commands->CanSynchronize();
    });
    connect(&frame, &MainFrame::commandDone, commands, &SyncCommands::AfterCommand);
    return commands;
}

SyncCommands::SyncCommands(MainFrame& frame, Prompter& prompter, SettingsStore& settings)
    : QObject(&frame), m_frame(frame), m_prompter(prompter), m_settings(settings)
{}

sync::SyncSettings SyncCommands::Settings() const
{
    return sync::SyncSettings::Read(m_settings, m_frame.Document().Path());
}

bool SyncCommands::CanSynchronize() const
{
    // Read each time: the settings store keeps its values in memory.
    return !IsRunning() && !m_frame.Document().Path().empty() && Settings().IsSet();
}

void SyncCommands::Synchronize()
{
    if (!CanSynchronize()) {
        return;
    }
    m_running = Settings();
    m_runningPath = m_frame.Document().Path();
    if (m_running.command.empty()) {
        SyncFolders();
    } else {
        RunCommand(true);
    }
}

void SyncCommands::RunCommand(bool before)
{
    m_before = before;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::finished, this, &SyncCommands::CommandFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            CommandFinished(-1, QProcess::CrashExit);
        }
    });
    m_frame.ShowStatus(tr("Synchronizing: %1").arg(QString::fromStdString(m_running.command)));
    m_frame.UpdateCommandStates();
    m_process->start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"), QString::fromStdString(m_running.command)});
}

void SyncCommands::CommandFinished(int exitCode, QProcess::ExitStatus status)
{
    QProcess* process = std::exchange(m_process, nullptr);
    if (process == nullptr) {
        return;  // a failed start reports twice
    }
    const std::string output = process->readAll().toStdString();
    const bool started = process->error() != QProcess::FailedToStart;
    process->deleteLater();
    if (!started || status != QProcess::NormalExit || exitCode != 0) {
        const std::string why = !started ? "could not be started"
                                : status != QProcess::NormalExit
                                    ? "was stopped"
                                    : "failed with exit status " + std::to_string(exitCode);
        sync::DocumentSync::CommandFailed(m_running.command, m_before, why, output, m_prompter);
        Finish(m_before ? "Not synchronized: the command before failed"
                        : "Synchronized; the command after failed");
        return;
    }
    if (m_before) {
        SyncFolders();
    } else {
        Finish(m_outcome);
    }
}

void SyncCommands::SyncFolders()
{
    if (m_frame.Document().Path() != m_runningPath) {
        Finish("Not synchronized: another database was opened meanwhile");
        return;
    }
    m_frame.ShowStatus(tr("Synchronizing..."));
    const sync::DocumentSync::Outcome outcome =
        sync::DocumentSync::Run(m_frame.Document(), m_running, m_prompter);
    if (!outcome.done) {
        Finish("Not synchronized");
        return;
    }
    m_outcome = sync::DocumentSync::StatusText(outcome.summary);
    if (outcome.FoldersChanged() && !m_running.command.empty()) {
        RunCommand(false);
        return;
    }
    Finish(m_outcome);
}

void SyncCommands::Finish(const std::string& status)
{
    const QString text = DisplayText::ToDisplay(status);
    m_frame.ShowStatus(text);
    m_frame.UpdateCommandStates();
    QTimer::singleShot(kStatusShownMs, this, [this, text] {
        if (m_frame.StatusText() == text) {
            m_frame.ShowStatus(DisplayText::ToDisplay(CommandTable::ReadyText()));
        }
    });
    emit finished();
}

void SyncCommands::EditSettings()
{
    const std::string path = m_frame.Document().Path();
    if (path.empty()) {
        m_prompter.ShowMessage("Save the database before setting up its synchronization.",
                               sync::DocumentSync::kCaption, MessageButtons::Ok,
                               MessageIcon::Information);
        return;
    }
    sync::SyncSettings current = Settings();
    if (current.command.empty() && !current.IsSet()) {
        current.command = sync::SyncSettings::SuggestedCommand();
    }
    const std::optional<sync::SyncSettings> chosen =
        m_editor ? m_editor(current) : ShowDialog(current);
    if (!chosen) {
        return;
    }
    chosen->Write(m_settings, path);
    m_frame.UpdateCommandStates();
}

std::optional<sync::SyncSettings> SyncCommands::ShowDialog(const sync::SyncSettings& current)
{
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : &m_frame;
    SyncSettingsDialog dialog(
        current, [this] { m_frame.ShowTopic(HelpTopics::kSync); }, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

void SyncCommands::AfterCommand(int commandId)
{
    const PimDocument& document = m_frame.Document();
    if (!IsOpenOrSave(commandId) || document.Path().empty() || document.Modified()) {
        return;
    }
    if (Settings().automatic) {
        Synchronize();
    }
}

}  // namespace orvane

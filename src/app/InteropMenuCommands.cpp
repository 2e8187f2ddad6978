#include "app/InteropMenuCommands.h"

#include <QDropEvent>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>

#include "app/MainFrame.h"
#include "platform/Prompter.h"
#include "rules/commands/CommandIds.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

using interop::InteropCommand;
using interop::InteropFiles;

// A progress dialog that shows only when the work takes longer than half a second.
InteropCommand::Runner ProgressDialogs(MainFrame& frame, Prompter& prompter)
{
    return [&frame, &prompter](const std::string& title, const InteropCommand::Work& work) {
        WaitCursor wait(prompter);
        QProgressDialog dialog(DisplayText::ToDisplay(title + "..."), QObject::tr("Cancel"), 0,
                               1000, &frame);
        dialog.setWindowTitle(QStringLiteral("Orvane!"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(500);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        const InteropFiles::Outcome outcome = work([&dialog](size_t done, size_t total) {
            dialog.setValue(total == 0 ? 0 : int(done * 1000 / total));
            return !dialog.wasCanceled();
        });
        return outcome;
    };
}

std::vector<std::string> DroppedFiles(const QMimeData* data)
{
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            std::string path = DisplayText::FromTyped(url.toLocalFile());
            if (InteropCommand::Importable(path)) {
                paths.push_back(std::move(path));
            }
        }
    }
    return paths;
}

}  // namespace

InteropMenuCommands::InteropMenuCommands(MainFrame& frame, Prompter& prompter)
    : QObject(&frame),
      m_frame(frame),
      m_command(frame.Document(), prompter, ProgressDialogs(frame, prompter))
{}

InteropMenuCommands* InteropMenuCommands::Install(MainFrame& frame, Prompter& prompter)
{
    auto* commands = new InteropMenuCommands(frame, prompter);
    using Action = InteropCommand::Action;
    const std::pair<int, Action> actions[] = {
        {kCmdImportVCard, Action::ImportContacts},
        {kCmdImportICalendar, Action::ImportCalendar},
        {kCmdExportVCard, Action::ExportPhoneBook},
        {kCmdExportICalendar, Action::ExportCalendar},
    };
    for (const auto& [id, action] : actions) {
        frame.SetCommandHandler(id, [commands, action] { commands->m_command.Run(action); });
    }
    frame.setAcceptDrops(true);
    frame.installEventFilter(commands);
    return commands;
}

bool InteropMenuCommands::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != &m_frame ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths = DroppedFiles(drop->mimeData());
    if (paths.empty() || m_frame.IsPreviewing()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // The dragging program waits until the drop returns: import after it.
        QTimer::singleShot(0, this, [this, paths = std::move(paths)] {
            m_command.ImportFiles(paths);
            m_frame.UpdateCommandStates();
        });
    }
    return true;
}

}  // namespace orvane

#include "app/adapters/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons)
{
    switch (buttons) {
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

MessageAnswer FromQt(int button)
{
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
    }
}

QString NameFilters(const FileDialogRequest& request)
{
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        // Qt reads the patterns from the parentheses of the description.
        QString description = DisplayText::ToDisplay(filter.description);
        const QString pattern = DisplayText::ToDisplay(filter.pattern);
        // Qt filters by the last parentheses, so a label whose parentheses show something
        // else ("All files (*.)" for "*.*") gets the real pattern after it.
        if (!description.endsWith(QStringLiteral("(%1)").arg(pattern))) {
            description += QStringLiteral(" (%1)").arg(pattern);
        }
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

QWidget* QtPrompter::Owner() const
{
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return m_owner;
}

MessageAnswer QtPrompter::ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(ToQt(icon), DisplayText::ToDisplay(caption), DisplayText::ToDisplay(text),
                    ToQt(buttons), Owner());
    return FromQt(box.exec());
}

std::optional<std::string> QtPrompter::AskPath(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(Owner(), DisplayText::ToDisplay(request.title));
    dialog.setNameFilter(NameFilters(request));
    dialog.setDefaultSuffix(DisplayText::ToDisplay(request.defaultExtension));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.initialName.empty()) {
        dialog.selectFile(DisplayText::ToDisplay(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return DisplayText::FromTyped(dialog.selectedFiles().first());
}

std::optional<std::string> QtPrompter::AskOpenPath(const FileDialogRequest& request)
{
    return AskPath(request, false);
}

std::optional<std::string> QtPrompter::AskSavePath(const FileDialogRequest& request)
{
    return AskPath(request, true);
}

void QtPrompter::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPrompter::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

}  // namespace orvane

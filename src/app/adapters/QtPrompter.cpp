#include "app/adapters/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
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
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
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

// Qt reads a filter's patterns from the parentheses of its label; some labels show other
// patterns than they list ("All files (*.)" lists "*.*").
bool ShowsItsPatterns(const FileFilter& filter)
{
    return DisplayText::ToDisplay(filter.description)
        .endsWith(QStringLiteral("(%1)").arg(DisplayText::ToDisplay(filter.pattern)));
}

// "*.*" lists every file, also those without a dot in the name.
QStringList ListedPatterns(const FileFilter& filter)
{
    QStringList patterns = DisplayText::ToDisplay(filter.pattern).split(QLatin1Char(';'));
    for (QString& pattern : patterns) {
        if (pattern == QStringLiteral("*.*")) {
            pattern = QStringLiteral("*");
        }
    }
    return patterns;
}

// Shows every label exactly. A label that does not show its own patterns needs the
// program's own dialog, whose file list is then given the real patterns whenever that
// label is chosen (after the dialog has applied the label's).
void SetFilters(QFileDialog& dialog, const std::vector<FileFilter>& filters)
{
    QStringList labels;
    bool ownDialog = false;
    for (const FileFilter& filter : filters) {
        labels << DisplayText::ToDisplay(filter.description);
        ownDialog = ownDialog || !ShowsItsPatterns(filter);
    }
    if (!ownDialog) {
        dialog.setNameFilters(labels);
        return;
    }
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilters(labels);
    const auto listChosen = [&dialog, filters](const QString& label) {
        auto* files = dialog.findChild<QFileSystemModel*>();
        for (const FileFilter& filter : filters) {
            if (files && DisplayText::ToDisplay(filter.description) == label &&
                !ShowsItsPatterns(filter)) {
                files->setNameFilters(ListedPatterns(filter));
            }
        }
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, listChosen);
    listChosen(dialog.selectedNameFilter());
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
    // A question in the middle of a save is answered with the ordinary pointer.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const MessageAnswer answer = FromQt(box.exec());
    if (waiting) {
        QApplication::restoreOverrideCursor();
    }
    return answer;
}

std::optional<ChosenFile> QtPrompter::AskPath(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(Owner(), DisplayText::ToDisplay(request.title));
    SetFilters(dialog, request.filters);
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
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return ChosenFile{DisplayText::FromTyped(dialog.selectedFiles().first()),
                      filter < 0 ? 0 : size_t(filter)};
}

std::optional<std::string> QtPrompter::AskOpenPath(const FileDialogRequest& request)
{
    const std::optional<ChosenFile> chosen = AskPath(request, false);
    return chosen ? std::optional<std::string>(chosen->path) : std::nullopt;
}

std::optional<std::string> QtPrompter::AskSavePath(const FileDialogRequest& request)
{
    const std::optional<ChosenFile> chosen = AskPath(request, true);
    return chosen ? std::optional<std::string>(chosen->path) : std::nullopt;
}

std::optional<ChosenFile> QtPrompter::AskSaveFile(const FileDialogRequest& request)
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

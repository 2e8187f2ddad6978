#pragma once

#include "platform/Prompter.h"

class QWidget;

namespace orvane {

// Real message boxes, file dialogs and the wait cursor, owned by the main window (or the
// window that is active when the question comes).
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons, MessageIcon icon) override;
    std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override;
    std::optional<std::string> AskSavePath(const FileDialogRequest& request) override;
    std::optional<ChosenFile> AskSaveFile(const FileDialogRequest& request) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QWidget* Owner() const;
    std::optional<ChosenFile> AskPath(const FileDialogRequest& request, bool save);

    QWidget* m_owner;
};

}  // namespace orvane

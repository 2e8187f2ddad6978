#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

enum class MessageButtons { Ok, YesNoCancel, RetryCancel, YesNo };
enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct FileFilter {
    std::string description;  // "Orvane Files (*.pgr)"
    std::string pattern;      // "*.pgr"
};

struct FileDialogRequest {
    std::string title;  // empty: the dialog's own
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // without the dot
    std::string initialName;
    bool mustExist = false;         // open dialogs
    bool confirmOverwrite = false;  // save dialogs
};

// Everything a command flow asks of the user: message boxes, file dialogs and the wait
// cursor. The window shows real dialogs; tests script the answers and check what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons, MessageIcon icon) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> AskOpenPath(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSavePath(const FileDialogRequest& request) = 0;

    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(Prompter& prompter) : m_prompter(prompter) { m_prompter.BeginWaitCursor(); }
    ~WaitCursor() { m_prompter.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Prompter& m_prompter;
};

}  // namespace orvane

#pragma once

#include <cstddef>
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

// A save dialog's answer when its list of file types is also a choice.
struct ChosenFile {
    std::string path;
    size_t filter = 0;  // index into the request's filters
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
    // A save dialog that also tells which file type was chosen; the first, where the dialog
    // offers no choice.
    virtual std::optional<ChosenFile> AskSaveFile(const FileDialogRequest& request)
    {
        std::optional<std::string> path = AskSavePath(request);
        return path ? std::optional<ChosenFile>(ChosenFile{std::move(*path), 0}) : std::nullopt;
    }

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

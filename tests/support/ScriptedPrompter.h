#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Prompter.h"

namespace orvane {

// A prompter that answers from a script and records every question.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };
    struct FileQuestion {
        bool save;
        FileDialogRequest request;
    };

    // Answers, taken in order; an unscripted message answers Cancel (or Ok when it has
    // only an OK button) and an unscripted file dialog is cancelled.
    void QueueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    void QueuePath(std::optional<std::string> path) { m_paths.push_back(std::move(path)); }
    // The file type a save dialog's next answer chose (the first when none is queued).
    void QueueFilter(size_t filter) { m_filters.push_back(filter); }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons, MessageIcon icon) override;
    std::optional<std::string> AskOpenPath(const FileDialogRequest& request) override;
    std::optional<std::string> AskSavePath(const FileDialogRequest& request) override;
    std::optional<ChosenFile> AskSaveFile(const FileDialogRequest& request) override;
    void BeginWaitCursor() override
    {
        ++m_waitDepth;
        ++m_waitCount;
    }
    void EndWaitCursor() override { --m_waitDepth; }

    const std::vector<Message>& Messages() const { return m_messages; }
    const std::vector<FileQuestion>& FileQuestions() const { return m_fileQuestions; }
    int WaitDepth() const { return m_waitDepth; }
    int WaitCount() const { return m_waitCount; }
    void ClearRecord();

private:
    std::optional<std::string> NextPath(bool save, const FileDialogRequest& request);

    std::deque<MessageAnswer> m_answers;
    std::deque<std::optional<std::string>> m_paths;
    std::deque<size_t> m_filters;
    std::vector<Message> m_messages;
    std::vector<FileQuestion> m_fileQuestions;
    int m_waitDepth = 0;
    int m_waitCount = 0;
};

}  // namespace orvane

#include "support/ScriptedPrompter.h"

namespace orvane {

MessageAnswer ScriptedPrompter::ShowMessage(const std::string& text, const std::string& caption,
                                            MessageButtons buttons, MessageIcon icon)
{
    m_messages.push_back({text, caption, buttons, icon});
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<std::string> ScriptedPrompter::AskOpenPath(const FileDialogRequest& request)
{
    return NextPath(false, request);
}

std::optional<std::string> ScriptedPrompter::AskSavePath(const FileDialogRequest& request)
{
    return NextPath(true, request);
}

std::optional<ChosenFile> ScriptedPrompter::AskSaveFile(const FileDialogRequest& request)
{
    std::optional<std::string> path = NextPath(true, request);
    size_t filter = 0;
    if (!m_filters.empty()) {
        filter = m_filters.front();
        m_filters.pop_front();
    }
    return path ? std::optional<ChosenFile>(ChosenFile{std::move(*path), filter}) : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::NextPath(bool save, const FileDialogRequest& request)
{
    m_fileQuestions.push_back({save, request});
    if (m_paths.empty()) {
        return std::nullopt;
    }
    auto path = m_paths.front();
    m_paths.pop_front();
    return path;
}

void ScriptedPrompter::ClearRecord()
{
    m_messages.clear();
    m_fileQuestions.clear();
    m_waitCount = 0;
}

}  // namespace orvane

#pragma once

#include <ostream>

#include "platform/Prompter.h"

namespace orvane::cli {

// Messages go to a stream, one line each; questions get their default answer and file
// dialogs are cancelled, since nobody can answer.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& stream) : m_stream(stream) {}

    MessageAnswer ShowMessage(const std::string& text, const std::string&, MessageButtons buttons,
                              MessageIcon) override
    {
        m_stream << text << "\n";
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    std::optional<std::string> AskOpenPath(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> AskSavePath(const FileDialogRequest&) override { return {}; }

private:
    std::ostream& m_stream;
};

}  // namespace orvane::cli

// PimDocument's file operations: new, open, save and the close check.
#include "data/PimDocument.h"
#include "platform/Prompter.h"
#include "storage/DocumentFileDialogs.h"
#include "storage/ReadWholeFile.h"

namespace orvane {

bool PimDocument::NewDocument()
{
    Clear();
    SetPath(std::string());
    return true;
}

// Read first, so that a file that cannot be read leaves the open database alone; a file
// that does not parse leaves it empty.
bool PimDocument::OpenDocument(const std::string& path, Prompter& prompter)
{
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        return false;
    }
    Clear();
    if (!m_database.Load(text->c_str(), prompter)) {
        return false;
    }
    m_modified = false;
    UpdateAllViews();
    return true;
}

bool PimDocument::SaveDocument(const std::string& path)
{
    if (!m_database.Save(path)) {
        return false;
    }
    m_modified = false;
    return true;
}

bool PimDocument::DoSave(Prompter& prompter, bool& failed)
{
    failed = false;
    if (m_path.empty() || m_path == "Untitled") {
        return DoSaveAs(prompter, failed);
    }
    if (!m_modified) {
        return true;
    }
    WaitCursor wait(prompter);
    failed = !SaveDocument(m_path);
    return !failed;
}

bool PimDocument::DoSaveAs(Prompter& prompter, bool& failed)
{
    failed = false;
    const std::optional<std::string> path =
        prompter.AskSavePath(DocumentFileDialogs::SaveRequest(GetTitle()));
    if (!path) {
        return false;
    }
    WaitCursor wait(prompter);
    if (!SaveDocument(*path)) {
        failed = true;
        return false;
    }
    SetPath(*path);
    return true;
}

bool PimDocument::DoOpen(Prompter& prompter, bool& failed)
{
    failed = false;
    const std::optional<std::string> path =
        prompter.AskOpenPath(DocumentFileDialogs::OpenRequest());
    if (!path) {
        return false;
    }
    if (!OpenDocument(*path, prompter)) {
        failed = true;
        return false;
    }
    SetPath(*path);
    return true;
}

bool PimDocument::SaveModified(Prompter& prompter, const std::string& caption)
{
    if (!IsModified()) {
        return true;
    }
    const MessageAnswer answer =
        prompter.ShowMessage("Save changes to " + GetTitle() + "?", caption,
                             MessageButtons::YesNoCancel, MessageIcon::Warning);
    if (answer == MessageAnswer::Yes) {
        bool failed = false;
        return DoSave(prompter, failed);
    }
    return answer == MessageAnswer::No;
}

}  // namespace orvane

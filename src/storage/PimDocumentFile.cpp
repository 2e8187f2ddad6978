// PimDocument's file operations: new, open, save and the close check.
#include "data/PimDocument.h"
#include "platform/Prompter.h"
#include "storage/BackupStore.h"
#include "storage/DatabaseRoot.h"
#include "storage/DatabaseWriter.h"
#include "storage/DocumentFileDialogs.h"
#include "storage/ReadWholeFile.h"
#include "storage/SafeSave.h"

namespace orvane {

bool PimDocument::NewDocument()
{
    Clear();
    SetPath(std::string());
    m_diskPath.clear();
    m_diskIdentity.reset();
    return true;
}

// Read first, so that a file that cannot be read leaves the open database alone; a file
// that does not parse leaves it empty.
bool PimDocument::OpenDocument(const std::string& path, Prompter& prompter)
{
    FileIdentity identity;
    const std::optional<std::string> text = ReadWholeFile(path, &identity);
    if (!text) {
        return false;
    }
    Clear();
    if (!m_database.Load(text->c_str(), prompter)) {
        return false;
    }
    m_diskPath = path;
    m_diskIdentity = identity;
    m_modified = false;
    UpdateAllViews();
    return true;
}

bool PimDocument::OpenVersion(const std::string& versionFile, Prompter& prompter)
{
    const std::optional<std::string> text = ReadWholeFile(versionFile);
    PimDatabase version;
    if (!text || !DatabaseRoot::Of(*text).IsDatabase() || !version.Load(text->c_str(), prompter)) {
        return false;
    }
    m_database = std::move(version);
    m_modified = true;
    UpdateAllViews();
    return true;
}

bool PimDocument::SaveDocument(const std::string& path, Prompter& prompter, bool& failed)
{
    failed = false;
    SafeSave::Options options;
    options.backups = BackupStore::ForUser();
    // Only the file this document came from can have been changed behind its back.
    if (path == m_diskPath) {
        options.expected = m_diskIdentity;
        options.overwriteChanged = [&] {
            return prompter.ShowMessage(path +
                                            " has been changed by another program since it was "
                                            "opened or saved. Overwrite it?",
                                        "Orvane!", MessageButtons::YesNo,
                                        MessageIcon::Warning) == MessageAnswer::Yes;
        };
    }
    const SafeSave::Outcome outcome =
        SafeSave::Write(path, DatabaseWriter::BuildText(m_database), options);
    if (outcome.result != SafeSave::Result::Saved) {
        failed = outcome.result == SafeSave::Result::Failed;
        return false;
    }
    m_diskPath = path;
    m_diskIdentity = outcome.written;
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
    return SaveDocument(m_path, prompter, failed);
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
    if (!SaveDocument(*path, prompter, failed)) {
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

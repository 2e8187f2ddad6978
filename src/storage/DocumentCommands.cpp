#include "storage/DocumentCommands.h"

#include "data/PimDocument.h"
#include "platform/Prompter.h"
#include "storage/RecentFileList.h"

namespace orvane {

namespace {

const char kCaption[] = "Orvane!";
const char kShortCaption[] = "Orvane";

std::string Trimmed(const std::string& text)
{
    const char* const spaces = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(spaces);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

}  // namespace

DocumentCommands::DocumentCommands(PimDocument& document, Prompter& prompter,
                                   RecentFileList& recentFiles, SettingsStore& settings)
    : m_document(document), m_prompter(prompter), m_recentFiles(recentFiles), m_settings(settings)
{}

void DocumentCommands::New()
{
    if (!m_document.SaveModified(m_prompter, kCaption)) {
        return;
    }
    m_document.NewDocument();
    m_document.UpdateAllViews();
    SetWindowTitle();
}

void DocumentCommands::Open()
{
    if (!m_document.SaveModified(m_prompter, kShortCaption)) {
        return;
    }
    bool failed = false;
    if (!m_document.DoOpen(m_prompter, failed) && failed) {
        m_prompter.ShowMessage("Error loading file.", kShortCaption, MessageButtons::Ok,
                               MessageIcon::Error);
        return;
    }
    // A cancelled dialog lands here too and lists the current document.
    m_document.UpdateAllViews();
    RememberTitle();
}

void DocumentCommands::Save()
{
    bool failed = false;
    m_document.DoSave(m_prompter, failed);
    if (failed) {
        m_prompter.ShowMessage("Unable to write file!", kShortCaption, MessageButtons::Ok,
                               MessageIcon::Error);
    }
}

void DocumentCommands::SaveAs()
{
    const std::string previousTitle = m_document.GetTitle();
    bool failed = false;
    if (!m_document.DoSaveAs(m_prompter, failed) && failed) {
        m_prompter.ShowMessage("Error saving " + previousTitle + ".", kCaption,
                               MessageButtons::RetryCancel, MessageIcon::Error);
        return;
    }
    RememberTitle();
}

void DocumentCommands::Compact()
{
    {
        WaitCursor wait(m_prompter);
        m_document.Database().Compact();
    }
    const std::string& path = m_document.Path();
    if (path.empty() || path == "Untitled") {
        // A database without a file gets one the way Save finds one.
        bool failed = false;
        if (m_document.DoSaveAs(m_prompter, failed)) {
            SetWindowTitle();
        }
    } else {
        WaitCursor wait(m_prompter);
        bool failed = false;
        // Not overwriting another program's change keeps the compacted records to save.
        if (!m_document.SaveDocument(path, m_prompter, failed) && !failed) {
            m_document.SetModified(true, true);
            return;
        }
    }
    m_document.SetModified(false, true);
}

std::vector<ListedVersion> DocumentCommands::Versions() const
{
    if (!CanRestoreVersion()) {
        return {};
    }
    return BackupListing::Of(BackupStore::ForUser(), m_document.Path());
}

bool DocumentCommands::CanRestoreVersion() const
{
    const std::string& path = m_document.Path();
    return !path.empty() && path != "Untitled" && !BackupStore::ForUser().Versions(path).empty();
}

void DocumentCommands::RestoreVersion(const std::string& versionFile)
{
    if (!m_document.SaveModified(m_prompter, kCaption)) {
        return;
    }
    if (!m_document.OpenVersion(versionFile, m_prompter)) {
        m_prompter.ShowMessage("Error loading file.", kCaption, MessageButtons::Ok,
                               MessageIcon::Error);
    }
}

void DocumentCommands::OpenRecent(int commandId)
{
    const std::optional<std::string> path = m_recentFiles.PathOf(commandId);
    if (!path || !m_document.SaveModified(m_prompter, kCaption)) {
        return;
    }
    if (!m_document.OpenDocument(*path, m_prompter)) {
        m_prompter.ShowMessage("Error loading file.", kCaption, MessageButtons::Ok,
                               MessageIcon::Error);
        m_recentFiles.Remove(commandId);
        m_recentFiles.UpdateMenu();
        m_recentFiles.WriteToSettings(m_settings);
        return;
    }
    m_document.UpdateAllViews();
    m_recentFiles.MoveToNewest(commandId);
    m_recentFiles.UpdateMenu();
    m_document.SetPath(*path);
    SetWindowTitle();
    m_recentFiles.WriteToSettings(m_settings);
}

std::string DocumentCommands::PathFromCommandLine(const std::string& commandLine)
{
    std::string path = Trimmed(commandLine);
    if (!path.empty() && path.front() == '"') {
        const size_t close = path.find('"', 1);
        path = Trimmed(path.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    }
    return path;
}

void DocumentCommands::OpenFromCommandLine(const std::string& commandLine)
{
    const std::string path = PathFromCommandLine(commandLine);
    if (path.empty()) {
        return;
    }
    // A missing file still names the document, so that Save creates it.
    m_document.OpenDocument(path, m_prompter);
    m_document.SetPath(path);
    m_document.UpdateAllViews();
    RememberTitle();
}

bool DocumentCommands::CanClose()
{
    return m_document.SaveModified(m_prompter, kCaption);
}

std::string DocumentCommands::WindowTitle() const
{
    return std::string(kCaption) + " [" + m_document.GetTitle() + "]";
}

void DocumentCommands::SetWindowTitle()
{
    if (m_titleObserver) {
        m_titleObserver(WindowTitle());
    }
}

void DocumentCommands::RememberTitle()
{
    m_recentFiles.Add(m_document.GetTitle());
    m_recentFiles.WriteToSettings(m_settings);
    SetWindowTitle();
}

}  // namespace orvane

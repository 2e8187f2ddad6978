#pragma once

#include <functional>
#include <string>
#include <vector>

#include "storage/BackupListing.h"

namespace orvane {

class PimDocument;
class Prompter;
class RecentFileList;
class SettingsStore;

// The File menu's commands on the one open document: New, Open, Save, Save As, Compact,
// the recent files, the file named on the command line and the close check, with their
// questions and messages. The window forwards its commands here and shows the title it
// is given.
class DocumentCommands {
public:
    DocumentCommands(PimDocument& document, Prompter& prompter, RecentFileList& recentFiles,
                     SettingsStore& settings);

    void New();
    void Open();
    void Save();
    void SaveAs();
    void Compact();
    void OpenRecent(int commandId);
    // The kept versions of the document's file, newest first; none without a file.
    std::vector<ListedVersion> Versions() const;
    // Restore Previous Version is offered: the document has a file with kept versions.
    bool CanRestoreVersion() const;
    // Puts a kept version of the document's file in place of its records, after the close
    // check; the path stays and the document is modified, so that Save writes it back.
    void RestoreVersion(const std::string& versionFile);
    // The raw command-line text of a start-up; empty opens nothing.
    void OpenFromCommandLine(const std::string& commandLine);
    // Closing the window: false keeps it open.
    bool CanClose();

    // "Orvane! [<path or Untitled>]" for the document as it is now.
    std::string WindowTitle() const;
    // Receives the window title whenever a command sets it.
    void SetTitleObserver(std::function<void(const std::string&)> observer)
    {
        m_titleObserver = std::move(observer);
    }

    // The path a start-up command line names: trimmed, and taken from between double
    // quotes when it starts with one; empty when it names none.
    static std::string PathFromCommandLine(const std::string& commandLine);

private:
    void SetWindowTitle();
    // Lists the document's title as the newest recent file and shows it in the title bar.
    void RememberTitle();

    PimDocument& m_document;
    Prompter& m_prompter;
    RecentFileList& m_recentFiles;
    SettingsStore& m_settings;
    std::function<void(const std::string&)> m_titleObserver;
};

}  // namespace orvane

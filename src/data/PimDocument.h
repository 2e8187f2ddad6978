#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/PimDatabase.h"
#include "data/PimDateTime.h"
#include "platform/FileIdentity.h"

namespace orvane {

class DocumentView;
class Prompter;
struct TransferSettings;

// The one open personal database: its records, the file it came from, whether it has
// changed since, the day chosen in the calendar and the views that show it.
class PimDocument {
public:
    PimDocument();
    PimDocument(const PimDocument&) = delete;
    PimDocument& operator=(const PimDocument&) = delete;

    PimDatabase& Database() { return m_database; }
    const PimDatabase& Database() const { return m_database; }

    const std::string& Path() const { return m_path; }
    // Copies the path and tells every view.
    void SetPath(const std::string& path);
    // The path, or "Untitled" while there is none.
    std::string GetTitle() const;

    bool Modified() const { return m_modified; }
    // Sets the flag; with notify every view refills afterwards.
    void SetModified(bool modified, bool notify);
    // For the close check: changed, and shown by exactly one view.
    bool IsModified() const { return m_modified && m_views.size() == 1; }

    const PimDateTime& SelectedDate() const { return m_selectedDate; }
    void SetSelectedDate(const PimDateTime& day) { m_selectedDate = day; }

    void AttachView(DocumentView* view);
    void DetachView(DocumentView* view);
    size_t ViewCount() const { return m_views.size(); }
    void UpdateAllViews();

    // Empties the database, clears the modified flag and refills the views; the path and
    // the selected day stay.
    void Clear();

    // File operations (implemented by the storage library, storage/PimDocumentFile.cpp).
    // Each "failed" flag is cleared on entry and set only when a file operation failed
    // (not when a dialog was cancelled, nor when the user chose not to overwrite a file
    // that another program changed).
    bool NewDocument();
    bool OpenDocument(const std::string& path, Prompter& prompter);
    bool SaveDocument(const std::string& path, Prompter& prompter, bool& failed);
    // Loads a kept version of the document's file in place of the records: the path stays,
    // and the document is modified so that Save writes the version back. False (records
    // unchanged) when it cannot be read or parsed.
    bool OpenVersion(const std::string& versionFile, Prompter& prompter);
    bool DoSave(Prompter& prompter, bool& failed);
    bool DoSaveAs(Prompter& prompter, bool& failed);
    bool DoOpen(Prompter& prompter, bool& failed);
    // The close check: true when the caller may go on.
    bool SaveModified(Prompter& prompter, const std::string& caption);

    // Delimited text (implemented by the exchange library, exchange/PimDocumentExchange.cpp).
    // Exports return the number of records written, 0 on a file error; imports the number
    // of records added.
    int ExportPersons(const TransferSettings& settings) const;
    int ExportTasks(const TransferSettings& settings) const;
    int ExportAppointments(const TransferSettings& settings) const;
    int ImportPersons(const TransferSettings& settings);
    int ImportTasks(const TransferSettings& settings);
    int ImportAppointments(const TransferSettings& settings);

private:
    PimDatabase m_database;
    std::string m_path;
    // The file as this document last read or wrote it, to notice another program's change.
    std::string m_diskPath;
    std::optional<FileIdentity> m_diskIdentity;
    bool m_modified = false;
    PimDateTime m_selectedDate;
    std::vector<DocumentView*> m_views;
};

}  // namespace orvane

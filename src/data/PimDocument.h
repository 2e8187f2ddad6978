#pragma once

#include <string>
#include <vector>

#include "data/PimDatabase.h"
#include "data/PimDateTime.h"

namespace orvane {

class DocumentView;

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

private:
    PimDatabase m_database;
    std::string m_path;
    bool m_modified = false;
    PimDateTime m_selectedDate;
    std::vector<DocumentView*> m_views;
};

}  // namespace orvane

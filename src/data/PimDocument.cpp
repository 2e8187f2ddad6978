#include "data/PimDocument.h"

#include <algorithm>

#include "data/DocumentView.h"

namespace orvane {

PimDocument::PimDocument() : m_selectedDate(PimDateTime::Today()) {}

void PimDocument::SetPath(const std::string& path)
{
    m_path = path;
    for (DocumentView* view : m_views) {
        view->OnPathChanged();
    }
}

std::string PimDocument::GetTitle() const
{
    return m_path.empty() ? std::string("Untitled") : m_path;
}

void PimDocument::SetModified(bool modified, bool notify)
{
    m_modified = modified;
    if (notify) {
        UpdateAllViews();
    }
}

void PimDocument::AttachView(DocumentView* view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void PimDocument::DetachView(DocumentView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void PimDocument::UpdateAllViews()
{
    // A view may detach others while refilling; walk a copy.
    const std::vector<DocumentView*> views = m_views;
    for (DocumentView* view : views) {
        view->OnUpdate();
    }
}

void PimDocument::Clear()
{
    m_database.Clear();
    m_modified = false;
    UpdateAllViews();
}

}  // namespace orvane

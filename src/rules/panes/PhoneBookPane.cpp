#include "rules/panes/PhoneBookPane.h"

#include <algorithm>

#include "data/PimDocument.h"
#include "rules/panes/NameCollation.h"

namespace orvane {

PhoneBookPane::PhoneBookPane(PimDocument& document, FormState& state)
    : m_document(document), m_state(state), m_details(PersonDetails::Describe(nullptr))
{}

void PhoneBookPane::Fill()
{
    // Collation keys and search texts are the costly part: made once per read, not per
    // listing switch or keystroke.
    struct Keyed {
        std::wstring key;
        Entry entry;
        bool white;
        bool yellow;
    };
    std::vector<Keyed> keyed;
    for (const auto& [id, person] : m_document.Database().Persons()) {
        if (person.WhitePages != 0 || person.YellowPages != 0) {
            keyed.push_back(
                {NameCollation::Key(person.RName),
                 {{id, person.RName, person.Company}, PersonFinder::SearchText(person, m_folding)},
                 person.WhitePages != 0,
                 person.YellowPages != 0});
        }
    }
    // Persons of equal name stay in ID order.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    m_entries.clear();
    m_white.clear();
    m_yellow.clear();
    m_entries.reserve(keyed.size());
    for (Keyed& k : keyed) {
        if (k.white) {
            m_white.push_back(m_entries.size());
        }
        if (k.yellow) {
            m_yellow.push_back(m_entries.size());
        }
        m_entries.push_back(std::move(k.entry));
    }
    // std::string compares as unsigned bytes, a prefix first.
    std::stable_sort(m_yellow.begin(), m_yellow.end(), [this](size_t a, size_t b) {
        return m_entries[a].row.company < m_entries[b].row.company;
    });
    Relist();
}

void PhoneBookPane::ListFound()
{
    const std::vector<size_t>& listing =
        m_state.listing == Listing::WhitePages ? m_white : m_yellow;
    m_rows.clear();
    if (m_finder.Empty()) {
        m_rows = listing;
        return;
    }
    for (size_t index : listing) {
        if (m_finder.Matches(m_entries[index].search)) {
            m_rows.push_back(index);
        }
    }
}

void PhoneBookPane::Relist()
{
    ListFound();
    m_state.person.id = -1;
    ShowDetails(-1);
}

bool PhoneBookPane::SetListing(Listing listing)
{
    if (m_state.listing == listing) {
        return false;
    }
    m_state.listing = listing;
    Relist();
    return true;
}

bool PhoneBookPane::SetFindText(std::string_view text)
{
    if (text == m_findText) {
        return false;
    }
    m_findText = text;
    m_finder = PersonFinder(text, m_folding);
    ListFound();
    m_state.person.row = RowOf(m_state.person.id);
    if (m_state.person.row == -1 && m_state.person.id != -1) {
        m_state.person.id = -1;
        ShowDetails(-1);
    }
    return true;
}

int PhoneBookPane::RowOf(int32_t id) const
{
    if (id == -1) {
        return -1;
    }
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_entries[m_rows[row]].row.id == id) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int32_t PhoneBookPane::IdAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) {
        return -1;
    }
    return m_entries[m_rows[static_cast<size_t>(row)]].row.id;
}

void PhoneBookPane::ShowDetails(int32_t id)
{
    const Person* person = m_document.Database().Persons().Find(id);
    m_shownId = person ? id : -1;
    m_details = PersonDetails::Describe(person);
}

void PhoneBookPane::Click(int row)
{
    m_state.activeList = PaneList::PhoneBook;
    const int32_t id = IdAt(row);
    m_state.person.row = id == -1 ? -1 : row;
    if (id != -1) {
        m_state.person.id = id;
        ShowDetails(id);
    }
}

bool PhoneBookPane::DoubleClick() const
{
    return m_state.person.row != -1;
}

bool PhoneBookPane::ContextMenu(int row)
{
    const int32_t id = IdAt(row);
    m_state.person.row = id == -1 ? -1 : row;
    if (id != -1) {
        m_state.person.id = id;
    }
    return id != -1;
}

bool PhoneBookPane::CanDelete() const
{
    return m_state.activeList == PaneList::PhoneBook && m_state.person.row != -1 &&
           m_state.person.id != -1;
}

int32_t PhoneBookPane::EditTarget() const
{
    if (m_state.activeList != PaneList::PhoneBook ||
        m_document.Database().Persons().Find(m_state.person.id) == nullptr) {
        return -1;
    }
    return m_state.person.id;
}

bool PhoneBookPane::Delete()
{
    if (!CanDelete()) {
        return false;
    }
    m_document.Database().Persons().Remove(m_state.person.id);
    m_document.SetModified(true, true);
    return true;
}

}  // namespace orvane

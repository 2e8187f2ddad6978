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
        Row row;
        std::string search;
        bool white;
        bool yellow;
    };
    std::vector<Keyed> keyed;
    for (const auto& [id, person] : m_document.Database().Persons()) {
        if (person.WhitePages != 0 || person.YellowPages != 0) {
            keyed.push_back({NameCollation::Key(person.RName),
                             {id, person.RName, person.Company},
                             PersonFinder::SearchText(person, m_folding),
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
    m_searchTexts.clear();
    m_searchStarts.assign(1, 0);
    m_entries.reserve(keyed.size());
    for (Keyed& k : keyed) {
        if (k.white) {
            m_white.push_back(m_entries.size());
        }
        if (k.yellow) {
            m_yellow.push_back(m_entries.size());
        }
        m_entries.push_back(std::move(k.row));
        // One block in list order: a search reads memory front to back.
        m_searchTexts += k.search;
        m_searchStarts.push_back(m_searchTexts.size());
    }
    // std::string compares as unsigned bytes, a prefix first.
    std::stable_sort(m_yellow.begin(), m_yellow.end(), [this](size_t a, size_t b) {
        return m_entries[a].company < m_entries[b].company;
    });
    Find(false);
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
        if (m_found[index]) {
            m_rows.push_back(index);
        }
    }
}

void PhoneBookPane::Find(bool narrow)
{
    if (m_finder.Empty()) {
        return;
    }
    std::vector<size_t> candidates;
    if (narrow) {
        candidates.swap(m_foundEntries);
    } else {
        candidates.resize(m_entries.size());
        for (size_t i = 0; i < candidates.size(); ++i) {
            candidates[i] = i;
        }
    }
    m_found.assign(m_entries.size(), 0);
    m_foundEntries.clear();
    for (size_t index : candidates) {
        const std::string_view text(m_searchTexts.data() + m_searchStarts[index],
                                    m_searchStarts[index + 1] - m_searchStarts[index]);
        if (m_finder.Matches(text)) {
            m_found[index] = 1;
            m_foundEntries.push_back(index);
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
    PersonFinder finder(text, m_folding);
    const bool narrow = finder.Narrows(m_finder);
    m_finder = std::move(finder);
    Find(narrow);
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
        if (m_entries[m_rows[row]].id == id) {
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
    return m_entries[m_rows[static_cast<size_t>(row)]].id;
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

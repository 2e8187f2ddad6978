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
    // Collation keys are the costly part: made once per read, not per listing switch.
    struct Keyed {
        std::wstring key;
        Entry entry;
    };
    std::vector<Keyed> keyed;
    for (const auto& [id, person] : m_document.Database().Persons()) {
        if (person.WhitePages != 0 || person.YellowPages != 0) {
            keyed.push_back({NameCollation::Key(person.RName),
                             {{id, person.RName, person.Company},
                              person.WhitePages != 0,
                              person.YellowPages != 0}});
        }
    }
    // Persons of equal name stay in ID order.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    m_byName.clear();
    m_byName.reserve(keyed.size());
    for (Keyed& k : keyed) {
        m_byName.push_back(std::move(k.entry));
    }
    Relist();
}

void PhoneBookPane::Relist()
{
    const bool white = m_state.listing == Listing::WhitePages;
    m_rows.clear();
    for (const Entry& entry : m_byName) {
        if (white ? entry.white : entry.yellow) {
            m_rows.push_back(entry.row);
        }
    }
    if (!white) {
        // std::string compares as unsigned bytes, a prefix first.
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [](const Row& a, const Row& b) { return a.company < b.company; });
    }
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

int32_t PhoneBookPane::IdAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size()) {
        return -1;
    }
    return m_rows[static_cast<size_t>(row)].id;
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

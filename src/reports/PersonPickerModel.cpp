#include "reports/PersonPickerModel.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "reports/AddressLines.h"
#include "reports/ReportCollation.h"

namespace orvane {

std::vector<Person> PersonPickerModel::Offered(const RecordCollection<Person>& persons,
                                               bool yellowPages)
{
    std::vector<Person> offered;
    for (const auto& [id, person] : persons) {
        if (yellowPages ? person.YellowPages != 0 : person.WhitePages != 0) {
            offered.push_back(person);
        }
    }
    return offered;
}

std::string PersonPickerModel::ItemText(const Person& person)
{
    std::string text = person.RName;
    if (!person.Company.empty()) {
        text += " (" + person.Company + ")";
    }
    return std::string(AddressLines::Trim(text));
}

int PersonPickerModel::FollowUpCommand(Exit exit)
{
    switch (exit) {
        case Exit::Preview:
            return kPreviewCommand;
        case Exit::Print:
            return kPrintCommand;
        case Exit::Ok:
            break;
    }
    return 0;
}

PersonPickerModel::PersonPickerModel(std::vector<Person> offered) : m_offered(std::move(offered))
{
    m_items.reserve(m_offered.size());
    for (const Person& person : m_offered) {
        m_items.push_back(Item{ItemText(person), person.ID});
        m_offeredIds.insert(person.ID);
    }
    ReportCollation::Sort(m_items,
                          [](const Item& item) -> const std::string& { return item.text; });
}

void PersonPickerModel::SetSelection(const std::vector<int32_t>& ids)
{
    m_selected.clear();
    for (int32_t id : ids) {
        if (m_offeredIds.count(id) != 0) {
            m_selected.insert(id);
        }
    }
}

void PersonPickerModel::SelectAll(bool checked)
{
    m_selected.clear();
    if (checked) {
        m_selected = m_offeredIds;
    }
}

std::vector<Person> PersonPickerModel::Chosen() const
{
    std::map<int32_t, Person> chosen;
    for (const Person& person : m_offered) {
        if (IsSelected(person.ID)) {
            chosen.try_emplace(person.ID, person);
        }
    }
    std::vector<Person> persons;
    persons.reserve(chosen.size());
    for (auto& [id, person] : chosen) {
        persons.push_back(std::move(person));
    }
    return persons;
}

}  // namespace orvane

#include "exchange/PersonImporter.h"

#include <array>

#include "data/PimDocument.h"
#include "exchange/CText.h"
#include "exchange/ColumnMap.h"
#include "exchange/ImportValueRules.h"

namespace orvane {

namespace {

struct PersonField {
    const char* name;
    std::string Person::*text;  // null for the two listing flags
    int32_t Person::*flag;
    bool namesThePerson;  // counts for acceptance
};

constexpr std::array<PersonField, 20> kFields = {{
    {"FirstName", &Person::FName, nullptr, true},
    {"LastName", &Person::LName, nullptr, true},
    {"Address1", &Person::Addr1, nullptr, false},
    {"Address2", &Person::Addr2, nullptr, false},
    {"City", &Person::City, nullptr, false},
    {"State", &Person::State, nullptr, false},
    {"ZipCode", &Person::Zip, nullptr, false},
    {"HomePhone", &Person::HmPhone, nullptr, false},
    {"WorkPhone", &Person::WkPhone, nullptr, false},
    {"WorkExtension", &Person::WkExt, nullptr, false},
    {"Fax", &Person::Fax, nullptr, false},
    {"Pager", &Person::Pager, nullptr, false},
    {"CelPhone", &Person::CelPhone, nullptr, false},
    {"E-Mail", &Person::EMail, nullptr, false},
    {"WebPage", &Person::WebPage, nullptr, false},
    {"Company", &Person::Company, nullptr, true},
    {"Position", &Person::Position, nullptr, false},
    {"WhitePages", nullptr, &Person::WhitePages, false},
    {"YellowPages", nullptr, &Person::YellowPages, false},
    {"Notes", &Person::Notes, nullptr, false},
}};

}  // namespace

const std::vector<std::string>& PersonImporter::FieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const PersonField& field : kFields) {
            list.emplace_back(field.name);
        }
        return list;
    }();
    return names;
}

PersonImporter::PersonImporter(PimDocument& document, const std::vector<std::string>& mapping)
    : m_document(document), m_fieldOfColumn(ColumnMap::Resolve(mapping, FieldNames()))
{}

void PersonImporter::BeginLine()
{
    for (const PersonField& field : kFields) {
        if (field.text) {
            (m_person.*field.text).clear();
        }
    }
    m_person.WhitePages = 1;
    m_person.YellowPages = 0;
    m_hasName = false;
}

void PersonImporter::TakeValue(size_t column, std::string& value)
{
    const int index = column < m_fieldOfColumn.size() ? m_fieldOfColumn[column] : -1;
    if (index < 0) {
        return;
    }
    const PersonField& field = kFields[static_cast<size_t>(index)];
    if (field.flag) {
        m_person.*field.flag = ImportValueRules::ListingFlag(value) ? 1 : 0;
        return;
    }
    if (field.namesThePerson && !value.empty()) {
        m_hasName = true;
    }
    (m_person.*field.text).swap(value);
}

bool PersonImporter::EndLine()
{
    if (!m_hasName) {
        return false;
    }
    Person person = m_person;
    for (const PersonField& field : kFields) {
        // Position keeps its white space.
        if (field.text && field.text != &Person::Position) {
            CText::TrimInPlace(person.*field.text);
        }
    }
    person.RName = person.GetDisplayName();
    if (!person.WhitePages && !person.YellowPages) {
        person.WhitePages = 1;
    }
    m_document.Database().Persons().Add(std::move(person));
    m_document.SetModified(true, false);
    return true;
}

}  // namespace orvane

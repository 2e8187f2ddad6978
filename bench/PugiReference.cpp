#include "PugiReference.h"

#include <pugixml.hpp>
#include <string_view>

#include "storage/NumberText.h"
#include "storage/RecordFields.h"

namespace orvane::bench {

namespace {

template <class R>
void ApplyAttributes(R& record, const pugi::xml_node& element)
{
    const auto fields = FieldsOf<R>();
    int expected = 0;
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        const int index = FindField(fields, attribute.name(), expected);
        if (index >= 0) {
            ApplyField(record, fields[index], attribute.value());
            expected = index + 1;
        }
    }
}

template <class R>
void ReadCollection(const pugi::xml_node& section, RecordCollection<R>& records)
{
    if (const pugi::xml_attribute last = section.attribute("LastID")) {
        records.SetLastID(ParseFileNumber(last.value()));
    }
    for (const pugi::xml_node& element : section.children()) {
        R record;
        ApplyAttributes(record, element);
        records.Insert(std::move(record));
    }
}

}  // namespace

bool PugiReference::Load(const std::string& path, PimDatabase& database)
{
    pugi::xml_document document;
    // Escapes decoded, text bytes otherwise as they stand: what the program's reader does.
    if (!document.load_file(path.c_str(), pugi::parse_minimal | pugi::parse_escapes)) {
        return false;
    }
    for (const pugi::xml_node& section : document.child("Pim").children()) {
        const std::string_view name = section.name();
        if (name == "Persons") {
            ReadCollection(section, database.Persons());
        } else if (name == "Tasks") {
            ReadCollection<Task>(section, database.Tasks());
        } else if (name == "Appointments") {
            ReadCollection(section, database.Appointments());
        } else if (name == "User") {
            ApplyAttributes(database.GetUser(), section);
        }
    }
    return true;
}

}  // namespace orvane::bench

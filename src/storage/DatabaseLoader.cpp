#include "storage/DatabaseLoader.h"

#include <cstdint>

#include "data/PimDatabase.h"
#include "storage/NumberText.h"
#include "storage/RecordFields.h"

namespace orvane {

using SimpleXMLParser::Attribute;
using SimpleXMLParser::Element;
using SimpleXMLParser::Node;

namespace {

enum class Layout {
    Attributes,     // version 1: every field an attribute
    ChildElements,  // version 13 persons and tasks: ID an attribute, the rest child elements
};

// Sets every field the element names; returns which fields those were (bit per field).
template <class R>
uint32_t ApplyAttributes(R& record, std::span<const RecordField<R>> fields, Node& element,
                         bool idOnly)
{
    uint32_t given = 0;
    int expected = 0;
    for (Attribute& attribute : *element.GetAttributes()) {
        const int index = FindField(fields, attribute.Name, expected);
        expected = index + 1;
        if (index < 0 || (idOnly && fields[index].name != "ID")) {
            continue;
        }
        ApplyField(record, fields[index], std::move(attribute.Value));
        given |= 1u << index;
    }
    return given;
}

template <class R>
uint32_t ApplyChildElements(R& record, std::span<const RecordField<R>> fields, Node& element)
{
    uint32_t given = 0;
    for (auto& child : *element.GetChildren()) {
        if (child->Name == "!") {
            continue;
        }
        const int index = FindField(fields, child->Name, -1);
        if (index < 0 || fields[index].name == "ID") {
            continue;
        }
        ApplyField(record, fields[index], std::move(child->Text));
        given |= 1u << index;
    }
    return given;
}

// Elements without attributes (comments among them), and in the older layout records
// without field elements, carry no record: they are skipped.
bool CarriesRecord(Node& element, Layout layout)
{
    return element.GetAttributes() &&
           (layout == Layout::Attributes || element.GetChildren() != nullptr);
}

// One record object serves the whole collection element: a field an element does not name
// keeps what the previous element gave it. The records are built apart and moved in, and
// only the fields an element leaves out are copied from the previous record.
template <class R>
void ReadCollection(Element& collection, RecordCollection<R>& records, Layout layout)
{
    if (const auto* attributes = collection.GetAttributes()) {
        for (const Attribute& attribute : *attributes) {
            if (attribute.Name == "LastID") {
                records.SetLastID(ParseFileNumber(attribute.Value));
            }
        }
    }
    auto* children = collection.GetChildren();
    if (!children) {
        return;
    }
    const auto fields = FieldsOf<R>();
    const R defaults{};
    R dropped = defaults;
    const R* previous = &defaults;
    for (auto& child : *children) {
        if (!CarriesRecord(*child, layout)) {
            continue;
        }
        R record = defaults;
        uint32_t given = ApplyAttributes(record, fields, *child, layout == Layout::ChildElements);
        if (layout == Layout::ChildElements) {
            given |= ApplyChildElements(record, fields, *child);
        }
        for (size_t i = 0; i < fields.size(); ++i) {
            if (!(given & (1u << i))) {
                CopyField(record, *previous, fields[i]);
            }
        }
        child.reset();
        const int32_t id = record.ID;
        if (records.Insert(std::move(record))) {
            previous = records.Find(id);
        } else {  // an ID already stored: the first record stays
            dropped = std::move(record);
            previous = &dropped;
        }
    }
}

void ReadUser(Node& element, User& user)
{
    auto* attributes = element.GetAttributes();
    if (!attributes) {
        return;
    }
    const auto fields = FieldsOf<User>();
    int expected = 0;
    for (Attribute& attribute : *attributes) {
        const int index = FindField(fields, attribute.Name, expected);
        expected = index + 1;
        if (index >= 0) {
            ApplyField(user, fields[index], std::move(attribute.Value));
        }
    }
}

int32_t FormatVersion(const Element& root)
{
    int32_t version = 0;
    if (const auto* attributes = root.GetAttributes()) {
        for (const Attribute& attribute : *attributes) {
            if (attribute.Name == "Version") {
                version = ParseFileNumber(attribute.Value);
            }
        }
    }
    return version;
}

}  // namespace

void DatabaseLoader::Map(Element& root, PimDatabase& database)
{
    if (root.Name != "Pim") {
        return;
    }
    const int32_t version = FormatVersion(root);
    if (version != 1 && version != 13) {
        return;
    }
    auto* children = root.GetChildren();
    if (!children) {
        return;
    }
    const Layout older = version == 13 ? Layout::ChildElements : Layout::Attributes;
    for (auto& child : *children) {
        auto* element = dynamic_cast<Element*>(child.get());
        if (!element) {
            continue;
        }
        if (element->Name == "Persons") {
            ReadCollection(*element, database.Persons(), older);
        } else if (element->Name == "Appointments") {
            ReadCollection(*element, database.Appointments(), Layout::Attributes);
        } else if (element->Name == "Tasks") {
            ReadCollection<Task>(*element, database.Tasks(), older);
        } else if (element->Name == "User") {
            ReadUser(*element, database.GetUser());
        }
    }
}

}  // namespace orvane

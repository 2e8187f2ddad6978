#include "storage/DatabaseLoader.h"

#include "data/PimDatabase.h"
#include "storage/NumberText.h"
#include "storage/RecordFields.h"

namespace orvane {

using AttributeView = SimpleXMLParser::ParseHandler::AttributeView;

namespace {

enum class Layout {
    Attributes,     // version 1: every field an attribute
    ChildElements,  // version 13 persons and tasks: ID an attribute, the rest child elements
};

enum Depth { kRoot = 1, kSection = 2, kRecord = 3, kField = 4 };

int32_t LastNumber(std::span<const AttributeView> attributes, std::string_view name,
                   int32_t otherwise)
{
    int32_t value = otherwise;
    for (const AttributeView& attribute : attributes) {
        if (attribute.name == name) {
            value = ParseFileNumber(attribute.value);
        }
    }
    return value;
}

}  // namespace

class DatabaseLoader::CollectionReader {
public:
    virtual ~CollectionReader() = default;
    virtual void StartRecord(std::span<const AttributeView> attributes) = 0;
    virtual void StartField(std::string_view name) = 0;
    virtual void FieldText(std::string_view text) = 0;
    virtual void EndField() = 0;
    virtual void EndRecord() = 0;
};

namespace {

// One record object serves the whole collection element: a field an element does not name
// keeps what the previous element of the collection gave it (the first starts from the
// defaults), and an element whose ID is already stored is dropped but still passes its
// values on. Records are built apart and moved in; only the fields an element leaves out
// are copied from the previous record.
template <class R>
class RecordReader : public DatabaseLoader::CollectionReader {
public:
    RecordReader(RecordCollection<R>& records, Layout layout,
                 std::span<const AttributeView> attributes)
        : m_records(records), m_layout(layout), m_fields(FieldsOf<R>())
    {
        m_records.SetLastID(LastNumber(attributes, "LastID", m_records.LastID()));
    }

    // Elements without attributes (a comment is none) carry no record and are skipped.
    void StartRecord(std::span<const AttributeView> attributes) override
    {
        m_inRecord = !attributes.empty();
        if (!m_inRecord) {
            return;
        }
        m_record = m_defaults;
        m_given = 0;
        m_hasFieldElement = false;
        int expected = 0;
        for (const AttributeView& attribute : attributes) {
            const int index = FindField(m_fields, attribute.name, expected);
            expected = index + 1;
            if (index < 0 || (m_layout == Layout::ChildElements && m_fields[index].name != "ID")) {
                continue;
            }
            ApplyField(m_record, m_fields[index], attribute.value);
            m_given |= 1u << index;
        }
        if (m_layout == Layout::Attributes) {
            Store();
        }
    }

    void StartField(std::string_view name) override
    {
        m_field = -1;
        if (!m_inRecord || m_layout != Layout::ChildElements) {
            return;
        }
        m_hasFieldElement = true;
        const int index = FindField(m_fields, name, -1);
        if (index >= 0 && m_fields[index].name != "ID") {
            m_field = index;
            m_fieldText.clear();
        }
    }

    void FieldText(std::string_view text) override
    {
        if (m_field >= 0) {
            m_fieldText.append(text);
        }
    }

    void EndField() override
    {
        if (m_field >= 0) {
            ApplyField(m_record, m_fields[m_field], m_fieldText);
            m_given |= 1u << m_field;
            m_field = -1;
        }
    }

    // In the older layout a record element without field elements is skipped.
    void EndRecord() override
    {
        if (m_inRecord && m_layout == Layout::ChildElements && m_hasFieldElement) {
            Store();
        }
        m_inRecord = false;
    }

private:
    // The fields an element passes on when it leaves them out: all but the UID.
    static uint32_t PassedOn(std::span<const RecordField<R>> fields)
    {
        uint32_t mask = 0;
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].kind != FieldKind::Uid) {
                mask |= 1u << i;
            }
        }
        return mask;
    }

    void Store()
    {
        if ((m_given & m_passedOn) != m_passedOn) {
            for (size_t i = 0; i < m_fields.size(); ++i) {
                if (!(m_given & (1u << i)) && (m_passedOn & (1u << i))) {
                    CopyField(m_record, *m_previous, m_fields[i]);
                }
            }
        }
        // A stored record stays where it is while the load adds others.
        m_previous = m_records.Place(std::move(m_record));
        if (!m_previous) {  // the ID was taken: the first record stays
            m_dropped = std::move(m_record);
            m_previous = &m_dropped;
        }
    }

    RecordCollection<R>& m_records;
    const Layout m_layout;
    const std::span<const RecordField<R>> m_fields;
    const uint32_t m_passedOn = PassedOn(m_fields);
    const R m_defaults{};
    R m_record = m_defaults;
    R m_dropped = m_defaults;
    const R* m_previous = &m_defaults;
    bool m_inRecord = false;
    bool m_hasFieldElement = false;
    uint32_t m_given = 0;
    int m_field = -1;
    std::string m_fieldText;
};

}  // namespace

DatabaseLoader::DatabaseLoader(PimDatabase& database) : m_database(database) {}

DatabaseLoader::~DatabaseLoader() = default;

void DatabaseLoader::StartElement(std::string_view name, std::span<const AttributeView> attributes)
{
    switch (++m_depth) {
        case kRoot:
            m_version = LastNumber(attributes, "Version", 0);
            m_readable = name == "Pim" && (m_version == 1 || m_version == 13);
            break;
        case kSection:
            if (m_readable) {
                StartSection(name, attributes);
            }
            break;
        case kRecord:
            if (m_collection) {
                m_collection->StartRecord(attributes);
            }
            break;
        case kField:
            if (m_collection) {
                m_collection->StartField(name);
            }
            break;
        default:
            break;
    }
}

void DatabaseLoader::StartSection(std::string_view name, std::span<const AttributeView> attributes)
{
    const Layout older = m_version == 13 ? Layout::ChildElements : Layout::Attributes;
    if (name == "Persons") {
        m_collection =
            std::make_unique<RecordReader<Person>>(m_database.Persons(), older, attributes);
    } else if (name == "Appointments") {
        m_collection = std::make_unique<RecordReader<Appointment>>(m_database.Appointments(),
                                                                   Layout::Attributes, attributes);
    } else if (name == "Tasks") {
        m_collection = std::make_unique<RecordReader<Task>>(m_database.Tasks(), older, attributes);
    } else if (name == "User") {
        // Several User elements apply one after the other.
        const auto fields = FieldsOf<User>();
        int expected = 0;
        for (const AttributeView& attribute : attributes) {
            const int index = FindField(fields, attribute.name, expected);
            expected = index + 1;
            if (index >= 0) {
                ApplyField(m_database.GetUser(), fields[index], attribute.value);
            }
        }
    }
}

void DatabaseLoader::Characters(std::string_view text)
{
    if (m_depth == kField && m_collection) {
        m_collection->FieldText(text);
    }
}

void DatabaseLoader::EndElement()
{
    switch (m_depth--) {
        case kSection:
            m_collection.reset();
            break;
        case kRecord:
            if (m_collection) {
                m_collection->EndRecord();
            }
            break;
        case kField:
            if (m_collection) {
                m_collection->EndField();
            }
            break;
        default:
            break;
    }
}

}  // namespace orvane

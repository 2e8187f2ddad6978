#pragma once

#include <string>
#include <vector>

#include "data/Person.h"
#include "exchange/ImportLineSink.h"

namespace orvane {

class PimDocument;

// Turns import lines into phone-book entries. A line needs a first name, last name or
// company; the person goes into the white pages unless a column says otherwise.
class PersonImporter : public ImportLineSink {
public:
    // The import field table.
    static const std::vector<std::string>& FieldNames();

    PersonImporter(PimDocument& document, const std::vector<std::string>& mapping);

    void BeginLine() override;
    void TakeValue(size_t column, std::string& value) override;
    bool EndLine() override;

private:
    PimDocument& m_document;
    std::vector<int> m_fieldOfColumn;  // index into the field table, -1 for none
    Person m_person;
    bool m_hasName = false;
};

}  // namespace orvane

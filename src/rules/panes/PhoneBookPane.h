#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/panes/FormState.h"
#include "rules/panes/PersonDetails.h"

namespace orvane {

class PimDocument;

// The phone book in its White Pages or Yellow Pages listing, and the details of the
// person picked in it.
class PhoneBookPane {
public:
    struct Row {
        int32_t id;
        std::string name;
        std::string company;
    };

    PhoneBookPane(PimDocument& document, FormState& state);

    // Re-reads the phone book and lists the persons of the current listing by name
    // (Yellow Pages: then by company, byte by byte); afterwards nobody is selected.
    void Fill();
    const std::vector<Row>& Rows() const { return m_rows; }

    // Switches the listing and refills from the phone book as last read; false when it was
    // already on.
    bool SetListing(Listing listing);

    // A left or right click; row is the row under the pointer, -1 for none.
    void Click(int row);
    // True when the double click opens the selected person's editor.
    bool DoubleClick() const;
    // Context menu: picks the row under the pointer without showing it in the details.
    // Returns whether Delete and Edit are available.
    bool ContextMenu(int row);

    bool CanDelete() const;
    int32_t EditTarget() const;
    bool Delete();

    // The person the details show (-1: nobody) and the seven controls' texts.
    int32_t ShownId() const { return m_shownId; }
    const std::array<PersonDetails::Field, 7>& Details() const { return m_details; }

private:
    struct Entry {
        Row row;
        bool white;
        bool yellow;
    };

    void Relist();
    int32_t IdAt(int row) const;
    void ShowDetails(int32_t id);

    PimDocument& m_document;
    FormState& m_state;
    std::vector<Entry> m_byName;  // every listed person, in name order
    std::vector<Row> m_rows;
    int32_t m_shownId = -1;
    std::array<PersonDetails::Field, 7> m_details;
};

}  // namespace orvane

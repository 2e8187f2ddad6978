#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/panes/FormState.h"
#include "rules/panes/PersonDetails.h"
#include "rules/panes/PersonFinder.h"
#include "rules/panes/SearchFolding.h"

namespace orvane {

class PimDocument;

// The phone book in its White Pages or Yellow Pages listing, narrowed by what the user
// typed into Find, and the details of the person picked in it.
class PhoneBookPane {
public:
    struct Row {
        int32_t id;
        std::string name;
        std::string company;
    };

    PhoneBookPane(PimDocument& document, FormState& state);

    // Re-reads the phone book and lists the persons of the current listing that the find
    // text finds, by name (Yellow Pages: then by company, byte by byte); afterwards nobody
    // is selected.
    void Fill();
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& RowAt(int row) const { return m_entries[m_rows.at(static_cast<size_t>(row))]; }
    // The row that lists the person, -1 when none does.
    int RowOf(int32_t id) const;

    // Switches the listing and refills from the phone book as last read; false when it was
    // already on.
    bool SetListing(Listing listing);
    // Lists only the persons the text finds (empty: everybody). The selected person stays
    // selected, at its new row, while still listed; otherwise nobody is. False when the
    // text is the one already applied.
    bool SetFindText(std::string_view text);
    const std::string& FindText() const { return m_findText; }

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
    void Relist();
    // Marks the persons the find text finds: among those found before when it narrows.
    void Find(bool narrow);
    void ListFound();
    int32_t IdAt(int row) const;
    void ShowDetails(int32_t id);

    PimDocument& m_document;
    FormState& m_state;
    SearchFolding m_folding;
    std::vector<Row> m_entries;          // every listed person, in name order
    std::string m_searchTexts;           // their PersonFinder::SearchText, one after the other
    std::vector<size_t> m_searchStarts;  // where each begins, and the end
    std::vector<size_t> m_white;         // the White Pages, in name order
    std::vector<size_t> m_yellow;        // the Yellow Pages, by company, then in name order
    std::vector<size_t> m_rows;          // what the list shows
    std::string m_findText;
    PersonFinder m_finder;
    std::vector<char> m_found;           // per entry: the find text finds them
    std::vector<size_t> m_foundEntries;  // the entries found, in name order
    int32_t m_shownId = -1;
    std::array<PersonDetails::Field, 7> m_details;
};

}  // namespace orvane

#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "data/Person.h"
#include "data/RecordCollection.h"

namespace orvane {

// The choices of the "Persons To Include" dialog: the offered persons as list items, the
// selection, whether OK, Preview and Print may be pressed, and the persons chosen.
class PersonPickerModel {
public:
    // How the dialog was left with OK.
    enum class Exit { Ok, Preview, Print };
    static constexpr int kPreviewCommand = 57609;
    static constexpr int kPrintCommand = 57607;

    struct Item {
        std::string text;
        int32_t id = 0;
    };

    // The persons the phone book currently lists, in ID order: those in the White Pages,
    // or in the Yellow Pages when it shows those.
    static std::vector<Person> Offered(const RecordCollection<Person>& persons, bool yellowPages);
    // "Smith, Anna (Acme)"; no brackets without a company; no blanks at either end.
    static std::string ItemText(const Person& person);
    // The command that follows the dialog: preview, print, or 0 after plain OK.
    static int FollowUpCommand(Exit exit);

    explicit PersonPickerModel(std::vector<Person> offered);

    // One item per offered person, sorted by text in the locale's collation.
    const std::vector<Item>& Items() const { return m_items; }

    // The list's selection changed to these persons.
    void SetSelection(const std::vector<int32_t>& ids);
    // "Select All" ticked (every item) or unticked (none).
    void SelectAll(bool checked);
    bool IsSelected(int32_t id) const { return m_selected.count(id) != 0; }
    // OK, Preview and Print are enabled exactly when something is selected.
    bool CanAccept() const { return !m_selected.empty(); }

    // Copies of the selected persons in ID order.
    std::vector<Person> Chosen() const;

private:
    std::vector<Person> m_offered;
    std::vector<Item> m_items;
    std::set<int32_t> m_offeredIds;
    std::set<int32_t> m_selected;
};

}  // namespace orvane

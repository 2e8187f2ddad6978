#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"
#include "interop/ExpansionWindow.h"

namespace orvane::sync {

// Which records a folder holds: persons as .vcf files, or tasks and appointments as .ics.
enum class FolderKind { Contacts, Calendar };

// The records one item of a folder gives in the database. Appointments of a recurring
// event carry "<item UID>#<occurrence>" as their UID.
struct ItemRecords {
    std::vector<Person> persons;
    std::vector<Task> tasks;
    std::vector<Appointment> appointments;
    bool series = false;
    bool listingGiven = false;  // the card names the phone-book listings

    bool Empty() const { return persons.empty() && tasks.empty() && appointments.empty(); }
    // Of every record, in the order given; records are kept sorted by UID.
    uint64_t Fingerprint() const;
};

// The text of one folder item and the records in it.
class ItemFormat {
public:
    static const char* Extension(FolderKind kind);
    // The text ends with its END:VCARD or END:VCALENDAR line: a file another program is
    // still writing does not.
    static bool IsComplete(std::string_view text, FolderKind kind);
    // The value of the first UID line; empty when there is none.
    static std::string UidLine(std::string_view text);
    // The item's UID: its UID line, or one made from its content.
    static std::string UidOf(std::string_view text);

    // The records of a complete item, each with the item's UID; nothing when the text is
    // not a card (a calendar).
    static std::optional<ItemRecords> Read(const std::string& text, FolderKind kind,
                                           const std::string& uid,
                                           const interop::ExpansionWindow& window);
    // The item for records that are not a series: a new one, or the original (the last
    // synced item) with only what this program maps replaced.
    static std::string Write(const ItemRecords& records, FolderKind kind,
                             const std::string* original);
    // The records as new text, for keeping a losing version: a card, or one calendar per
    // task and appointment.
    static std::string WriteAll(const ItemRecords& records, FolderKind kind);
};

}  // namespace orvane::sync

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/Person.h"
#include "interop/VCard.h"
#include "interop/VCardWriter.h"

namespace orvane::interop {

class PropertyTally;

// A person as a vCard and back: N, FN, ORG, TITLE, TEL by type (home, work with its
// extension, cell, pager, fax), the first EMAIL and URL (a preferred one first), ADR, NOTE,
// UID, and the two listings as X-ORVANE-LISTING when they differ from what a card from
// another program gives (the White Pages, and the Yellow Pages too for an organisation).
class PersonCard {
public:
    // The places of a person's fields in a card.
    enum Slot : size_t {
        kName,
        kFormattedName,
        kOrganisation,
        kTitle,
        kHomePhone,
        kWorkPhone,
        kCellPhone,
        kPager,
        kFax,
        kEmail,
        kWebPage,
        kAddress,
        kNote,
        kListing,
        kUid,
        kSlotCount
    };

    struct Reading {
        Person person;
        // The property each slot was read from, -1 for none.
        std::array<int, kSlotCount> source;
        bool listingGiven = false;  // the card says which listings
        bool empty = true;          // nothing of the card found a place
    };

    // Maps a card; properties without a place are counted in the tally (when given).
    static Reading Read(const VCard& card, PropertyTally* unmapped);
    // The first card of a text (one item of a sync folder); nothing when there is none.
    static std::optional<Reading> ReadText(std::string_view text, PropertyTally* unmapped);
    // A whole card for the person.
    static void Write(std::string& out, const Person& person, VCardVersion version);
    // The card's text with only the properties that map to fields whose value changed
    // replaced, added or removed; everything else keeps its bytes. An unreadable original
    // gives a new version 3.0 card.
    static std::string Update(std::string_view original, const Person& person);

    // For an import that updates a stored person: what the card does not say stays as
    // stored (the listings, unless the card names them, and the notes' CR LF line ends
    // when the text is otherwise the same).
    static void KeepStored(const Person& stored, Person& incoming, bool listingGiven);

    // "555-1234 ext. 12", ";ext=12" and " x12" split into number and extension.
    static void SplitExtension(std::string_view text, std::string& number, std::string& extension);
};

}  // namespace orvane::interop

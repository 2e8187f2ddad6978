#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct Person;
class SearchFolding;

// Find in the phone book: which persons a query typed into the search field lists. Every
// word of the query must occur in one of the person's texts, whatever the case and the
// accents; a word of digits and phone punctuation also finds a phone number written with
// other punctuation ("5551234" finds "555-1234", "(555) 12" finds "555 1234"); a word of
// phone punctuation alone, the start of a number being typed, finds everybody.
class PersonFinder {
public:
    // All texts of a person folded once, each field on a line of its own so that a word
    // never runs from one field into the next, then the phone numbers' digits alone.
    static std::string SearchText(const Person& person, SearchFolding& folding);

    PersonFinder() = default;
    PersonFinder(std::string_view query, SearchFolding& folding);

    // An empty query (or one of blanks only) lists everybody.
    bool Empty() const { return m_words.empty(); }
    bool Matches(std::string_view searchText) const;
    // Whether this query finds only persons the previous one found too (it was typed on
    // from it), so that only those need to be looked at again.
    bool Narrows(const PersonFinder& previous) const;

private:
    struct Word {
        std::string text;
        std::string digits;  // set when the word reads as part of a phone number
        bool phone = false;  // digits and phone punctuation only
    };

    std::string m_folded;
    std::vector<Word> m_words;
};

}  // namespace orvane

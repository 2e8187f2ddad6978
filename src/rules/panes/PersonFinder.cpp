#include "rules/panes/PersonFinder.h"

#include <cstring>

#include "data/Person.h"
#include "rules/panes/SearchFolding.h"

namespace orvane {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The punctuation people write phone numbers with.
bool IsPhonePunctuation(char c)
{
    return c == '-' || c == '(' || c == ')' || c == '.' || c == '/' || c == '+';
}

bool IsPhoneWord(std::string_view word)
{
    for (char c : word) {
        if (!IsDigit(c) && !IsPhonePunctuation(c)) {
            return false;
        }
    }
    return true;
}

void AppendDigits(std::string_view text, std::string& out)
{
    for (char c : text) {
        if (IsDigit(c)) {
            out += c;
        }
    }
}

// glibc's memmem outruns a search that restarts at every match of the first byte.
bool Contains(std::string_view text, const std::string& word)
{
    return memmem(text.data(), text.size(), word.data(), word.size()) != nullptr;
}

}  // namespace

std::string PersonFinder::SearchText(const Person& person, SearchFolding& folding)
{
    const std::string* texts[] = {
        &person.RName,    &person.FName,   &person.LName,   &person.Company, &person.Position,
        &person.Addr1,    &person.Addr2,   &person.City,    &person.State,   &person.Zip,
        &person.HmPhone,  &person.WkPhone, &person.WkExt,   &person.Fax,     &person.Pager,
        &person.CelPhone, &person.EMail,   &person.WebPage, &person.Notes};
    std::string search;
    size_t length = 0;
    for (const std::string* text : texts) {
        length += text->size() * 2 + 1;  // a field, its phone digits, its line end
    }
    search.reserve(length);
    for (const std::string* text : texts) {
        folding.AppendFolded(*text, search);
        search += '\n';
    }
    for (const std::string* phone :
         {&person.HmPhone, &person.WkPhone, &person.Fax, &person.Pager, &person.CelPhone}) {
        AppendDigits(*phone, search);
        search += '\n';
    }
    return search;
}

PersonFinder::PersonFinder(std::string_view query, SearchFolding& folding)
    : m_folded(folding.Fold(query))
{
    size_t at = 0;
    while (at < m_folded.size()) {
        while (at < m_folded.size() && IsBlank(m_folded[at])) {
            ++at;
        }
        size_t end = at;
        while (end < m_folded.size() && !IsBlank(m_folded[end])) {
            ++end;
        }
        if (end > at) {
            Word word{m_folded.substr(at, end - at), {}, false};
            word.phone = IsPhoneWord(word.text);
            if (word.phone) {
                AppendDigits(word.text, word.digits);
            }
            m_words.push_back(std::move(word));
        }
        at = end;
    }
}

bool PersonFinder::Matches(std::string_view searchText) const
{
    for (const Word& word : m_words) {
        if (word.phone) {
            // The digits are found among the numbers' digits, or the word as typed elsewhere.
            const bool punctuated = word.digits.size() != word.text.size();
            if (!word.digits.empty() && !Contains(searchText, word.digits) &&
                !(punctuated && Contains(searchText, word.text))) {
                return false;
            }
        } else if (!Contains(searchText, word.text)) {
            return false;
        }
    }
    return true;
}

bool PersonFinder::Narrows(const PersonFinder& previous) const
{
    // Typing on only lengthens the last word or adds words. Folding goes character by
    // character, so the folded texts show it as well.
    return !previous.Empty() && m_folded.starts_with(previous.m_folded);
}

}  // namespace orvane

#include "rules/panes/PersonFinder.h"

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

void AppendDigits(std::string_view text, std::string& out)
{
    for (char c : text) {
        if (IsDigit(c)) {
            out += c;
        }
    }
}

// The digits of a word made of digits and phone punctuation only; empty otherwise.
std::string PhoneDigits(std::string_view word)
{
    std::string digits;
    for (char c : word) {
        if (!IsDigit(c) && !IsPhonePunctuation(c)) {
            return {};
        }
    }
    AppendDigits(word, digits);
    return digits;
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
{
    const std::string folded = folding.Fold(query);
    size_t at = 0;
    while (at < folded.size()) {
        while (at < folded.size() && IsBlank(folded[at])) {
            ++at;
        }
        size_t end = at;
        while (end < folded.size() && !IsBlank(folded[end])) {
            ++end;
        }
        if (end > at) {
            Word word{folded.substr(at, end - at), {}};
            word.digits = PhoneDigits(word.text);
            m_words.push_back(std::move(word));
        }
        at = end;
    }
}

bool PersonFinder::Matches(std::string_view searchText) const
{
    for (const Word& word : m_words) {
        const bool found =
            searchText.find(word.text) != std::string_view::npos ||
            (!word.digits.empty() && searchText.find(word.digits) != std::string_view::npos);
        if (!found) {
            return false;
        }
    }
    return true;
}

}  // namespace orvane

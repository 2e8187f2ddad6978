#include "exchange/FieldTokenizer.h"

#include "exchange/CText.h"

namespace orvane {

namespace {

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

char SimpleEscape(char e)
{
    switch (e) {
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v';
        default:
            return e;
    }
}

}  // namespace

bool FieldTokenizer::NextField(std::string& rest, std::string& field) const
{
    std::string_view view(rest);
    const bool taken = NextField(view, field);
    if (view.empty()) {
        rest.clear();
    } else {
        const size_t offset = static_cast<size_t>(view.data() - rest.data());
        rest.erase(0, offset);
        rest.resize(view.size());
    }
    return taken;
}

bool FieldTokenizer::NextField(std::string_view& rest, std::string& field) const
{
    rest = CText::Trim(rest);
    if (rest.empty()) {
        return false;
    }
    const char first = rest.front();
    if (IsSeparator(first)) {
        rest.remove_prefix(1);
    } else if (IsEncloser(first)) {
        TakeEnclosed(rest, field);
    } else {
        TakePlain(rest, field);
    }
    return true;
}

void FieldTokenizer::TakePlain(std::string_view& rest, std::string& field) const
{
    const size_t end = m_hasSeparator ? rest.find(m_separator) : std::string_view::npos;
    if (end == std::string_view::npos) {
        field.append(rest);
        rest = {};
        return;
    }
    field.append(rest.substr(0, end));
    rest.remove_prefix(end + 1);
}

void FieldTokenizer::TakeEnclosed(std::string_view& rest, std::string& field) const
{
    const std::string_view text = rest;
    // The last character is never examined: it is taken to be the closing encloser.
    const size_t last = text.size() - 1;
    size_t i = 0;
    while (i < last) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            rest = text.substr(i + 1);  // the rest of the line follows
            return;
        }
        if (IsEncloser(c)) {
            const char d = text[i + 1];
            if (IsEncloser(d)) {
                field.push_back(d);
                i += 2;
                continue;
            }
            if (IsSeparator(d)) {
                rest = text.substr(i + 2);
                return;
            }
            i = TakeCharacter(text, i + 1, field);
            continue;
        }
        i = TakeCharacter(text, i, field);
    }
    rest = {};
}

size_t FieldTokenizer::TakeCharacter(std::string_view text, size_t i, std::string& field) const
{
    if (text[i] == '\\') {
        return TakeEscape(text, i, field);
    }
    field.push_back(text[i]);
    return i + 1;
}

size_t FieldTokenizer::TakeEscape(std::string_view text, size_t i, std::string& field) const
{
    if (i + 1 >= text.size()) {
        return i + 1;  // a lone backslash at the very end stands for nothing
    }
    const char e = text[i + 1];
    if (IsOctalDigit(e)) {
        return TakeOctal(text, i + 1, field);
    }
    field.push_back(SimpleEscape(e));
    return i + 2;
}

size_t FieldTokenizer::TakeOctal(std::string_view text, size_t i, std::string& field) const
{
    unsigned value = 0;
    int digits = 0;
    while (digits < 3 && i < text.size() && IsOctalDigit(text[i])) {
        value = value * 8 + static_cast<unsigned>(text[i] - '0');
        ++digits;
        ++i;
    }
    field.push_back(static_cast<char>(value & 0xFFu));
    // A short escape swallows the character after it, which follows the escaped one;
    // an encloser there is left to be examined as usual.
    if (digits < 3 && i < text.size() && !IsEncloser(text[i])) {
        field.push_back(text[i]);
        ++i;
    }
    return i;
}

}  // namespace orvane

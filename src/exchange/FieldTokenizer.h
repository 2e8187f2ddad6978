#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Takes the fields of one line of delimited text off its front, one at a time.
// The reader is deliberately lenient: enclosed fields may use doubled enclosers and
// backslash escapes, and a malformed field still yields a value rather than an error.
class FieldTokenizer {
public:
    void SetSeparator(char separator)
    {
        m_separator = separator;
        m_hasSeparator = true;
    }
    void SetEncloser(char encloser)
    {
        m_encloser = encloser;
        m_hasEncloser = true;
    }

    // Takes the next field off the front of rest (which shrinks) and appends it to field.
    // False, with field untouched, when only white space is left.
    bool NextField(std::string_view& rest, std::string& field) const;
    bool NextField(std::string& rest, std::string& field) const;

private:
    bool IsSeparator(char c) const { return m_hasSeparator && c == m_separator; }
    bool IsEncloser(char c) const { return m_hasEncloser && c == m_encloser; }
    void TakePlain(std::string_view& rest, std::string& field) const;
    void TakeEnclosed(std::string_view& rest, std::string& field) const;
    // Handles the escape or ordinary character at position i; returns the next position.
    size_t TakeCharacter(std::string_view text, size_t i, std::string& field) const;
    size_t TakeEscape(std::string_view text, size_t i, std::string& field) const;
    size_t TakeOctal(std::string_view text, size_t i, std::string& field) const;

    char m_separator = '\0';
    char m_encloser = '\0';
    bool m_hasSeparator = false;
    bool m_hasEncloser = false;
};

}  // namespace orvane

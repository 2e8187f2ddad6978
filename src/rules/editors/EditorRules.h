#pragma once

#include <string>

namespace orvane {

// Small rules the record editors share.
class EditorRules {
public:
    // Person and user editors: OK needs a first name, a last name or a company.
    static bool HasName(const std::string& first, const std::string& last,
                        const std::string& company);
    // Task and appointment editors: OK needs a text.
    static bool HasText(const std::string& text) { return !text.empty(); }
    // Whether a typed character reaches a phone-number edit: printable ASCII only when it
    // can be part of a number; control characters and anything above ASCII always pass.
    static bool AcceptsPhoneKey(char32_t code);
};

}  // namespace orvane

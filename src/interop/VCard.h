#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::interop {

// One parameter of a content line. A list value ("TYPE=work,voice") gives one parameter per
// item; a bare version 2.1 parameter ("TEL;HOME:") is a TYPE, or the ENCODING it names.
struct VCardParameter {
    std::string name;   // upper case
    std::string value;  // without surrounding quotes
};

// One content line of a card, unfolded and decoded into UTF-8. The value keeps the escapes
// of the text (\, \; \n \\): structured values are split before they are unescaped.
struct VCardProperty {
    std::string group;  // "item1" of "item1.EMAIL"; empty for most
    std::string name;   // upper case
    std::vector<VCardParameter> parameters;
    std::string value;
    std::string label;    // of the group's X-ABLabel in lower case, "_$!<Work>!$_" gives "work"
    bool binary = false;  // inline base64 or data: value, skipped unread
    // Where the content line, folds included, lies in the card's text.
    size_t begin = 0;
    size_t end = 0;

    // The first value of the parameter, "" when absent.
    std::string_view Parameter(std::string_view name) const;
    // TYPE=... (any letter case), or the label of the property's group (item1.X-ABLabel).
    bool HasType(std::string_view type) const;
    // Lower ranks first: PREF=1 is 1, TYPE=pref 1, none 101.
    int PreferenceRank() const;
    // The value as plain text.
    std::string Text() const;
    // The components of a structured value (N, ADR, ORG), each as plain text.
    std::vector<std::string> Components() const;
};

// One card as read: its properties in file order and its own text.
struct VCard {
    std::string version;  // "2.1", "3.0", "4.0", or what the card says
    std::vector<VCardProperty> properties;
    std::string_view text;  // from BEGIN:VCARD to the end of END:VCARD
    bool complete = false;  // ended with END:VCARD
    // Content lines left out: longer than the limit, beyond the property limit, nested cards.
    size_t dropped = 0;
};

}  // namespace orvane::interop

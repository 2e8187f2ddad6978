#include "interop/VCard.h"

#include <charconv>

#include "interop/Ascii.h"
#include "interop/VCardText.h"

namespace orvane::interop {

std::string_view VCardProperty::Parameter(std::string_view name) const
{
    for (const VCardParameter& parameter : parameters) {
        if (parameter.name == name) {
            return parameter.value;
        }
    }
    return {};
}

bool VCardProperty::HasType(std::string_view type) const
{
    for (const VCardParameter& parameter : parameters) {
        if (parameter.name == "TYPE" && Ascii::SameLetters(parameter.value, type)) {
            return true;
        }
    }
    return label == type;
}

int VCardProperty::PreferenceRank() const
{
    for (const VCardParameter& parameter : parameters) {
        int rank = 0;
        const char* first = parameter.value.data();
        const char* last = first + parameter.value.size();
        if (parameter.name == "PREF" && std::from_chars(first, last, rank).ptr == last &&
            rank >= 1 && rank <= 100) {
            return rank;
        }
    }
    return HasType("pref") ? 1 : 101;
}

std::string VCardProperty::Text() const
{
    return VCardText::Unescape(value);
}

std::vector<std::string> VCardProperty::Components() const
{
    std::vector<std::string> components;
    for (std::string_view part : VCardText::Split(value, ';')) {
        components.push_back(VCardText::Unescape(part));
    }
    return components;
}

}  // namespace orvane::interop

#include "rules/editors/EditorRules.h"

#include <string_view>

namespace orvane {

bool EditorRules::HasName(const std::string& first, const std::string& last,
                          const std::string& company)
{
    return !first.empty() || !last.empty() || !company.empty();
}

bool EditorRules::AcceptsPhoneKey(char32_t code)
{
    if (code < 32 || code > 127) {
        return true;
    }
    if (code >= U'0' && code <= U'9') {
        return true;
    }
    constexpr std::u32string_view kPunctuation = U".()-+ ";
    return kPunctuation.find(code) != std::u32string_view::npos;
}

}  // namespace orvane

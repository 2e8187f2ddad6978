#include "rules/panes/NameCollation.h"

#include <cwchar>
#include <cwctype>

#include "platform/TextDecoding.h"

namespace orvane {

std::wstring NameCollation::Key(std::string_view name)
{
    std::wstring folded;
    folded.reserve(name.size());
    for (char32_t c : TextDecoding::Decode(name)) {
        folded += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    std::wstring key(folded.size() * 4 + 1, L'\0');
    size_t length = std::wcsxfrm(key.data(), folded.c_str(), key.size());
    if (length >= key.size()) {
        key.assign(length + 1, L'\0');
        length = std::wcsxfrm(key.data(), folded.c_str(), key.size());
    }
    key.resize(length);
    return key;
}

}  // namespace orvane

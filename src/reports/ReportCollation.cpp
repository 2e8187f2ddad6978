#include "reports/ReportCollation.h"

#include <cwchar>
#include <cwctype>

#include "platform/TextDecoding.h"

namespace orvane {

namespace {

std::wstring Transformed(const std::wstring& text)
{
    std::wstring key(text.size() * 4 + 1, L'\0');
    size_t length = std::wcsxfrm(key.data(), text.c_str(), key.size());
    if (length >= key.size()) {
        key.assign(length + 1, L'\0');
        length = std::wcsxfrm(key.data(), text.c_str(), key.size());
    }
    key.resize(length);
    return key;
}

}  // namespace

ReportCollation::Key ReportCollation::KeyOf(std::string_view name)
{
    std::wstring folded;
    std::wstring cases;
    const std::u32string decoded = TextDecoding::Decode(name);
    folded.reserve(decoded.size());
    cases.reserve(decoded.size());
    for (char32_t c : decoded) {
        const auto wide = static_cast<wint_t>(c);
        folded += static_cast<wchar_t>(std::towlower(wide));
        cases += std::iswupper(wide) ? L'1' : L'0';
    }
    return Key{Transformed(folded), cases};
}

}  // namespace orvane

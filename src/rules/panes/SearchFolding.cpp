#include "rules/panes/SearchFolding.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include "platform/TextDecoding.h"

namespace orvane {

namespace {

bool IsAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

SearchFolding::SearchFolding()
{
    static const UChar kRules[] = u"NFKD; [:Nonspacing Mark:] Remove; Latin-ASCII";
    UErrorCode status = U_ZERO_ERROR;
    m_plain = utrans_openU(kRules, -1, UTRANS_FORWARD, nullptr, 0, nullptr, &status);
    if (U_FAILURE(status)) {
        m_plain = nullptr;  // without ICU's data: case folding alone
    }
}

SearchFolding::~SearchFolding()
{
    if (m_plain) {
        utrans_close(m_plain);
    }
}

std::string SearchFolding::Fold(std::string_view text)
{
    std::string out;
    AppendFolded(text, out);
    return out;
}

void SearchFolding::AppendFolded(std::string_view text, std::string& out)
{
    if (IsAscii(text)) {
        const size_t at = out.size();
        out += text;
        for (size_t i = at; i < out.size(); ++i) {
            out[i] = AsciiLower(out[i]);
        }
        return;
    }
    for (char32_t c : TextDecoding::Decode(text)) {
        if (c < 0x80) {
            out += AsciiLower(static_cast<char>(c));
        } else {
            out += FoldedChar(c);
        }
    }
}

const std::string& SearchFolding::FoldedChar(char32_t c)
{
    auto [it, added] = m_folded.try_emplace(c);
    if (!added) {
        return it->second;
    }
    UChar plain[64];
    int32_t length = 0;
    U16_APPEND_UNSAFE(plain, length, static_cast<UChar32>(c));
    UErrorCode status = U_ZERO_ERROR;
    if (m_plain) {
        int32_t limit = length;
        utrans_transUChars(m_plain, plain, &length, 64, 0, &limit, &status);
        if (U_FAILURE(status)) {
            length = 0;
            U16_APPEND_UNSAFE(plain, length, static_cast<UChar32>(c));
            status = U_ZERO_ERROR;
        }
    }
    UChar folded[128];
    const int32_t foldedLength =
        u_strFoldCase(folded, 128, plain, length, U_FOLD_CASE_DEFAULT, &status);
    char utf8[512];
    int32_t utf8Length = 0;
    if (U_SUCCESS(status)) {
        u_strToUTF8(utf8, sizeof utf8, &utf8Length, folded, foldedLength, &status);
    }
    if (U_SUCCESS(status)) {
        it->second.assign(utf8, static_cast<size_t>(utf8Length));
    }
    return it->second;
}

}  // namespace orvane

#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include <unicode/utrans.h>

namespace orvane {

// Text as a search compares it: letters without their accents and in one case, ligatures
// and compatibility forms spelt out (é → e, Straße → strasse, Ø → o, ﬁ → fi), as UTF-8.
// Fields that are not UTF-8 are read as Windows-1252. Each character other than ASCII is
// folded once and remembered, so folding many texts stays cheap.
class SearchFolding {
public:
    SearchFolding();
    ~SearchFolding();
    SearchFolding(const SearchFolding&) = delete;
    SearchFolding& operator=(const SearchFolding&) = delete;

    std::string Fold(std::string_view text);
    // Appends the folded text to `out`.
    void AppendFolded(std::string_view text, std::string& out);

private:
    const std::string& FoldedChar(char32_t c);

    UTransliterator* m_plain = nullptr;  // decomposed, marks removed, Latin to ASCII
    std::unordered_map<char32_t, std::string> m_folded;
};

}  // namespace orvane

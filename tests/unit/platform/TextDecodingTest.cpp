#include <gtest/gtest.h>

#include "platform/TextDecoding.h"

namespace orvane {
namespace {

TEST(TextDecoding, ValidUtf8IsReadAsUtf8AndAnythingElseAsWindows1252)
{
    struct Case {
        std::string bytes;
        bool utf8;
        std::u32string text;
    };
    const Case cases[] = {
        {"\xD0\x96\xF0\x9F\x93\x85", true, U"\u0416\U0001F4C5"},
        {"Caf\xC3\xA9 \xE2\x82\xAC", true, U"Caf\u00E9 \u20AC"},
        {"", true, U""},
        {"Caf\xE9", false, U"Caf\u00E9"},
        {"\x80 \x93quoted\x94", false, U"\u20AC \u201Cquoted\u201D"},
        {"\x80", false, U"\u20AC"},                      // a continuation byte cannot lead
        {"\xC3", false, U"\u00C3"},                      // a lone lead byte
        {"\xC0\xAF", false, U"\u00C0\u00AF"},            // overlong "/"
        {"\xD0", false, U"\u00D0"},                      // a lead at the end
        {"\xED\xA0\x80", false, U"\u00ED\u00A0\u20AC"},  // a surrogate
        {"ok \xC3\xA9 then \xE9", false, U"ok \u00C3\u00A9 then \u00E9"},  // mixed: all 1252
        {"\xC2\x80\xF4\x8F\xBF\xBF", true, U"\u0080\U0010FFFF"},           // the first and last
        {"\xE0\x80\xAF", false, U"\u00E0\u20AC\u00AF"},                    // overlong, 3 bytes
        {"\xED\xBF\xBF", false, U"\u00ED\u00BF\u00BF"},                    // the last surrogate
        {"\xF4\x90\x80\x80", false, U"\u00F4\u0090\u20AC\u20AC"},          // beyond U+10FFFF
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextDecoding::IsValidUtf8(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(TextDecoding::Decode(c.bytes), c.text) << c.bytes;
    }
}

TEST(TextDecoding, ToUtf8KeepsUtf8AndConvertsWindows1252)
{
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"Zo\xc3\xab", "Zo\xc3\xab"},
        {"Jos\xe9", "Jos\xc3\xa9"},
        {"\x80 \x93x\x94 \x9f", "\xe2\x82\xac \xe2\x80\x9cx\xe2\x80\x9d \xc5\xb8"},
        {"\x81\x8d", "\xc2\x81\xc2\x8d"},                  // unassigned: their C1 code points
        {"\xc3\xab\xe9", "\xc3\x83\xc2\xab\xc3\xa9"},      // one bad byte: the whole field
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                  // an overlong form is no UTF-8
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},  // nor is a surrogate
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
        {"\xf0\x9f\x98", "\xc3\xb0\xc5\xb8\xcb\x9c"},  // cut short
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextDecoding::ToUtf8(c.bytes), c.text) << c.bytes;
        EXPECT_TRUE(TextDecoding::IsValidUtf8(TextDecoding::ToUtf8(c.bytes)));
    }
}

// Each code point at an edge of the one-, two-, three- and four-byte forms.
TEST(TextDecoding, AppendUtf8WritesTheShortestForm)
{
    std::string out;
    for (const char32_t code : {0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000}) {
        TextDecoding::AppendUtf8(out, code);
    }
    EXPECT_EQ(out, "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80");
}

}  // namespace
}  // namespace orvane

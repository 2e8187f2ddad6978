#include <gtest/gtest.h>

#include <clocale>

#include "views/NameCollation.h"
#include "views/TextDecoding.h"

namespace orvane {
namespace {

TEST(TextDecoding, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(TextDecoding::Decode("\xD0\x96\xF0\x9F\x93\x85"), U"\u0416\U0001F4C5");
    EXPECT_EQ(TextDecoding::Decode("Caf\xC3\xA9 \xE2\x82\xAC"), U"Caf\u00E9 \u20AC");
    EXPECT_EQ(TextDecoding::Decode(""), U"");
}

TEST(TextDecoding, AnythingElseIsWindows1252)
{
    struct Case {
        std::string bytes;
        std::u32string text;
    };
    const Case cases[] = {
        {"Caf\xE9", U"Caf\u00E9"},
        {"\x80 \x93quoted\x94", U"\u20AC \u201Cquoted\u201D"},
        {"\xC3", U"\u00C3"},                                        // a lone lead byte
        {"\xC0\xAF", U"\u00C0\u00AF"},                              // overlong "/"
        {"\xD0", U"\u00D0"},                                        // a two-byte lead at the end
        {"\xED\xA0\x80", U"\u00ED\u00A0\u20AC"},                    // an encoded surrogate
        {"ok \xC3\xA9 then \xE9", U"ok \u00C3\u00A9 then \u00E9"},  // mixed: all 1252
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(TextDecoding::IsValidUtf8(c.bytes)) << c.bytes;
        EXPECT_EQ(TextDecoding::Decode(c.bytes), c.text) << c.bytes;
    }
}

TEST(NameCollation, IgnoresLetterCase)
{
    // The program runs in the user's locale (here C.UTF-8), as the window sets it up.
    std::setlocale(LC_ALL, "");
    EXPECT_EQ(NameCollation::Key("ADAMS"), NameCollation::Key("adams"));
    EXPECT_LT(NameCollation::Key("adams"), NameCollation::Key("Baker"));
    EXPECT_LT(NameCollation::Key(""), NameCollation::Key("A"));
    EXPECT_EQ(NameCollation::Key("\xC9mile"), NameCollation::Key("\xC3\xA9MILE"));
}

}  // namespace
}  // namespace orvane

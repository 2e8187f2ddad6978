#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/FieldTokenizer.h"

namespace orvane {
namespace {

struct TokenCase {
    const char* name;
    std::string line;
    char separator;
    std::string encloser;  // empty: none
    std::vector<std::string> fields;
};

std::vector<std::string> Split(const TokenCase& c)
{
    FieldTokenizer tokenizer;
    tokenizer.SetSeparator(c.separator);
    if (!c.encloser.empty()) {
        tokenizer.SetEncloser(c.encloser.front());
    }
    std::vector<std::string> fields;
    std::string rest = c.line;
    std::string field;
    while (tokenizer.NextField(rest, field)) {
        fields.push_back(field);
        field.clear();
    }
    return fields;
}

const std::vector<TokenCase>& Cases()
{
    using S = std::string;
    static const std::vector<TokenCase> cases = {
        // Plain and empty fields.
        {"empty middle value", "'a',,'c'", ',', "'", {"a", "", "c"}},
        {"unenclosed separator splits", "Smith, John,x", ',', "", {"Smith", "John", "x"}},
        {"plain fields ignore enclosers", "a'b,c", ',', "'", {"a'b", "c"}},
        {"encloser set to nothing leaves quotes as text", "'a',b", ',', "", {"'a'", "b"}},
        {"leading space trimmed, trailing kept", "  a ,b", ',', "'", {"a ", "b"}},
        {"last field loses trailing white space", "a ,b \t ", ',', "'", {"a ", "b"}},
        {"empty line", "", ',', "'", {}},
        {"white-space line", " \t \v\f ", ',', "'", {}},
        {"trailing separator yields no field", "'a','b',", ',', "'", {"a", "b"}},
        {"lone separator", ",", ',', "'", {""}},
        {"pipe", "a|b|'c|d'", '|', "'", {"a", "b", "c|d"}},
        // Spaces and tabs as separators collapse.
        {"tab runs collapse", "'a'\t\t'c'", '\t', "'", {"a", "c"}},
        {"space runs collapse", "a   b", ' ', "'", {"a", "b"}},
        {"empty plain value between tabs vanishes", "a\t\tc", '\t', "", {"a", "c"}},
        // Enclosed fields.
        {"separator inside enclosers is text", "'Smith, John',x", ',', "'", {"Smith, John", "x"}},
        {"doubled encloser", "'a''b'", ',', "'", {"a'b"}},
        {"undoubled inner enclosers", "'He said 'hi''", ',', "'", {"He said hi'"}},
        {"missing closing encloser loses the last character", "'abc", ',', "'", {"ab"}},
        {"space after the closing encloser runs to the end", "'abc' ,x", ',', "'", {"abc ,"}},
        {"empty enclosed field", "'',x", ',', "'", {"',"}},
        {"four enclosers", "''''", ',', "'", {"''"}},
        {"lone encloser", "'", ',', "'", {""}},
        {"encloser after a plain field", "x,'a,b'", ',', "'", {"x", "a,b"}},
        {"field ends at a line break inside", S("'a\rb',c"), ',', "'", {"a", "b'", "c"}},
        {"line feed inside ends the field too", S("'a\nb'"), ',', "'", {"a", "b'"}},
        // The last character is never examined.
        {"last backslash never examined", "'ab\\", ',', "'", {"ab"}},
        {"consumed closing pair may be last", "'a''", ',', "'", {"a'"}},
        // Escapes.
        {"simple escapes", "'\\a\\b\\f\\n\\r\\t\\v'", ',', "'", {"\a\b\f\n\r\t\v"}},
        {"other escaped characters stand for themselves", "'\\q\\\\'", ',', "'", {"q\\"}},
        {"escaped encloser does not end the field", "'a\\'b',c", ',', "'", {"a'b", "c"}},
        {"octal takes at most three digits", "'\\1011'", ',', "'", {"A1"}},
        {"three digits swallow nothing", "'\\101\\n'", ',', "'", {"A\n"}},
        {"octal keeps the low eight bits", "'\\777'", ',', "'", {"\xFF"}},
        {"two digits swallow the next character", "'\\12x'", ',', "'", {"\nx"}},
        {"one digit swallows a separator", "'\\7,b',c", ',', "'", {"\a,b", "c"}},
        {"escaped NUL", S("'a\\0b'"), ',', "'", {S("a\0b", 3)}},
        {"an encloser after the digits is left alone", "'\\1'x", ',', "'", {"\x01x"}},
        {"backslash after a dropped encloser still escapes", "'a'\\tb'", ',', "'", {"a\tb"}},
    };
    return cases;
}

TEST(FieldTokenizer, SplitsLinesAsTheFormatReads)
{
    for (const TokenCase& c : Cases()) {
        EXPECT_EQ(Split(c), c.fields) << c.name << ": «" << c.line << "»";
    }
}

TEST(FieldTokenizer, AppendsToTheFieldAndLeavesItAloneAtTheEnd)
{
    FieldTokenizer tokenizer;
    tokenizer.SetSeparator(',');
    tokenizer.SetEncloser('"');
    std::string rest = "\"b\",c";
    std::string field = "a";
    ASSERT_TRUE(tokenizer.NextField(rest, field));
    EXPECT_EQ(field, "ab");
    EXPECT_EQ(rest, "c");
    field = "kept";
    rest = "   ";
    EXPECT_FALSE(tokenizer.NextField(rest, field));
    EXPECT_EQ(field, "kept");
}

TEST(FieldTokenizer, ANewTokenizerSplitsNothing)
{
    FieldTokenizer tokenizer;
    std::string rest = std::string("a,b\0c", 5);
    std::string field;
    ASSERT_TRUE(tokenizer.NextField(rest, field));
    EXPECT_EQ(field, std::string("a,b\0c", 5));
    EXPECT_TRUE(rest.empty());
}

}  // namespace
}  // namespace orvane

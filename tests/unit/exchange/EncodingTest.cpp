#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "exchange/ColumnMatch.h"
#include "exchange/FirstLinePreview.h"
#include "exchange/Utf16Decoder.h"
#include "support/Golden.h"

namespace orvane {
namespace {

std::string Utf16(std::u16string_view text, bool littleEndian, bool mark = true)
{
    std::string bytes;
    if (mark) {
        bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    }
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

class EncodingTest : public test::ImportFixture {};

// What spreadsheets write as "Unicode text" reads as text; a file without a mark stays bytes.
TEST_F(EncodingTest, AByteOrderMarkDecidesHowTheFileReads)
{
    const std::u16string text = u"First\tLast\r\nZo\u00EB\t\U0001D11ESmith\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::string firstLine;
        const char* first;  // nullptr: the line gives no person
        const char* last;
    };
    const Case cases[] = {
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "First\tLast\nZo\xC3\xAB\t\xF0\x9D\x84\x9ESmith\n",
         "First\tLast", "Zo\xC3\xAB", "\xF0\x9D\x84\x9ESmith"},
        {"UTF-16 LE", Utf16(text, true), "First\tLast", "Zo\xC3\xAB", "\xF0\x9D\x84\x9ESmith"},
        {"UTF-16 BE", Utf16(text, false), "First\tLast", "Zo\xC3\xAB", "\xF0\x9D\x84\x9ESmith"},
        // Every value of the second line starts with a zero byte, which ends it.
        {"UTF-16 LE without a mark", Utf16(text, true, false), Utf16(u"First\tLast\r", true, false),
         nullptr, nullptr},
        {"Windows-1252", "First\tLast\nZo\xEB\tSmith\n", "First\tLast", "Zo\xEB", "Smith"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_dir.File(std::string(c.name) + ".txt");
        test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(FirstLinePreview::Read(path).value_or("?"), c.firstLine);
        PimDocument document;
        const int added =
            Transfer::Import(document, RecordKind::Persons,
                             test::ImportSettings(RecordKind::Persons, path,
                                                  {"FirstName", "LastName"}, true, "\t", ""));
        ASSERT_EQ(added, c.first ? 1 : 0);
        if (c.first) {
            const Person& person = document.Database().Persons().begin()->second;
            EXPECT_EQ(person.FName, c.first);
            EXPECT_EQ(person.LName, c.last);
        }
    }
}

TEST(Utf16Decoder, PiecesOfAnyLengthDecodeAsTheWhole)
{
    const std::string bytes = Utf16(u"a\u00E9\u20AC\U0001F600\xD800x\xDC00", true, false) + "\x41";
    std::string whole;
    Utf16Decoder all(Utf16Decoder::ByteOrder::LittleEndian);
    all.Append(bytes, whole);
    all.Finish(whole);
    // A lone high surrogate, a lone low one and the odd last byte each become U+FFFD.
    EXPECT_EQ(whole, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
    std::string pieces;
    Utf16Decoder bytewise(Utf16Decoder::ByteOrder::LittleEndian);
    for (const char c : bytes) {
        bytewise.Append(std::string_view(&c, 1), pieces);
    }
    bytewise.Finish(pieces);
    EXPECT_EQ(pieces, whole);
}

TEST(ColumnMatch, HeadersOfCommonExportsNameTheirFields)
{
    for (const auto& row : test::RowsOf("exchange/column-match.txt")) {
        EXPECT_EQ(ColumnMatch::FieldOf(test::KindNamed(row[0]), row[1]), row[2]) << row[1];
    }
    // A field goes to the first column that names it.
    EXPECT_EQ(ColumnMatch::Match(RecordKind::Persons, {"Phone", "Surname", "Home Phone", "X"}),
              (std::vector<std::string>{"HomePhone", "LastName", "", ""}));
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interop/VCardReader.h"
#include "interop/VCardWriter.h"
#include "platform/TextDecoding.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"

namespace orvane::interop {
namespace {

// A card as "group.NAME;PARAM=value:text" lines; binary values show as <binary>, a group
// label as [label], and the card's state last.
std::string Render(const VCard& card)
{
    std::string text;
    for (const VCardProperty& p : card.properties) {
        text += p.group.empty() ? p.name : p.group + "." + p.name;
        for (const VCardParameter& parameter : p.parameters) {
            text += ";" + parameter.name + "=" + parameter.value;
        }
        text += ":" + (p.binary ? "<binary>" : p.Text());
        text += p.label.empty() ? "\n" : " [" + p.label + "]\n";
    }
    return text + (card.complete ? "end" : "cut") + " dropped=" + std::to_string(card.dropped);
}

std::vector<std::string> ReadAll(const std::string& text)
{
    VCardReader reader(text);
    VCard card;
    std::vector<std::string> cards;
    while (reader.Next(card)) {
        cards.push_back(Render(card));
    }
    return cards;
}

// Each case of tests/data/interop/reader-cases.vcf (the text after a "#case WHAT" line) and
// the cards read from it, as in reader-cases.expected.
TEST(VCardReader, ContentLines)
{
    const std::string file = test::ReadFileBytes(test::DataPath("interop/reader-cases.vcf"));
    std::string out;
    for (size_t at = 0; at < file.size();) {
        const size_t body = file.find('\n', at) + 1;
        size_t next = file.find("\n#case ", body);
        next = next == std::string::npos ? file.size() : next + 1;
        out += "== " + file.substr(at + 6, body - at - 7) + "\n";
        const std::vector<std::string> cards = ReadAll(file.substr(body, next - body));
        for (size_t i = 0; i < cards.size(); ++i) {
            out += (i ? "\n--\n" : "") + cards[i];
        }
        out += "\n";
        at = next;
    }
    test::ExpectGolden(out, "interop/reader-cases.expected");
}

TEST(VCardReader, WhatIsOverTheLimitsIsLeftOut)
{
    const std::string big(VCardReader::kMaxValueBytes + 1, 'x');
    std::string many = "BEGIN:VCARD\n", kept;
    for (size_t i = 0; i < VCardReader::kMaxProperties; ++i) {
        kept += "X-N:1\n";
    }
    many += kept + "X-N:1\nEND:VCARD\n";
    const std::string value(VCardReader::kMaxValueBytes - 16, 'v');
    std::string heavy = "BEGIN:VCARD\n", heavyKept;
    for (size_t i = 0; i < VCardReader::kMaxCardBytes / value.size(); ++i) {
        heavyKept += "NOTE:" + value + "\n";
    }
    heavy += heavyKept + "NOTE:" + value + "\nEND:VCARD\n";
    // A line, a property and a value that each go over a limit.
    const std::pair<std::string, std::string> cases[] = {
        {"BEGIN:VCARD\nNOTE:" + big + "\nFN:a\nEND:VCARD\n", "FN:a\nend dropped=1"},
        {many, kept + "end dropped=1"},
        {heavy, heavyKept + "end dropped=1"},
    };
    for (const auto& [text, card] : cases) {
        EXPECT_EQ(ReadAll(text), std::vector<std::string>{card}) << text.size();
    }
}

// Every written line fits 75 octets without splitting a character, and reading the card
// gives back the text.
TEST(VCardWriter, FoldsEscapesAndReadsBack)
{
    std::string text =
        "Ünïcödé ß € 日本語 and \"quotes\", semicolons; backslash \\ \r\nnext line\n";
    for (int i = 0; i < 5; ++i) {
        text += text;
    }
    for (VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
        std::string card;
        VCardWriter writer(card, version);
        writer.Begin();
        writer.Text("NOTE", "", text);
        writer.Structured("N", "", {"a;b", "c,d"});
        writer.End();
        size_t start = 0;
        for (size_t end = card.find("\r\n"); end != std::string::npos;
             start = end + 2, end = card.find("\r\n", start)) {
            const std::string line = card.substr(start, end - start);
            EXPECT_LE(line.size(), version == VCardVersion::V21 ? 76u : 75u) << line;
            EXPECT_TRUE(TextDecoding::IsValidUtf8(line)) << line;
        }
        VCardReader reader(card);
        VCard read;
        ASSERT_TRUE(reader.Next(read));
        // Version 2.1 keeps the CR of a line break; the mapping drops it.
        std::string got = read.properties[1].Text(), expected = text;
        for (std::string* s : {&got, &expected}) {
            std::erase(*s, '\r');
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(read.properties[2].Components(), (std::vector<std::string>{"a;b", "c,d"}));
    }
}

}  // namespace
}  // namespace orvane::interop

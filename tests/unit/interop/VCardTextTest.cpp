#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interop/VCardReader.h"
#include "interop/VCardWriter.h"
#include "platform/TextDecoding.h"

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

struct ReaderCase {
    const char* what;
    std::string text;
    std::vector<std::string> cards;
};

TEST(VCardReader, ContentLines)
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
    const std::vector<ReaderCase> cases = {
        {"folds after CR LF and LF, with a space or a tab",
         "BEGIN:VCARD\r\nNOTE:ab\r\n c\n\td\r\nFN:x\r\nEND:VCARD\r\n",
         {"NOTE:abcd\nFN:x\nend dropped=0"}},
        {"bare and named parameters, lists and quotes",
         "BEGIN:VCARD\nTEL;HOME;VOICE:1\ntel;type=work,voice;PREF=1:2\n"
         "ADR;LABEL=\"a;b:c\";TYPE=\"home,work\":;;x\nEND:VCARD\n",
         {"TEL;TYPE=HOME;TYPE=VOICE:1\nTEL;TYPE=work;TYPE=voice;PREF=1:2\n"
          "ADR;LABEL=a;b:c;TYPE=home;TYPE=work:;;x\nend dropped=0"}},
        {"escapes",
         "BEGIN:VCARD\nNOTE:a\\,b\\;c\\nd\\\\e\\N\nEND:VCARD\n",
         {"NOTE:a,b;c\nd\\e\n\nend dropped=0"}},
        {"groups and their labels",
         "BEGIN:VCARD\nitem1.EMAIL;type=INTERNET:x@y\nitem1.X-ABLabel:_$!<Work>!$_\nEND:VCARD\n",
         {"item1.EMAIL;TYPE=INTERNET:x@y [work]\nitem1.X-ABLABEL:_$!<Work>!$_ [work]\nend "
          "dropped=0"}},
        {"quoted-printable with soft line breaks and character sets",
         "BEGIN:VCARD\nN;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:M=FC=\nller;J=\n=FCrgen\n"
         "ORG;CHARSET=WINDOWS-1252:\x80 \xe9\nNOTE:caf\xe9\nEND:VCARD\n",
         {"N;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Müller;Jürgen\n"
          "ORG;CHARSET=WINDOWS-1252:€ é\nNOTE:café\nend dropped=0"}},
        {"base64 values are stepped over, folded or not",
         "BEGIN:VCARD\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\n BBBB\nFN:a\n"
         "PHOTO;ENCODING=BASE64;TYPE=GIF:\nR0lGOD\nlhAQAB\n\nLOGO:data:image/png;base64,AAAA\n"
         "FN:b\nEND:VCARD\n",
         {"PHOTO;ENCODING=b;TYPE=JPEG:<binary>\nFN:a\nPHOTO;ENCODING=BASE64;TYPE=GIF:<binary>\n"
          "LOGO:<binary>\nFN:b\nend dropped=0"}},
        {"a card cut short before the next one, and one without its end",
         "\xEF\xBB\xBFjunk\nBEGIN:VCARD\nFN:a\nBEGIN:VCARD\nFN:b\nEND:VCARD\nBEGIN:VCARD\nFN:c\n",
         {"FN:a\ncut dropped=0", "FN:b\nend dropped=0", "FN:c\ncut dropped=0"}},
        {"a version 2.1 agent's card inside the card",
         "BEGIN:VCARD\nAGENT:\nBEGIN:VCARD\nFN:agent\nEND:VCARD\nFN:a\nEND:VCARD\n",
         {"AGENT:\nFN:a\nend dropped=0"}},
        {"lines over the limits are left out",
         "BEGIN:VCARD\nNOTE:" + big + "\nFN:a\nEND:VCARD\n",
         {"FN:a\nend dropped=1"}},
        {"properties over the limit are left out", many, {kept + "end dropped=1"}},
        {"values over the card's limit are left out", heavy, {heavyKept + "end dropped=1"}},
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(ReadAll(c.text), c.cards) << c.what;
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

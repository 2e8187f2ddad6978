#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "storage/NumberText.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::At;

std::string File(const std::string& body, const char* version = "1")
{
    return std::string("<?xml version=\"1.0\"?>\n<Pim Version=\"") + version + "\">\n" + body +
           "</Pim>\n";
}

struct Loaded {
    PimDatabase db;
    ScriptedPrompter prompter;
    bool ok = false;
};

std::unique_ptr<Loaded> Load(const std::string& text)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->ok = loaded->db.Load(text.c_str(), loaded->prompter);
    return loaded;
}

class DatabaseLoader : public testing::Test {
protected:
    test::ScopedClock m_clock{2024, 3, 10, 15, 30};
};

// Elements reuse one record, so values an element leaves out come from the one before;
// flags need exactly "1"; numbers and dates read like atol; only versions 1 and 13 (from
// child elements) are read; names are exact; parse errors are reported and map nothing.
TEST_F(DatabaseLoader, FilesGiveTheRecordsOfTheGoldenFile)
{
    std::string out;
    for (const test::TextCase& c : test::ReadCases(test::DataPath("loader/loader-cases.txt"))) {
        const auto l = Load(c.body);
        out += "== " + c.title + "\n  loaded " + std::to_string(l->ok) + "\n";
        for (const auto& m : l->prompter.Messages()) {
            out += "  message " + m.text + " | " + m.caption + " | " +
                   std::to_string(static_cast<int>(m.buttons)) + " " +
                   std::to_string(static_cast<int>(m.icon)) + "\n";
        }
        out += test::RecordsText(l->db);
    }
    test::ExpectGolden(out, "loader/loader-cases.expected");
}

TEST_F(DatabaseLoader, AMissingLastIdKeepsTheCounter)
{
    PimDatabase db;
    db.Tasks().SetLastID(5);
    db.Persons().SetLastID(8);
    ScriptedPrompter prompter;
    const std::string text = File(
        "<Tasks><Task ID=\"2\"/></Tasks>"
        "<Persons LastID=\"1\" LastID=\"3\"></Persons>");
    ASSERT_TRUE(db.Load(text.c_str(), prompter));
    EXPECT_EQ(db.Tasks().LastID(), 5);    // smaller than nothing, larger than the ID: kept
    EXPECT_EQ(db.Persons().LastID(), 3);  // the last of several
    EXPECT_EQ(db.Tasks().Count(), 1u);
}

TEST_F(DatabaseLoader, TheTextEndsAtItsFirstZeroByte)
{
    std::string text = File("<Tasks><Task ID=\"1\"/></Tasks>");
    const std::string whole = text;
    text.insert(text.find("<Tasks>"), std::string(1, '\0'));
    const auto broken = Load(text);
    EXPECT_FALSE(broken->ok);
    EXPECT_EQ(broken->prompter.Messages().at(0).text, "Parsing error at line 3");
    EXPECT_TRUE(Load(whole + std::string(1, '\0') + "garbage")->ok);
}

TEST(ParseFileNumber, ReadsAsAtolDoes)
{
    const std::pair<std::string_view, int32_t> cases[] = {
        {" \t\n\v\f\r42", 42}, {"-7x", -7}, {"+13", 13}, {"x1", 0}, {"", 0},
        {"4294967297", 1},  // wraps at 32 bits
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseFileNumber(text), value) << text;
    }
}

}  // namespace
}  // namespace orvane

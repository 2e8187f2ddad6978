#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "storage/SimpleXMLParser.h"
#include "storage/StorageTestSupport.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace SimpleXMLParser;

// Bytes outside printable ASCII, quotes and backslashes as \xNN.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        const bool plain = c >= 32 && c < 127 && c != '"' && c != '\\';
        out += plain ? std::string(1, static_cast<char>(c)) : hex;
    }
    return out + "\"";
}

void Dump(const Node& node, const std::string& indent, std::string& out)
{
    if (node.Name == "!") {
        out += indent + "comment " + Quoted(node.Text) + "\n";
        return;
    }
    out += indent + "element " + node.Name + "\n";
    if (const auto* attributes = node.GetAttributes()) {
        for (const Attribute& a : *attributes) {
            out += indent + "  @" + a.Name + "=" + Quoted(a.Value) + "\n";
        }
    }
    if (!node.Text.empty()) {
        out += indent + "  text " + Quoted(node.Text) + "\n";
    }
    if (const auto* children = node.GetChildren()) {
        for (const auto& child : *children) {
            Dump(*child, indent + "  ", out);
        }
    }
}

std::vector<fs::path> FilesIn(const std::string& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(test::DataPath(folder))) {
        if (entry.path().extension() == ".xml") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(SimpleXMLParser, ValidFilesGiveTheirTrees)
{
    const auto files = FilesIn("xml/valid");
    ASSERT_GE(files.size(), 15u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::string text = test::ReadFileBytes(file);
        fs::path treeFile = file;
        treeFile.replace_extension(".tree");
        Parser parser;
        try {
            const auto root = parser.Parse(text.data(), text.size());
            std::string tree = "version " + parser.Version + "\n";
            Dump(*root, "", tree);
            EXPECT_EQ(tree, test::ReadFileBytes(treeFile));
        } catch (const Exception& error) {
            ADD_FAILURE() << "error at line " << error.Line << " column " << error.Column;
        }
    }
}

// The expected line is part of each file's name: "<what>.line<N>.xml".
TEST(SimpleXMLParser, BrokenFilesFailOnTheirLine)
{
    const auto files = FilesIn("xml/broken");
    ASSERT_GE(files.size(), 30u);
    const std::regex pattern(R"(.*\.line(\d+)\.xml)");
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::smatch match;
        const std::string name = file.filename().string();
        ASSERT_TRUE(std::regex_match(name, match, pattern));
        const std::string text = test::ReadFileBytes(file);
        Parser parser;
        try {
            parser.Parse(text.data(), text.size());
            ADD_FAILURE() << "parsed without an error";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Line, std::stoi(match[1]));
            EXPECT_EQ(parser.Line, error.Line);
        }
    }
}

Exception ErrorOf(const std::string& text)
{
    Parser parser;
    try {
        parser.Parse(text.data(), text.size());
    } catch (const Exception& error) {
        return error;
    }
    ADD_FAILURE() << "no error for " << text;
    return Exception(0, 0);
}

TEST(SimpleXMLParser, ColumnsCountCharactersAfterTheLastLineFeed)
{
    struct Case {
        const char* text;
        int line;
        int column;
    };
    const Case cases[] = {
        {"", 1, 1},
        {"<a>&bad;</a>", 1, 9},       // the character after the name was read
        {"<a>\n  <b></c>", 2, 10},    // the wrong end-tag name and the ">" after it
        {"<a>\r\n<b x=1/>", 2, 7},    // the carriage return is no character
        {"<a>\r\r&bad;</a>", 1, 10},  // a second carriage return is one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Exception error = ErrorOf(c.text);
        EXPECT_EQ(error.Line, c.line);
        EXPECT_EQ(error.Column, c.column);
    }
}

TEST(SimpleXMLParser, FindChildSeesElementsOnly)
{
    const std::string text = "<r k=\"v\"><a i=\"0\"/><b/><!--note--><a i=\"1\"/>x</r>";
    Parser parser;
    const auto root = parser.Parse(text.data(), text.size());
    EXPECT_EQ(root->FindChild("a", 1).GetAttributes()->at(0).Value, "1");
    EXPECT_TRUE(root->FindChild("a", 2).IsNull());
    EXPECT_TRUE(root->FindChild("!", 0).IsNull());  // comments are no child elements
    EXPECT_EQ(&root->FindChild("b", 0).FindChild("x", 0), &NullNode::Instance());
    EXPECT_EQ(root->FindChild("b", 0).GetChildren(), nullptr);
    EXPECT_EQ(root->FindChild("b", 0).GetAttributes(), nullptr);
    EXPECT_EQ(root->GetChildren()->at(2)->Text, "note");
    Comment lonely;
    EXPECT_FALSE(lonely.AddChild(std::make_unique<Comment>()));
}

TEST(SimpleXMLParser, NestingIsBoundedAndDeepTreesAreDestroyedWithoutRecursion)
{
    std::string text;
    for (int i = 0; i < Parser::kMaxDepth; ++i) {
        text = "<a>" + text + "</a>";
    }
    Parser parser;
    EXPECT_NO_THROW(parser.Parse(text.data(), text.size()));
    text = "<a>" + text + "</a>";
    EXPECT_THROW(parser.Parse(text.data(), text.size()), Exception);

    // Far deeper than any parse produces: a recursive destructor would overflow the stack.
    auto root = std::make_unique<Element>();
    Element* leaf = root.get();
    for (int i = 0; i < 1'000'000; ++i) {
        auto child = std::make_unique<Element>();
        Element* next = child.get();
        leaf->AddChild(std::move(child));
        leaf = next;
    }
    root.reset();
}

TEST(SimpleXMLParser, LengthLimitsTheInput)
{
    const std::string text = "<a/>trailing";
    Parser parser;
    EXPECT_THROW(parser.Parse(text.data(), 3), Exception);  // "<a/" only
    EXPECT_EQ(parser.Parse(text.data(), 4)->Name, "a");
}

}  // namespace
}  // namespace orvane

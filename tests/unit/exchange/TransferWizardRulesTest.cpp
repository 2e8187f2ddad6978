#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "exchange/TransferWizardRules.h"
#include "support/Golden.h"

namespace orvane::test {
namespace {

using Rules = TransferWizardRules;

TEST(TransferWizardRulesTest, FilePageNeedsANameAndImportNeedsAReadableFile)
{
    ScratchFolder dir;
    WriteFileBytes(dir.File("people.csv"), "  \"First\",\"Last\"  \r\nAnn,Lee\n");
    WriteFileBytes(dir.File("empty.csv"), "");
    std::filesystem::create_directory(dir.File("folder.csv"));
    struct Case {
        std::string path;
        bool importing;
        const char* message;  // nullptr: the page may be left
        const char* caption;
        const char* firstLine;
    } cases[] = {
        {"", true, "You must enter a file name", "Enter File Name", ""},
        {"", false, "You must enter a file name", "Enter File Name", ""},
        {dir.File("missing.csv"), true, "Unable to open file", "File Error", ""},
        {dir.File("folder.csv"), true, "Unable to open file", "File Error", ""},
        // Exporting never reads the file, so a new name is fine.
        {dir.File("missing.csv"), false, nullptr, nullptr, ""},
        {dir.File("people.csv"), true, nullptr, nullptr, "\"First\",\"Last\""},
        {dir.File("empty.csv"), true, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + (c.importing ? " import" : " export"));
        TransferSettings settings;
        const auto notice = Rules::AcceptFile(settings, c.path, c.importing);
        if (c.message) {
            ASSERT_TRUE(notice);
            EXPECT_EQ(notice->text, c.message);
            EXPECT_EQ(notice->caption, c.caption);
            EXPECT_EQ(notice->icon, MessageIcon::Information);
        } else {
            EXPECT_FALSE(notice);
            EXPECT_EQ(settings.fileName, c.path);
        }
        EXPECT_EQ(settings.firstLine, c.firstLine);
    }
}

TEST(TransferWizardRulesTest, StructurePageTakesTheSelectedEntries)
{
    struct Case {
        int separatorRow;
        int encloserRow;
        bool passes;
        const char* separator;
        const char* encloser;
    } cases[] = {
        {0, 0, true, ",", "\""}, {1, 1, true, ";", "'"},   {2, 2, true, "|", ""},
        {3, 0, true, " ", "\""}, {4, 0, true, "\t", "\""}, {-1, 0, false, "", ""},
        {0, -1, false, "", ""},  {5, 0, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.separatorRow) + "/" + std::to_string(c.encloserRow));
        TransferSettings settings;
        settings.separator = settings.encloser = "";
        const auto notice = Rules::AcceptFormat(settings, c.separatorRow, c.encloserRow, false);
        EXPECT_EQ(!notice, c.passes);
        if (notice) {
            EXPECT_EQ(notice->text,
                      "You must select both a character that encloses each text field and one "
                      "that separates each field.");
            EXPECT_EQ(notice->caption, "Choose Formatting Characters");
        }
        EXPECT_EQ(settings.separator, c.separator);
        EXPECT_EQ(settings.encloser, c.encloser);
        EXPECT_EQ(settings.firstLineHasNames, !c.passes);
    }
}

// The popup number of each control the wizard numbers, its buttons included.
TEST(TransferWizardRulesTest, PopupTopicsMatchTheGoldenFile)
{
    std::string out;
    for (int id = 0; id <= 13000; ++id) {
        if (const int topic = Rules::PopupTopic(id)) {
            out += std::to_string(id) + " " + std::to_string(topic) + "\n";
        }
    }
    ExpectGolden(out, "help/wizard-topics.txt");
}

}  // namespace
}  // namespace orvane::test

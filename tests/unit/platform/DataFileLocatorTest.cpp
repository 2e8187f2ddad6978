#include "platform/DataFileLocator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A throw-away tree: <root>/build (a build folder), <root>/usr/bin and <root>/usr/share/orvane
// (an installed tree), <root>/prefix/share/orvane (the configured prefix).
class DataFileLocatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root =
            fs::temp_directory_path() /
            ("orvane-locator-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        for (const char* dir :
             {"build", "usr/bin", "usr/share/orvane/html", "prefix/share/orvane/html"}) {
            fs::create_directories(m_root / dir);
        }
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Touch(const std::string& relative) { std::ofstream(m_root / relative) << "x"; }
    std::string Path(const std::string& relative) const { return (m_root / relative).string(); }

    fs::path m_root;
};

TEST_F(DataFileLocatorTest, SearchesProgramFolderThenItsShareThenThePrefix)
{
    struct Case {
        const char* title;
        std::vector<std::string> files;
        std::string programDir;
        std::string file;
        std::string expected;  // relative to the root; empty: not found
    };
    const std::vector<Case> cases = {
        {"beside the program wins",
         {"usr/bin/beep.wav", "usr/share/orvane/beep.wav"},
         "usr/bin",
         "beep.wav",
         "usr/bin/beep.wav"},
        {"installed tree",
         {"usr/share/orvane/beep.wav", "prefix/share/orvane/beep.wav"},
         "usr/bin",
         "beep.wav",
         "usr/share/orvane/beep.wav"},
        {"configured prefix last",
         {"prefix/share/orvane/beep.wav"},
         "build",
         "beep.wav",
         "prefix/share/orvane/beep.wav"},
        {"nowhere", {"usr/share/orvane/other.wav"}, "build", "beep.wav", ""},
        {"a folder is not a file", {}, "usr/share", "orvane", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        fs::remove_all(m_root);
        SetUp();
        for (const std::string& file : c.files) {
            Touch(file);
        }
        const DataFileLocator locator(Path(c.programDir), Path("prefix/share/orvane"));
        EXPECT_EQ(locator.Locate(c.file), c.expected.empty() ? "" : Path(c.expected));
    }
}

TEST_F(DataFileLocatorTest, FindsTheFolderOfANestedPage)
{
    Touch("prefix/share/orvane/html/Introduction.htm");
    const DataFileLocator locator(Path("usr/bin"), Path("prefix/share/orvane"));
    EXPECT_EQ(locator.FolderOf("html/Introduction.htm"), Path("prefix/share/orvane"));
    EXPECT_EQ(locator.Locate("html/Introduction.htm"),
              Path("prefix/share/orvane/html/Introduction.htm"));
    EXPECT_EQ(locator.FolderOf(""), "");
}

TEST_F(DataFileLocatorTest, SearchPathHasNoDuplicatesOrEmptyEntries)
{
    const DataFileLocator same(Path("usr/bin"), Path("usr/bin/../share/orvane"));
    EXPECT_EQ(same.SearchPath(),
              (std::vector<std::string>{Path("usr/bin"), Path("usr/share/orvane")}));
    const DataFileLocator none("", "");
    EXPECT_TRUE(none.SearchPath().empty());
    EXPECT_EQ(none.Locate("beep.wav"), "");
}

TEST(DataFileLocatorConfiguration, PrefixEndsInTheProgramsShareFolder)
{
    const std::string dir = DataFileLocator::ConfiguredDataDir();
    ASSERT_GE(dir.size(), std::string("/share/orvane").size());
    EXPECT_EQ(dir.substr(dir.size() - 13), "/share/orvane");
}

}  // namespace
}  // namespace orvane

#include "platform/DataFileLocator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "storage/StorageTestSupport.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A throw-away tree: build (a build folder), usr/bin and usr/share/orvane (an installed
// tree), prefix/share/orvane (the configured prefix).
fs::path MakeTree(const fs::path& root, const std::vector<std::string>& files)
{
    for (const char* dir :
         {"build", "usr/bin", "usr/share/orvane/html", "prefix/share/orvane/html"}) {
        fs::create_directories(root / dir);
    }
    for (const std::string& file : files) {
        std::ofstream(root / file) << "x";
    }
    return root;
}

TEST(DataFileLocator, SearchesProgramFolderThenItsShareThenThePrefix)
{
    struct Case {
        const char* title;
        std::vector<std::string> files;
        std::string programDir, file;
        std::string expected;  // relative to the root; empty: not found
    };
    const Case cases[] = {
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
        {"a nested page",
         {"prefix/share/orvane/html/Introduction.htm"},
         "usr/bin",
         "html/Introduction.htm",
         "prefix/share/orvane/html/Introduction.htm"},
    };
    test::ScratchFolder scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const fs::path root = MakeTree(scratch / c.title, c.files);
        const DataFileLocator locator(root / c.programDir, root / "prefix/share/orvane");
        EXPECT_EQ(locator.Locate(c.file), c.expected.empty() ? "" : (root / c.expected).string());
    }
}

TEST(DataFileLocator, FolderOfAndASearchPathWithoutDuplicates)
{
    test::ScratchFolder scratch;
    const fs::path root = MakeTree(scratch.Path(), {"prefix/share/orvane/html/Introduction.htm"});
    const DataFileLocator locator(root / "usr/bin", root / "prefix/share/orvane");
    EXPECT_EQ(locator.FolderOf("html/Introduction.htm"), root / "prefix/share/orvane");
    EXPECT_EQ(locator.FolderOf(""), "");

    const DataFileLocator same(root / "usr/bin", root / "usr/bin/../share/orvane");
    EXPECT_EQ(same.SearchPath(),
              (std::vector<std::string>{root / "usr/bin", root / "usr/share/orvane"}));
    const DataFileLocator none("", "");
    EXPECT_TRUE(none.SearchPath().empty());
    EXPECT_EQ(none.Locate("beep.wav"), "");
}

}  // namespace
}  // namespace orvane

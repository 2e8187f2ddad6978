#include "platform/DataFileLocator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sstream>

#include "storage/StorageTestSupport.h"
#include "support/Golden.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A throw-away tree of the folders the search looks in.
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
    test::ScratchFolder scratch;
    for (const auto& row : test::RowsOf("platform/data-file-search.txt")) {
        SCOPED_TRACE(row[0]);
        std::vector<std::string> files;
        std::istringstream list(row[1]);
        for (std::string file; std::getline(list, file, ',');) {
            files.push_back(file);
        }
        const fs::path root = MakeTree(scratch / row[0], files);
        const DataFileLocator locator(root / row[2], root / "prefix/share/orvane");
        EXPECT_EQ(locator.Locate(row[3]), row[4].empty() ? "" : (root / row[4]).string());
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

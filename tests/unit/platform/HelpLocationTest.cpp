#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/HelpAddress.h"
#include "platform/HelpLocation.h"
#include "platform/HelpPages.h"
#include "platform/ProgramDirectory.h"
#include "storage/StorageTestSupport.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(HelpLocationTest, AddressesOfAProgramDirectoryWithSpacesParseBack)
{
    struct Case {
        std::string address;
        std::string directory, page, window;
    };
    const std::string dir = "/opt/My Programs/Orvane 1.4";
    const Case cases[] = {
        {HelpAddress::Topic(dir, "apptbook.htm"), dir, "html/apptbook.htm", "topic"},
        {HelpAddress::Contents(dir), dir, "html/Introduction.htm", "mainwin"},
        {HelpAddress::File(dir), dir, "", ""},
        {"C:\\Prog\\Orvane.chm::/html/x.htm>topic", "C:\\Prog", "html/x.htm", "topic"},
    };
    EXPECT_EQ(cases[0].address, dir + "\\Orvane.chm::/html/apptbook.htm>topic");
    EXPECT_EQ(cases[1].address, dir + "\\Orvane.chm::/html/Introduction.htm>mainwin");
    EXPECT_EQ(cases[2].address, dir + "\\Orvane.chm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const auto parts = HelpLocation::Parse(c.address);
        ASSERT_TRUE(parts);
        EXPECT_EQ(parts->directory + "|" + parts->file + "|" + parts->page + "|" + parts->window,
                  c.directory + "|Orvane.chm|" + c.page + "|" + c.window);
    }
    for (const char* address : {"", "Orvane.chm", "/opt/\\", "/opt\\Orvane.chm::/../etc/passwd>t",
                                "/opt\\Orvane.chm::/>topic"}) {
        EXPECT_FALSE(HelpLocation::Parse(address)) << address;
    }
}

TEST(ProgramDirectoryTest, FolderOfTheExecutableAndFilesBesideIt)
{
    EXPECT_EQ(ProgramDirectory::FromExecutable("/opt/a b/orvane"), "/opt/a b");
    EXPECT_EQ(ProgramDirectory::FromExecutable("/orvane"), "/");
    EXPECT_EQ(ProgramDirectory::FromExecutable("orvane"), "");
    const std::string current = ProgramDirectory::Current();
    EXPECT_TRUE(fs::is_directory(current));
    EXPECT_NE(current.back(), '/');
    EXPECT_EQ(ProgramDirectory::Beside("/opt/o", "beep.wav"), "/opt/o/beep.wav");
    EXPECT_EQ(ProgramDirectory::Beside("/", "beep.wav"), "/beep.wav");
    EXPECT_EQ(ProgramDirectory::Beside("/opt/o", "/home/me/a.wav"), "/home/me/a.wav");
}

// "my program" stands for the program's folder, "my share" for the installed one.
class HelpPagesTest : public ::testing::Test {
protected:
    HelpPagesTest()
    {
        fs::create_directories(m_folder / "my program/html");
        fs::create_directories(m_folder / "my share/html");
    }
    void Write(const std::string& page) { std::ofstream(m_folder / page) << "<p>page</p>"; }
    std::string Dir(const char* name) const { return m_folder / name; }

    test::ScratchFolder m_folder;
};

TEST_F(HelpPagesTest, PagesBesideTheProgramComeFirst)
{
    Write("my program/html/Introduction.htm");
    Write("my program/html/calendar.htm");
    Write("my share/html/calendar.htm");
    Write("my share/html/tasklist.htm");
    HelpPages pages({Dir("my share")});
    EXPECT_EQ(pages.Resolve(HelpAddress::Topic(Dir("my program"), "calendar.htm")),
              Dir("my program") + "/html/calendar.htm");
    EXPECT_EQ(pages.Resolve(HelpAddress::Topic(Dir("my program"), "tasklist.htm")),
              Dir("my share") + "/html/tasklist.htm");
    EXPECT_FALSE(pages.Resolve(HelpAddress::Topic(Dir("my program"), "missing.htm")));
    EXPECT_FALSE(pages.Resolve(HelpAddress::File(Dir("my program"))));
    EXPECT_FALSE(pages.LoadFailed()) << "a missing page is not a missing help";
}

TEST_F(HelpPagesTest, NoHelpAtFirstUseIsNotLookedForAgain)
{
    HelpPages pages({Dir("my share")});
    const std::string address = HelpAddress::Contents(Dir("my program"));
    EXPECT_FALSE(pages.Resolve(address));
    EXPECT_TRUE(pages.LoadFailed());
    Write("my program/html/Introduction.htm");
    EXPECT_FALSE(pages.Resolve(address));
    EXPECT_TRUE(HelpPages({Dir("my share")}).Resolve(address)) << "there for a new viewer";
}

}  // namespace
}  // namespace orvane

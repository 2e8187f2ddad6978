#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/HelpAddress.h"
#include "platform/HelpLocation.h"
#include "platform/HelpPages.h"
#include "platform/ProgramDirectory.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(HelpAddressTest, FormedFromTheProgramDirectoryWithSpaces)
{
    const std::string dir = "/opt/My Programs/Orvane 1.4";
    EXPECT_EQ(HelpAddress::Topic(dir, "calendar.htm"),
              "/opt/My Programs/Orvane 1.4\\Orvane.chm::/html/calendar.htm>topic");
    EXPECT_EQ(HelpAddress::Contents(dir),
              "/opt/My Programs/Orvane 1.4\\Orvane.chm::/html/Introduction.htm>mainwin");
    EXPECT_EQ(HelpAddress::File(dir), "/opt/My Programs/Orvane 1.4\\Orvane.chm");
}

TEST(HelpLocationTest, ParsesEachAddressForm)
{
    struct Case {
        std::string address;
        std::string directory, file, page, window;
    };
    const std::string dir = "/opt/My Programs/Orvane 1.4";
    const Case cases[] = {
        {HelpAddress::Topic(dir, "apptbook.htm"), dir, "Orvane.chm", "html/apptbook.htm", "topic"},
        {HelpAddress::Contents(dir), dir, "Orvane.chm", "html/Introduction.htm", "mainwin"},
        {HelpAddress::File(dir), dir, "Orvane.chm", "", ""},
        {"C:\\Prog\\Orvane.chm::/html/x.htm>topic", "C:\\Prog", "Orvane.chm", "html/x.htm",
         "topic"},
    };
    for (const Case& c : cases) {
        const auto parts = HelpLocation::Parse(c.address);
        ASSERT_TRUE(parts) << c.address;
        EXPECT_EQ(parts->directory, c.directory) << c.address;
        EXPECT_EQ(parts->file, c.file) << c.address;
        EXPECT_EQ(parts->page, c.page) << c.address;
        EXPECT_EQ(parts->window, c.window) << c.address;
    }
}

TEST(HelpLocationTest, RejectsWhatIsNotAHelpAddress)
{
    for (const char* address : {"", "Orvane.chm", "/opt/\\", "/opt\\Orvane.chm::/../etc/passwd>t",
                                "/opt\\Orvane.chm::/>topic"}) {
        EXPECT_FALSE(HelpLocation::Parse(address)) << address;
    }
}

TEST(ProgramDirectoryTest, FolderOfTheExecutable)
{
    EXPECT_EQ(ProgramDirectory::FromExecutable("/opt/a b/orvane"), "/opt/a b");
    EXPECT_EQ(ProgramDirectory::FromExecutable("/orvane"), "/");
    EXPECT_EQ(ProgramDirectory::FromExecutable("orvane"), "");
    const std::string current = ProgramDirectory::Current();
    ASSERT_FALSE(current.empty());
    EXPECT_TRUE(fs::is_directory(current));
    EXPECT_NE(current.back(), '/');
}

TEST(ProgramDirectoryTest, BareNamesLieBesideTheProgram)
{
    EXPECT_EQ(ProgramDirectory::Beside("/opt/o", "beep.wav"), "/opt/o/beep.wav");
    EXPECT_EQ(ProgramDirectory::Beside("/", "beep.wav"), "/beep.wav");
    EXPECT_EQ(ProgramDirectory::Beside("/opt/o", "/home/me/a.wav"), "/home/me/a.wav");
}

class HelpPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("orvane help " + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "beside" / "html");
        fs::create_directories(m_root / "installed" / "html");
    }
    void TearDown() override { fs::remove_all(m_root); }
    void Write(const fs::path& file) { std::ofstream(file) << "<p>page</p>"; }
    std::string Dir(const char* name) const { return (m_root / name).string(); }

    fs::path m_root;
};

TEST_F(HelpPagesTest, PagesBesideTheProgramComeFirst)
{
    Write(m_root / "beside/html/Introduction.htm");
    Write(m_root / "beside/html/calendar.htm");
    Write(m_root / "installed/html/calendar.htm");
    Write(m_root / "installed/html/tasklist.htm");
    HelpPages pages({Dir("installed")});
    EXPECT_EQ(pages.Resolve(HelpAddress::Topic(Dir("beside"), "calendar.htm")),
              (m_root / "beside/html/calendar.htm").string());
    EXPECT_EQ(pages.Resolve(HelpAddress::Topic(Dir("beside"), "tasklist.htm")),
              (m_root / "installed/html/tasklist.htm").string());
    EXPECT_FALSE(pages.Resolve(HelpAddress::Topic(Dir("beside"), "missing.htm")));
    EXPECT_FALSE(pages.Resolve(HelpAddress::File(Dir("beside"))));
    EXPECT_FALSE(pages.LoadFailed()) << "a missing page is not a missing help";
}

TEST_F(HelpPagesTest, NoHelpAtFirstUseIsNotLookedForAgain)
{
    HelpPages pages({Dir("installed")});
    const std::string address = HelpAddress::Contents(Dir("beside"));
    EXPECT_FALSE(pages.Resolve(address));
    EXPECT_TRUE(pages.LoadFailed());
    Write(m_root / "beside/html/Introduction.htm");
    EXPECT_FALSE(pages.Resolve(address));

    HelpPages fresh({Dir("installed")});
    EXPECT_TRUE(fresh.Resolve(address)) << "the page is there for a new viewer";
}

}  // namespace
}  // namespace orvane

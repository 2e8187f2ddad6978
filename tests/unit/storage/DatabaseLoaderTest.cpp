#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "storage/StorageTestSupport.h"
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

// One record per collection is reused from element to element, so that values an element
// leaves out come from the one before, even from a duplicate that is then dropped.
TEST_F(DatabaseLoader, ElementsReuseOneRecordAndDuplicatesAreDropped)
{
    const auto l =
        Load(File("<Persons LastID=\"7\">"
                  "<Person ID=\"6\" FName=\"Ann\" LName=\"Lee\" WhitePages=\"1\" UID=\"u6\"/>"
                  "<Person FName=\"Bob\" LName=\"Roe\"/>"  // repeats ID 6: dropped
                  "<Person ID=\"7\" FName=\"Cy\"/>"
                  "</Persons>"));
    ASSERT_TRUE(l->ok);
    ASSERT_EQ(l->db.Persons().Count(), 2u);
    EXPECT_EQ(l->db.Persons().Find(6)->FName, "Ann");
    const Person& cy = *l->db.Persons().Find(7);
    EXPECT_EQ(cy.FName + " " + cy.LName, "Cy Roe");
    EXPECT_EQ(cy.WhitePages, 1);
    EXPECT_EQ(l->db.Persons().Find(6)->UID, "u6");
    EXPECT_EQ(cy.UID, "") << "an item's UID belongs to its own record";
    EXPECT_EQ(l->db.Persons().LastID(), 7);
}

TEST_F(DatabaseLoader, FlagsNeedExactlyOne)
{
    struct Case {
        const char* value;
        int number;
    };
    const Case cases[] = {{"1", 1},  {"true", 0}, {"01", 0}, {" 1", 0},
                          {"1 ", 0}, {"", 0},     {"2", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string v = c.value;
        const auto l =
            Load(File("<Persons><Person ID=\"1\" WhitePages=\"" + v + "\" YellowPages=\"" + v +
                      "\"/></Persons><Appointments><Appointment ID=\"1\" Alarm=\"" + v +
                      "\" Done=\"" + v + "\"/></Appointments>"));
        EXPECT_EQ(l->db.Persons().Find(1)->WhitePages, c.number);
        EXPECT_EQ(l->db.Persons().Find(1)->YellowPages, c.number);
        EXPECT_EQ(l->db.Appointments().Find(1)->Alarm, c.number == 1);
        EXPECT_EQ(l->db.Appointments().Find(1)->Done, c.number == 1);
    }
}

TEST_F(DatabaseLoader, NumbersAndDatesReadLikeAtol)
{
    struct Case {
        const char* value;
        int32_t number;
    };
    const Case cases[] = {
        {"42", 42},   {"  -7", -7},      {"+13x", 13},
        {"abc", 0},   {"", 0},           {"\t\n 5", 5},
        {"- 5", 0},   {"4294967297", 1}, {"2147483648", -2147483647 - 1},
        {"0012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string v = c.value;
        const auto l = Load(File("<Tasks LastID=\"" + v + "\"><Task ID=\"" + v + "\" Priority=\"" +
                                 v + "\" DueDate=\"" + v + "\"/></Tasks>"));
        ASSERT_EQ(l->db.Tasks().Count(), 1u);
        const Task& task = l->db.Tasks().begin()->second;
        EXPECT_EQ(task.ID, c.number);
        EXPECT_EQ(task.Priority, c.number);
        EXPECT_EQ(l->db.Tasks().LastID(), c.number);
        EXPECT_EQ(task.DueDate, PimDateTime::FromTimeValue(c.number));
    }
    // Negative time values are invalid dates; "abc" is the 1970 epoch in local time.
    const auto l = Load(File("<Tasks><Task ID=\"1\" DueDate=\"-1\" DoneDate=\"abc\"/></Tasks>"));
    EXPECT_FALSE(l->db.Tasks().Find(1)->DueDate.IsValid());
    EXPECT_EQ(l->db.Tasks().Find(1)->DoneDate, At(1969, 12, 31, 19));
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

TEST_F(DatabaseLoader, OnlyVersionsOneAndThirteenAreRead)
{
    const std::string body = "<Tasks LastID=\"1\"><Task ID=\"1\"/></Tasks><User FName=\"A\"/>";
    struct Case {
        std::string text;
        size_t tasks;
    };
    const Case cases[] = {
        {File(body, "2"), 0},
        {File(body, "0"), 0},
        {File(body, "1.9"), 1},                                      // atol reads 1
        {"<Pim>" + body + "</Pim>", 0},                              // no version
        {"<Pim Version=\"2\" Version=\"1\">" + body + "</Pim>", 1},  // the last one counts
        {"<pim Version=\"1\">" + body + "</pim>", 0},                // the root name is exact
        {"<Pim Version=\"1\"/>", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto l = Load(c.text);
        EXPECT_TRUE(l->ok);
        EXPECT_TRUE(l->prompter.Messages().empty());
        EXPECT_EQ(l->db.Tasks().Count(), c.tasks);
        EXPECT_EQ(l->db.GetUser().FName, c.tasks ? "A" : "");
    }
}

TEST_F(DatabaseLoader, UserElementsApplyInTurnAndNamesAreExact)
{
    const auto l =
        Load(File("<User FName=\"A\" LName=\"B\" fname=\"x\" Colour=\"red\"/>"
                  "<User LName=\"C\" Zip=\"&lt;1&gt;\"/>"));
    const User& user = l->db.GetUser();
    EXPECT_EQ(user.FName, "A");
    EXPECT_EQ(user.LName, "C");
    EXPECT_EQ(user.Zip, "<1>");
    EXPECT_EQ(user.City, "");
}

TEST_F(DatabaseLoader, CommentsAndBareElementsAmongRecordsAreSkipped)
{
    const auto l =
        Load(File("<Persons><!-- note --><Person/><Person ID=\"4\" FName=\"D\"/>"
                  "<Other ID=\"5\" FName=\"E\"/></Persons><Bogus/><!-- x -->"));
    ASSERT_EQ(l->db.Persons().Count(), 2u);  // any element name carries a record
    EXPECT_EQ(l->db.Persons().Find(5)->FName, "E");
    EXPECT_EQ(l->db.Persons().Find(0), nullptr);
}

TEST_F(DatabaseLoader, VersionThirteenReadsFieldsFromChildElements)
{
    const auto l = Load(test::ReadFileBytes(test::DataPath("loader/version13.pgr")));
    ASSERT_TRUE(l->ok);
    ASSERT_EQ(l->db.Tasks().Count(), 2u);  // the task without field elements is skipped
    const Task& first = *l->db.Tasks().Find(2);
    EXPECT_EQ(first.Description, "Call & write");
    EXPECT_EQ(first.DueDate, At(2024, 3, 10));
    const Task& second = *l->db.Tasks().Find(4);  // the rest repeats the first
    EXPECT_EQ(second.Priority, 1);
    EXPECT_EQ(second.DueDate, At(2024, 3, 10));

    const Person& anna = *l->db.Persons().Find(3);  // the ID element is not read
    EXPECT_EQ(anna.FName, "Anna");                  // the FName attribute is not read
    EXPECT_EQ(anna.Notes, "two\nlines");
    EXPECT_EQ(l->db.Appointments().Find(1)->StartTime, At(2024, 3, 10, 11));
    EXPECT_EQ(l->db.GetUser().LName, "Smith");
}

TEST_F(DatabaseLoader, ParseErrorsAreReportedAndMapNothing)
{
    struct Case {
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"", "Parsing error at line 1"},
        {File("<Tasks LastID=\"1\"><Task ID=\"1\"/></Tasks>").substr(0, 60),
         "Parsing error at line 3"},
        {File("<Persons><Person ID=\"1\"/></Persons>\n<User FName=\"a&b\"/>\n"),
         "Parsing error at line 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto l = Load(c.text);
        EXPECT_FALSE(l->ok);
        ASSERT_EQ(l->prompter.Messages().size(), 1u);
        const auto& m = l->prompter.Messages()[0];
        EXPECT_EQ(m.text + " | " + m.caption, c.message + std::string(" | Error Loading File"));
        EXPECT_TRUE(m.buttons == MessageButtons::Ok && m.icon == MessageIcon::Error);
        EXPECT_TRUE(l->db.Persons().IsEmpty() && l->db.Tasks().IsEmpty());
    }
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

}  // namespace
}  // namespace orvane

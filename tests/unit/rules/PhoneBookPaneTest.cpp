#include "FormFixture.h"
#include "rules/commands/CommandIds.h"
#include "support/Golden.h"

namespace orvane {
namespace {

using test::MakePerson;

class PhoneBookPaneTest : public test::FormFixture {
protected:
    void AddAnnAndBo()
    {
        Db().Persons().Add(MakePerson("Ann", "Lee", "", true, false));
        Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
        Form().RefillAll();
    }
};

// The order of each listing, from tests/data/rules/phone-book-order.txt.
TEST_F(PhoneBookPaneTest, ListingsSortAsTheCaseFileSays)
{
    for (const auto& row : test::RowsOf("rules/phone-book-order.txt")) {
        if (row[0] == "clear") {
            Db().Persons().Clear();
        } else if (row[0] == "person") {
            Db().Persons().Add(MakePerson(row[1], row[2], row[3], row[4] == "1", row[5] == "1"));
        } else {
            Form().RefillAll();
            Form().SetListing(row[0] == "white" ? Listing::WhitePages : Listing::YellowPages);
            std::string expected, shown;
            for (size_t i = 1; i < row.size(); ++i) {
                expected += (i > 1 ? "|" : "") + row[i];
            }
            for (const std::string& rowShown : PhoneRows()) {
                shown += (shown.empty() ? "" : ";") + rowShown;
            }
            EXPECT_EQ(shown, expected) << row[0];
        }
    }
}

TEST_F(PhoneBookPaneTest, DetailsShowTheClickedPersonUntilAListingChange)
{
    Person p = MakePerson("Ann", "Lee", "Co", true, true);
    p.HmPhone = "555-1000";
    p.WkPhone = "555-2000";
    p.WkExt = "42";
    p.Fax = "555-3000";
    p.WebPage = "lee.example";
    Db().Persons().Add(p);
    Person extOnly = MakePerson("Bo", "Moe", "", true, false);
    extOnly.WkExt = "7";
    Db().Persons().Add(extOnly);
    Form().RefillAll();

    Form().ClickPhoneBook(0);
    const auto& d = Form().PhoneBook().Details();
    const std::vector<std::pair<int, std::string>> expected = {
        {1004, "555-1000"},      {1005, "555-2000x42"},   {1006, "Not Available"},
        {1009, "Not Available"}, {1008, "Not Available"}, {1007, "555-3000"},
        {1010, "lee.example"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d[i].controlId, expected[i].first);
        EXPECT_EQ(d[i].text, expected[i].second) << expected[i].first;
        EXPECT_EQ(d[i].enabled, expected[i].second != "Not Available") << expected[i].first;
    }

    // A click below the rows keeps the details; with no row under the pointer, Delete does
    // nothing.
    Form().ClickPhoneBook(-1);
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_EQ(Form().PhoneBook().Details()[0].text, "555-1000");
    EXPECT_EQ(Form().State().person.row, -1);
    Form().HandleCommand(kCmdPersonDelete);
    EXPECT_EQ(Db().Persons().Count(), 2u);

    Form().ClickPhoneBook(1);
    EXPECT_EQ(Form().PhoneBook().Details()[1].text, "Not Available");
    EXPECT_FALSE(Form().PhoneBook().Details()[1].enabled);
    // A listing change clears them.
    Form().SetListing(Listing::YellowPages);
    EXPECT_EQ(Form().PhoneBook().ShownId(), -1);
    EXPECT_EQ(Form().State().person.id, -1);
    EXPECT_FALSE(Form().PhoneBook().Details()[0].enabled);
}

TEST_F(PhoneBookPaneTest, DeleteClearsTheSelectionAndEditWaitsForAClick)
{
    Form().SetEditors(&m_editors);
    AddAnnAndBo();
    Form().ClickPhoneBook(0);
    Form().HandleCommand(kCmdPersonDelete);
    EXPECT_EQ(PhoneRows(), std::vector<std::string>{"Moe, Bo|"});
    EXPECT_EQ(Form().PhoneBook().Details()[0].text, "Not Available");
    Form().HandleCommand(kCmdPersonEdit);
    EXPECT_TRUE(m_editors.calls.empty());
    Form().ClickPhoneBook(0);
    Form().DoubleClickPhoneBook();
    EXPECT_EQ(m_editors.calls, std::vector<std::string>{"EditPerson 2"});
}

TEST_F(PhoneBookPaneTest, ContextMenuPicksTheRowWithoutShowingIt)
{
    AddAnnAndBo();
    Form().ClickPhoneBook(0);
    EXPECT_TRUE(Form().PhoneBook().ContextMenu(1));
    EXPECT_EQ(Form().State().person.id, 2);
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_FALSE(Form().PhoneBook().ContextMenu(-1));
    EXPECT_EQ(Form().State().person.id, 2);
}

}  // namespace
}  // namespace orvane

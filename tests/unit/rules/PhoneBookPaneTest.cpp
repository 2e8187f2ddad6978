#include "FormFixture.h"
#include "rules/commands/CommandIds.h"

namespace orvane {
namespace {

using test::MakePerson;

class PhoneBookPaneTest : public test::FormFixture {};

TEST_F(PhoneBookPaneTest, WhitePagesSortNamesWithoutRegardToCase)
{
    Db().Persons().Add(MakePerson("Zoe", "adams", "", true, false));
    Db().Persons().Add(MakePerson("Bob", "Baker", "", true, false));
    Db().Persons().Add(MakePerson("", "", "Only Co", true, false));
    Db().Persons().Add(MakePerson("Al", "Adams", "", true, false));
    Db().Persons().Add(MakePerson("Yellow", "Only", "Y", false, true));
    Db().Persons().Add(MakePerson("Nobody", "Listed", "N", false, false));
    Db().Persons().Add(MakePerson("", "Castro", "", true, false));
    Form().RefillAll();
    EXPECT_EQ(PhoneRows(), (std::vector<std::string>{"|Only Co", "Adams, Al|", "adams, Zoe|",
                                                     "Baker, Bob|", "Castro|"}));
}

TEST_F(PhoneBookPaneTest, YellowPagesOrderByCompanyBytesThenByName)
{
    Db().Persons().Add(MakePerson("Ann", "Zeta", "acme", false, true));
    Db().Persons().Add(MakePerson("Ben", "Young", "Zenith", false, true));
    Db().Persons().Add(MakePerson("Cy", "Xu", "Acme", false, true));
    Db().Persons().Add(MakePerson("Di", "Ames", "Zenith", true, true));
    Db().Persons().Add(MakePerson("Ed", "White", "Acme", true, false));
    Db().Persons().Add(MakePerson("Flo", "Best", "Acme Ltd", false, true));
    Form().RefillAll();
    Form().SetListing(Listing::YellowPages);
    EXPECT_EQ(PhoneRows(),
              (std::vector<std::string>{"Xu, Cy|Acme", "Best, Flo|Acme Ltd", "Ames, Di|Zenith",
                                        "Young, Ben|Zenith", "Zeta, Ann|acme"}));
    Form().SetListing(Listing::WhitePages);
    EXPECT_EQ(PhoneRows(), (std::vector<std::string>{"Ames, Di|Zenith", "White, Ed|Acme"}));
}

TEST_F(PhoneBookPaneTest, DetailsShowTheClickedPerson)
{
    Person p = MakePerson("Ann", "Lee", "", true, false);
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

    Form().ClickPhoneBook(1);
    EXPECT_EQ(Form().PhoneBook().Details()[1].text, "Not Available");
    EXPECT_FALSE(Form().PhoneBook().Details()[1].enabled);
}

TEST_F(PhoneBookPaneTest, ClickBelowTheRowsKeepsTheDetailsAndAListingChangeClearsThem)
{
    Person p = MakePerson("Ann", "Lee", "Co", true, true);
    p.HmPhone = "1";
    Db().Persons().Add(p);
    Form().RefillAll();
    Form().ClickPhoneBook(0);
    Form().ClickPhoneBook(-1);
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_EQ(Form().PhoneBook().Details()[0].text, "1");
    EXPECT_EQ(Form().State().person.row, -1);
    // With no row under the pointer, Delete does nothing.
    Form().HandleCommand(kCmdPersonDelete);
    EXPECT_EQ(Db().Persons().Count(), 1u);

    Form().SetListing(Listing::YellowPages);
    EXPECT_EQ(Form().PhoneBook().ShownId(), -1);
    EXPECT_EQ(Form().State().person.id, -1);
    EXPECT_FALSE(Form().PhoneBook().Details()[0].enabled);
}

TEST_F(PhoneBookPaneTest, DeleteClearsTheSelectionAndEditWaitsForAClick)
{
    Form().SetEditors(&m_editors);
    Db().Persons().Add(MakePerson("Ann", "Lee", "", true, false));
    Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
    Form().RefillAll();
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
    Db().Persons().Add(MakePerson("Ann", "Lee", "", true, false));
    Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
    Form().RefillAll();
    Form().ClickPhoneBook(0);
    EXPECT_TRUE(Form().PhoneBook().ContextMenu(1));
    EXPECT_EQ(Form().State().person.id, 2);
    EXPECT_EQ(Form().PhoneBook().ShownId(), 1);
    EXPECT_FALSE(Form().PhoneBook().ContextMenu(-1));
    EXPECT_EQ(Form().State().person.id, 2);
}

}  // namespace
}  // namespace orvane

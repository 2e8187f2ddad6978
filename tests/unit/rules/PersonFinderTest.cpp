#include "FormFixture.h"
#include "rules/commands/CommandIds.h"
#include "rules/panes/PersonFinder.h"
#include "rules/panes/SearchFolding.h"
#include "support/Golden.h"

namespace orvane {
namespace {

using test::MakePerson;

TEST(PersonFinderTest, EveryTextOfAPersonWhateverTheCaseAccentsAndPhonePunctuation)
{
    Person p = MakePerson("Zo\xc3\xab", "\xc3\x85ngstr\xc3\xb6m", "M\xc3\xbcller & S\xc3\xb6hne",
                          true, false);       // Zoë Ångström, Müller & Söhne
    p.Position = "Caf\xe9 owner";             // Windows-1252: Café
    p.Addr1 = "\xc3\x98stergade 4";           // Østergade
    p.City = "\xc5\x81\xc3\xb3\x64\xc5\xba";  // Łódź
    p.HmPhone = "(503) 507-4415";
    p.CelPhone = "+49 171 555 0100";
    p.EMail = "zoe@EXAMPLE.com";
    p.Notes = "Meets on Fridays\r\nStra\xc3\x9f\x65 5";  // Straße
    SearchFolding folding;
    const std::string text = PersonFinder::SearchText(p, folding);
    for (const auto& row : test::RowsOf("rules/person-finder.txt")) {
        EXPECT_EQ(PersonFinder(row[0], folding).Matches(text), row[1] == "1") << row[0];
    }
}

class PhoneBookFindTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        Db().Persons().Add(MakePerson("Ann", "Lee", "Zenith", true, true));
        Db().Persons().Add(MakePerson("Bo", "Moe", "Acme", true, true));
        Db().Persons().Add(MakePerson("Cy", "Lee", "Acme", true, false));
        Db().Persons().Add(MakePerson("Di", "Ames", "Bolt", true, true));
        m_document.SetModified(false, true);
    }
};

TEST_F(PhoneBookFindTest, FindNarrowsEitherListingAndStaysThroughRefills)
{
    Form().FindPersons("lee");
    EXPECT_EQ(PhoneRows(), (std::vector<std::string>{"Lee, Ann|Zenith", "Lee, Cy|Acme"}));
    unsigned seen = 0;
    Form().SetListener([&seen](unsigned changes) { seen |= changes; });
    Form().FindPersons("lee");  // the same text again: nothing to redraw
    EXPECT_EQ(seen, 0u);
    Form().SetListing(Listing::YellowPages);
    EXPECT_EQ(PhoneRows(), std::vector<std::string>{"Lee, Ann|Zenith"});
    Form().FindPersons("");
    EXPECT_EQ(PhoneRows(),
              (std::vector<std::string>{"Moe, Bo|Acme", "Ames, Di|Bolt", "Lee, Ann|Zenith"}));
    Form().FindPersons("o");  // by name Ames would come first
    EXPECT_EQ(PhoneRows(), (std::vector<std::string>{"Moe, Bo|Acme", "Ames, Di|Bolt"}));
    Form().SetListing(Listing::WhitePages);
    Form().FindPersons("lee");
    Db().Persons().Add(MakePerson("Eve", "Leeds", "", true, false));
    m_document.SetModified(true, true);
    EXPECT_EQ(Form().PhoneBook().FindText(), "lee");
    EXPECT_EQ(PhoneRows().size(), 3u);
    Form().RevealPerson(5);  // a new or edited person: scrolled to while listed
    EXPECT_EQ(Form().RevealedRow(), 2);
    Form().RevealPerson(2);
    EXPECT_EQ(Form().RevealedRow(), -1);
}

// Each keystroke looks only among the persons found before; none may be lost that way.
TEST_F(PhoneBookFindTest, TypingOnFindsWhatTheWholeTextFinds)
{
    Person dashed = MakePerson("Eve", "Ng", "", true, false);
    dashed.HmPhone = "555-2000";
    Db().Persons().Add(dashed);
    Person bracketed = MakePerson("Flo", "Ode", "", true, false);
    bracketed.CelPhone = "(555) 3000";
    Db().Persons().Add(bracketed);
    m_document.SetModified(false, true);
    for (const std::string query : {"(555", "lee a", "5552", "o e"}) {
        Form().FindPersons("");
        Form().FindPersons(query);
        const std::vector<std::string> atOnce = PhoneRows();
        Form().FindPersons("");
        for (size_t length = 1; length <= query.size(); ++length) {
            Form().FindPersons(query.substr(0, length));
        }
        EXPECT_EQ(PhoneRows(), atOnce) << query;
        EXPECT_FALSE(atOnce.empty()) << query;
    }
}

// The pick follows the row of the selected person while Find still lists them, as a click
// would have picked it there; once Find hides them nobody is picked.
TEST_F(PhoneBookFindTest, SelectionFollowsThePersonOrIsDropped)
{
    Form().SetEditors(&m_editors);
    Form().ClickPhoneBook(2);  // Lee, Cy
    Form().FindPersons("lee");
    EXPECT_EQ(Form().State().person.row, 1);
    EXPECT_EQ(Form().State().person.id, 3);
    Form().HandleCommand(kCmdPersonEdit);
    EXPECT_EQ(m_editors.calls, std::vector<std::string>{"EditPerson 3"});

    Form().FindPersons("ann");
    EXPECT_EQ(Form().State().person.id, -1);
    EXPECT_EQ(Form().PhoneBook().ShownId(), -1);
    Form().HandleCommand(kCmdPersonDelete);
    EXPECT_EQ(Db().Persons().Count(), 4u);
    Form().ClickPhoneBook(0);
    Form().HandleCommand(kCmdPersonDelete);
    EXPECT_EQ(Db().Persons().Find(1), nullptr) << "the only row left was Ann";
}

}  // namespace
}  // namespace orvane

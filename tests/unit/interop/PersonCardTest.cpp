#include <gtest/gtest.h>

#include "data/PimDatabase.h"
#include "interop/PersonCard.h"
#include "interop/VCardImport.h"
#include "interop/VCardReader.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/TestEnvironment.h"

namespace orvane::interop {
namespace {

using test::ReadFileBytes;

TEST(PersonCards, CardsFromOtherProgramsMapAsExpected)
{
    for (const char* name : {"phone-3.0.vcf", "webmail.vcf", "qp-2.1.vcf", "v4.vcf"}) {
        PimDatabase db;
        const auto summary = VCardImport::Run(db, ReadFileBytes(test::DataPath("interop/") / name));
        ASSERT_TRUE(summary) << name;
        test::ExpectGolden(test::RecordsText(db) + summary->Text() + "\n",
                           "interop/" + std::string(name) + ".expected");
    }
}

Person Full()
{
    Person p;
    p.FName = "Zoë";
    p.LName = "O'Brien-Smith";
    p.Company = "Acme, Inc.; Widgets";
    p.Position = "Head of R\\D";
    p.Addr1 = "1 Main St";
    p.Addr2 = "Suite 5";
    p.City = "Springfield";
    p.State = "IL";
    p.Zip = "62701";
    p.HmPhone = "(555) 010-1000";
    p.WkPhone = "(555) 010-2000";
    p.WkExt = "271";
    p.Fax = "(555) 010-3000";
    p.Pager = "(555) 010-4000";
    p.CelPhone = "+1 555 010 5000";
    p.EMail = "zoe@acme.example";
    p.WebPage = "https://acme.example/~zoe?a=1,b=2";
    p.Notes =
        "Line one, with; marks\\ and \"quotes\"\nline two: – ünïcode €, and a long tail "
        "that makes the line fold more than once when it is written out as a card.";
    p.WhitePages = 1;
    p.YellowPages = 1;
    p.UID = "4fbe8971-0bc3-424c-9c26-36c3e1eff6b1";
    return p;
}

TEST(PersonCards, EveryFieldSurvivesARoundTrip)
{
    std::vector<Person> persons(7, Full());
    persons[1] = Person{};
    persons[1].Company = "Company Only";
    persons[1].WkExt = "12";  // an extension without a number
    persons[1].WhitePages = persons[1].YellowPages = 1;
    persons[2].YellowPages = 0;  // a company left out of the Yellow Pages
    persons[3].WhitePages = 0;
    persons[4].Company.clear();  // Yellow Pages without a company
    persons[5].WhitePages = persons[5].YellowPages = 0;
    persons[6].FName.clear();
    persons[6].Notes = "\n\nblank lines\n";
    for (size_t i = 0; i < persons.size(); ++i) {
        persons[i].UID = "uid-" + std::to_string(i);
        persons[i].RName = persons[i].GetDisplayName();
        persons[i].ID = 1;
    }
    for (const VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
        for (const Person& person : persons) {
            std::string card;
            PersonCard::Write(card, person, version);
            PimDatabase db;
            ASSERT_TRUE(VCardImport::Run(db, card));
            ASSERT_EQ(db.Persons().Count(), 1u) << card;
            EXPECT_EQ(db.Persons().begin()->second, person) << card;
        }
    }
}

// The updated cards keep every line of the originals but the ones that changed.
TEST(PersonCards, AnUpdateRewritesOnlyWhatChanged)
{
    const std::string file = ReadFileBytes(test::DataPath("interop/phone-3.0.vcf"));
    VCardReader reader(file);
    VCard card, company;
    ASSERT_TRUE(reader.Next(card) && reader.Next(company));
    const std::string original(card.text);
    Person person = PersonCard::ReadText(original, nullptr)->person;
    EXPECT_EQ(PersonCard::Update(original, person), original);

    person.LName = "Seed";
    person.WkPhone = "555-0000";
    person.WkExt.clear();
    person.Fax.clear();
    person.Notes = "New note";
    person.Position = "Director";
    person.RName = person.GetDisplayName();
    const std::string updated = PersonCard::Update(original, person);
    EXPECT_EQ(PersonCard::ReadText(updated, nullptr)->person, person) << updated;

    // A field the card did not have goes before its end.
    Person dentist = PersonCard::ReadText(company.text, nullptr)->person;
    dentist.EMail = "desk@dental.example";
    test::ExpectGolden(updated + PersonCard::Update(company.text, dentist),
                       "interop/phone-3.0-updated.expected");
}

// Split as read, and the same once written back as "number ext. extension" and read again.
TEST(PersonCards, WorkExtensions)
{
    for (const auto& row : test::RowsOf("interop/work-extensions.txt")) {
        std::string n, e, n2, e2;
        PersonCard::SplitExtension(row[0], n, e);
        EXPECT_EQ(n + "|" + e, row[1] + "|" + row[2]) << row[0];
        PersonCard::SplitExtension(e.empty() ? n : n + " ext. " + e, n2, e2);
        EXPECT_EQ(n2 + "|" + e2, n + "|" + e) << row[0];
    }
}

}  // namespace
}  // namespace orvane::interop

#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "exchange/CText.h"
#include "exchange/DelimitedLineWriter.h"
#include "exchange/FirstLinePreview.h"
#include "exchange/RequiredFieldRule.h"
#include "support/Golden.h"

namespace orvane {
namespace {

TEST(CText, ToLowerChangesOnlyAsciiCapitals)
{
    EXPECT_EQ(CText::ToLower("@AZ[`az{\xC3\x89"), "@az[`az{\xC3\x89");
}

TEST(DelimitedLineWriter, DoublesTheEncloserOnlyWhenAsked)
{
    struct Case {
        std::string encloser;
        bool doubles;
        const char* expected;
    } cases[] = {
        {"'", true, "'Bob ''Bobby'''\n"},
        {"'", false, "'Bob 'Bobby''\n"},
        {"\"", true, "\"Bob 'Bobby'\"\n"},
        {"", true, "Bob 'Bobby'\n"},
    };
    for (const Case& c : cases) {
        DelimitedLineWriter writer(";", c.encloser);
        writer.BeginRecord();
        writer.WriteField("Bob 'Bobby'", c.doubles);
        writer.EndRecord();
        EXPECT_EQ(writer.Text(), c.expected) << c.encloser << c.doubles;
    }
}

TEST(RequiredFieldRule, CountsTheRequiredNamesAmongTheColumns)
{
    for (const auto& row : test::RowsOf("exchange/required-fields.txt")) {
        std::vector<std::string> mapping;
        std::istringstream fields(row[1]);
        for (std::string field; std::getline(fields, field, ',');) {
            mapping.push_back(field == "-" ? "" : field);
        }
        const auto result = RequiredFieldRule::Check(test::KindNamed(row[0]), mapping);
        EXPECT_EQ(result.value_or(""), row[2]) << row[0] << " " << row[1];
    }
}

TEST(FirstLinePreview, CutsALongLineAfter1023Characters)
{
    test::ScratchFolder dir;
    test::WriteFileBytes(dir.File("long.csv"), std::string(1022, 'x') + " yz\n");
    EXPECT_EQ(*FirstLinePreview::Read(dir.File("long.csv")), std::string(1022, 'x'));
    test::WriteFileBytes(dir.File("long2.csv"), std::string(2000, 'y'));
    EXPECT_EQ(FirstLinePreview::Read(dir.File("long2.csv"))->size(), 1023u);
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "exchange/DelimitedLineWriter.h"
#include "exchange/FieldTables.h"
#include "exchange/FirstLinePreview.h"
#include "exchange/RequiredFieldRule.h"
#include "exchange/TextFormat.h"

namespace orvane {
namespace {

TEST(TextFormat, ListsTheChoicesInOrderWithTheirCharacters)
{
    const auto& separators = TextFormat::SeparatorChoices();
    ASSERT_EQ(separators.size(), 5u);
    const char* labels[] = {"Comma(,)", "Semi-colon(;)", "Pipe(|)", "Space", "Tab"};
    const char* values[] = {",", ";", "|", " ", "\t"};
    for (size_t i = 0; i < separators.size(); ++i) {
        EXPECT_EQ(separators[i].label, labels[i]);
        EXPECT_EQ(separators[i].value, values[i]);
    }
    const auto& enclosers = TextFormat::EncloserChoices();
    ASSERT_EQ(enclosers.size(), 3u);
    EXPECT_EQ(enclosers[0].label, "Double Quote(\")");
    EXPECT_EQ(enclosers[0].value, "\"");
    EXPECT_EQ(enclosers[1].label, "Single Quote(')");
    EXPECT_EQ(enclosers[1].value, "'");
    EXPECT_EQ(enclosers[2].label, "Nothing");
    EXPECT_EQ(enclosers[2].value, "");
    const TextFormat preselected;
    EXPECT_EQ(preselected.separator, separators[0].value);
    EXPECT_EQ(preselected.encloser, enclosers[0].value);
    EXPECT_TRUE(preselected.firstLineHasNames);
}

TEST(DelimitedLineWriter, WritesHeadersEnclosedOrBare)
{
    DelimitedLineWriter quoted(",", "'");
    quoted.WriteHeader({"FirstName", "LastName"});
    EXPECT_EQ(quoted.Text(), "'FirstName','LastName'\n");
    DelimitedLineWriter bare("\t", "");
    bare.WriteHeader({"Task", "Priority"});
    EXPECT_EQ(bare.Text(), "Task\tPriority\n");
}

TEST(DelimitedLineWriter, EmptyValuesKeepTheirColumnWithoutEnclosers)
{
    DelimitedLineWriter writer(",", "'");
    const char* lines[][3] = {{"a", "", "c"}, {"", "", "1"}, {"x", "", ""}};
    for (const auto& values : lines) {
        writer.BeginRecord();
        for (const char* value : values) {
            writer.WriteField(value, false);
        }
        writer.EndRecord();
    }
    EXPECT_EQ(writer.Text(), "'a',,'c'\n,,'1'\n'x',,\n");
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

TEST(FieldTables, ExportAndImportTablesDiffer)
{
    const std::vector<std::string> personExport = {
        "FirstName", "LastName",  "Address1",  "Address2",      "City",     "State",
        "ZipCode",   "HomePhone", "WorkPhone", "WorkExtension", "Fax",      "CelPhone",
        "Pager",     "E-Mail",    "WebPage",   "Company",       "Position", "Notes"};
    EXPECT_EQ(FieldTables::ExportNames(RecordKind::Persons), personExport);
    const std::vector<std::string> personImport = {
        "FirstName", "LastName", "Address1",   "Address2",    "City",
        "State",     "ZipCode",  "HomePhone",  "WorkPhone",   "WorkExtension",
        "Fax",       "Pager",    "CelPhone",   "E-Mail",      "WebPage",
        "Company",   "Position", "WhitePages", "YellowPages", "Notes"};
    EXPECT_EQ(FieldTables::ImportNames(RecordKind::Persons), personImport);
    const std::vector<std::string> tasks = {"Task", "DueDate", "Priority"};
    EXPECT_EQ(FieldTables::ExportNames(RecordKind::Tasks), tasks);
    EXPECT_EQ(FieldTables::ImportNames(RecordKind::Tasks), tasks);
    const std::vector<std::string> appointments = {"Appointment", "Date",    "StartTime",
                                                   "EndTime",     "Alarmed", "AlarmTime"};
    EXPECT_EQ(FieldTables::ExportNames(RecordKind::Appointments), appointments);
    EXPECT_EQ(FieldTables::ImportNames(RecordKind::Appointments), appointments);
}

TEST(TransferSettings, CommandsStartWithTheTableAndEmptyMappingEntries)
{
    const TransferSettings importing = TransferSettings::ForImport(RecordKind::Persons);
    EXPECT_EQ(importing.typeName, "Persons");
    EXPECT_EQ(importing.fieldCount, 20);
    EXPECT_EQ(importing.mapping, std::vector<std::string>(20));
    EXPECT_EQ(importing.requiredFields,
              (std::vector<std::string>{"FirstName", "LastName", "Company"}));
    const TransferSettings exporting = TransferSettings::ForExport(RecordKind::Appointments);
    EXPECT_EQ(exporting.typeName, "Appointments");
    EXPECT_EQ(exporting.fieldCount, 6);
    EXPECT_EQ(exporting.mapping.size(), 6u);
    EXPECT_EQ(FieldTables::TypeName(RecordKind::Tasks), "Tasks");
}

TEST(RequiredFieldRule, CountsTheRequiredNamesAmongTheColumns)
{
    const std::string persons =
        "You must include a first name, last name, or company as a field to import.";
    const std::string tasks = "You must include a task as a field to import.";
    const std::string appointments =
        "You must include an appointment, date, start time, and end time as fields to import.";
    struct Case {
        RecordKind kind;
        std::vector<std::string> mapping;
        std::string message;  // empty: passes
    } cases[] = {
        {RecordKind::Persons, {}, persons},
        {RecordKind::Persons, {"", "City", "Address1"}, persons},
        {RecordKind::Persons, {"", "Company"}, ""},
        {RecordKind::Persons, {"LastName", "FirstName", "Company", "Notes"}, ""},
        {RecordKind::Persons, {"firstname"}, persons},  // names compare exactly
        {RecordKind::Tasks, {"DueDate", "Priority"}, tasks},
        {RecordKind::Tasks, {"", "Task", ""}, ""},
        {RecordKind::Tasks, {"Task", "Task"}, tasks},
        {RecordKind::Appointments, {"Appointment", "Date", "StartTime"}, appointments},
        {RecordKind::Appointments, {"EndTime", "", "StartTime", "Date", "Appointment"}, ""},
    };
    for (const Case& c : cases) {
        const auto result = RequiredFieldRule::Check(c.kind, c.mapping);
        EXPECT_EQ(result.value_or(""), c.message) << static_cast<int>(c.kind);
    }
}

TEST(FirstLinePreview, ReadsTheTrimmedFirstLineAndSplitsIt)
{
    test::TempDir dir;
    EXPECT_FALSE(FirstLinePreview::Read(dir.File("missing.csv")).has_value());

    test::WriteBytes(dir.File("a.csv"), "  a,,b \t\r\nsecond,line\n");
    const auto line = FirstLinePreview::Read(dir.File("a.csv"));
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, "a,,b");
    EXPECT_EQ(FirstLinePreview::Columns(*line, ",", "\""),
              (std::vector<std::string>{"a", "EMPTY FIELD", "b"}));

    test::WriteBytes(dir.File("empty.csv"), "");
    EXPECT_EQ(FirstLinePreview::Read(dir.File("empty.csv")).value_or("x"), "");
    EXPECT_TRUE(FirstLinePreview::Columns("", ",", "\"").empty());

    test::WriteBytes(dir.File("unterminated.csv"), "'Name';'City'");
    EXPECT_EQ(
        FirstLinePreview::Columns(*FirstLinePreview::Read(dir.File("unterminated.csv")), ";", "'"),
        (std::vector<std::string>{"Name", "City"}));
}

TEST(FirstLinePreview, CutsALongLineAfter1023Characters)
{
    test::TempDir dir;
    test::WriteBytes(dir.File("long.csv"), std::string(1022, 'x') + " yz\n");
    EXPECT_EQ(*FirstLinePreview::Read(dir.File("long.csv")), std::string(1022, 'x'));
    test::WriteBytes(dir.File("long2.csv"), std::string(2000, 'y'));
    EXPECT_EQ(FirstLinePreview::Read(dir.File("long2.csv"))->size(), 1023u);
}

}  // namespace
}  // namespace orvane

#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "data/PimDocument.h"
#include "exchange/FieldAssignments.h"
#include "exchange/TransferCommand.h"
#include "exchange/TransferWizardRules.h"
#include "platform/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace orvane::test {
namespace {

using Rules = TransferWizardRules;

TEST(FieldAssignmentsTest, AFieldFeedsAtMostOneColumn)
{
    FieldAssignments rows({"First", "Last", "Town"});
    EXPECT_EQ(rows.Assign(0, "FirstName"), -1);
    EXPECT_EQ(rows.Assign(1, "FirstName"), 0);
    EXPECT_EQ(rows.Mapping(), (std::vector<std::string>{"", "FirstName", ""}));
    // Names compare exactly: a different letter case is another field.
    EXPECT_EQ(rows.Assign(2, "firstname"), -1);
    EXPECT_EQ(rows.Assigned(1), "FirstName");
    rows.Assign(1, "City");
    rows.Clear(2);
    EXPECT_EQ(rows.Mapping(), (std::vector<std::string>{"", "City", ""}));
    EXPECT_EQ(rows.ColumnName(2), "Town");
}

TEST(TransferWizardRulesTest, FilePageNeedsANameAndImportNeedsAReadableFile)
{
    TempDir dir;
    WriteBytes(dir.File("people.csv"), "  \"First\",\"Last\"  \r\nAnn,Lee\n");
    WriteBytes(dir.File("empty.csv"), "");
    struct Case {
        std::string path;
        bool importing;
        const char* message;  // nullptr: the page may be left
        const char* caption;
        const char* firstLine;
    } cases[] = {
        {"", true, "You must enter a file name", "Enter File Name", ""},
        {"", false, "You must enter a file name", "Enter File Name", ""},
        {dir.File("missing.csv"), true, "Unable to open file", "File Error", ""},
        // Exporting never reads the file, so a new name is fine.
        {dir.File("missing.csv"), false, nullptr, nullptr, ""},
        {dir.File("people.csv"), true, nullptr, nullptr, "\"First\",\"Last\""},
        {dir.File("empty.csv"), true, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + (c.importing ? " import" : " export"));
        TransferSettings settings;
        const auto notice = Rules::AcceptFile(settings, c.path, c.importing);
        if (c.message) {
            ASSERT_TRUE(notice);
            EXPECT_EQ(notice->text, c.message);
            EXPECT_EQ(notice->caption, c.caption);
            EXPECT_EQ(notice->icon, MessageIcon::Information);
        } else {
            EXPECT_FALSE(notice);
            EXPECT_EQ(settings.fileName, c.path);
        }
        EXPECT_EQ(settings.firstLine, c.firstLine);
    }
}

TEST(TransferWizardRulesTest, StructurePageTakesTheSelectedEntries)
{
    struct Case {
        int separatorRow;
        int encloserRow;
        bool passes;
        const char* separator;
        const char* encloser;
    } cases[] = {
        {0, 0, true, ",", "\""}, {1, 1, true, ";", "'"},   {2, 2, true, "|", ""},
        {3, 0, true, " ", "\""}, {4, 0, true, "\t", "\""}, {-1, 0, false, "", ""},
        {0, -1, false, "", ""},  {5, 0, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.separatorRow) + "/" + std::to_string(c.encloserRow));
        TransferSettings settings;
        settings.separator = settings.encloser = "";
        const auto notice = Rules::AcceptFormat(settings, c.separatorRow, c.encloserRow, false);
        EXPECT_EQ(!notice, c.passes);
        if (notice) {
            EXPECT_EQ(notice->text,
                      "You must select both a character that encloses each text field and one "
                      "that separates each field.");
            EXPECT_EQ(notice->caption, "Choose Formatting Characters");
        }
        EXPECT_EQ(settings.separator, c.separator);
        EXPECT_EQ(settings.encloser, c.encloser);
        EXPECT_EQ(settings.firstLineHasNames, !c.passes);
    }
}

TEST(TransferWizardRulesTest, FirstLineSplitsIntoColumns)
{
    struct Case {
        const char* line;
        const char* separator;
        const char* encloser;
        std::vector<std::string> columns;
    } cases[] = {
        {"a,,b", ",", "\"", {"a", "EMPTY FIELD", "b"}},
        {"", ",", "\"", {}},
        {"'Smith, John';x", ";", "'", {"Smith, John", "x"}},
        {"'Smith, John',x", ",", "", {"'Smith", "John'", "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TransferSettings settings = TransferSettings::ForImport(RecordKind::Persons);
        settings.firstLine = c.line;
        settings.separator = c.separator;
        settings.encloser = c.encloser;
        const FieldAssignments rows = Rules::ImportColumns(settings);
        EXPECT_EQ(settings.columnNames, c.columns);
        EXPECT_EQ(settings.columnCount, static_cast<int>(c.columns.size()));
        ASSERT_EQ(rows.RowCount(), settings.columnCount);
        EXPECT_EQ(rows.Mapping(), std::vector<std::string>(c.columns.size()));
    }
}

TEST(TransferWizardRulesTest, ImportFinishNeedsTheRequiredFields)
{
    const std::string persons =
        "You must include a first name, last name, or company as a field to import.";
    const std::string tasks = "You must include a task as a field to import.";
    const std::string appointments =
        "You must include an appointment, date, start time, and end time as fields to import.";
    struct Case {
        RecordKind kind;
        std::vector<std::string> assigned;
        std::string message;  // empty: passes
    } cases[] = {
        {RecordKind::Persons, {}, persons},
        {RecordKind::Persons, {"City", "Notes"}, persons},
        {RecordKind::Persons, {"Company"}, ""},
        {RecordKind::Persons, {"FirstName", "LastName", "Company"}, ""},
        {RecordKind::Tasks, {"DueDate", "Priority"}, tasks},
        {RecordKind::Tasks, {"", "Task"}, ""},
        {RecordKind::Appointments, {"Appointment", "Date", "StartTime"}, appointments},
        {RecordKind::Appointments, {"EndTime", "StartTime", "Date", "Appointment"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        FieldAssignments rows(std::vector<std::string>(c.assigned.size() + 1, "col"));
        for (size_t i = 0; i < c.assigned.size(); ++i) {
            if (!c.assigned[i].empty()) {
                rows.Assign(static_cast<int>(i), c.assigned[i]);
            }
        }
        TransferSettings settings = TransferSettings::ForImport(c.kind);
        const auto notice = Rules::AcceptImportFields(settings, c.kind, rows);
        EXPECT_EQ(settings.mapping, rows.Mapping());
        if (c.message.empty()) {
            EXPECT_FALSE(notice);
        } else {
            ASSERT_TRUE(notice);
            EXPECT_EQ(notice->text, c.message);
            EXPECT_EQ(notice->caption, "Import Error");
            EXPECT_EQ(notice->icon, MessageIcon::Warning);
        }
    }
}

TEST(TransferWizardRulesTest, ExportFinishTakesTheTickedFieldsInTableOrder)
{
    TransferSettings settings = TransferSettings::ForExport(RecordKind::Appointments);
    const auto none = Rules::AcceptExportFields(settings, std::vector<bool>(6, false));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->caption, "Import Error");
    EXPECT_EQ(none->icon, MessageIcon::Warning);
    EXPECT_TRUE(settings.mapping.empty());

    EXPECT_FALSE(Rules::AcceptExportFields(settings, {false, true, false, false, true, true}));
    EXPECT_EQ(settings.mapping, (std::vector<std::string>{"Date", "Alarmed", "AlarmTime"}));
}

TEST(TransferWizardRulesTest, TitlesHelpAndPopups)
{
    EXPECT_EQ(Rules::Title(RecordKind::Tasks, false), "Export Tasks To Text File");
    EXPECT_EQ(Rules::Title(RecordKind::Persons, false), "Export Person Information To Text File");
    EXPECT_EQ(Rules::Title(RecordKind::Appointments, false), "Export Appointments To Text File");
    EXPECT_EQ(Rules::Title(RecordKind::Tasks, true), "Import Tasks From Text File");
    EXPECT_EQ(Rules::Title(RecordKind::Persons, true), "Import Person Information From Text File");
    EXPECT_EQ(Rules::Title(RecordKind::Appointments, true), "Import Appointments From Text File");
    EXPECT_STREQ(Rules::HelpPage(true), "csvimport.htm");
    EXPECT_STREQ(Rules::HelpPage(false), "csvexport.htm");

    const std::pair<int, int> popups[] = {
        {Rules::kBackButton, 1008},
        {Rules::kCancelButton, 1001},
        {Rules::kNextButton, 1007},
        {Rules::kFinishButton, 1009},
        {Rules::kHelpButton, 1002},
        {1049, 1501},
        {1000, 1500},
        {1001, 1504},
        {1140, 1506},
        {1003, 1508},
        {1145, 1510},
        {1148, 1550},
        {1147, 1551},
        {1134, 0},
        {1006, 0},
    };
    for (const auto& [control, topic] : popups) {
        EXPECT_EQ(Rules::PopupTopic(control), topic) << control;
    }

    const FileDialogRequest request = Rules::BrowseRequest("old.csv");
    ASSERT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(request.filters[2].description, "All files (*.)");
    EXPECT_EQ(request.filters[2].pattern, "*.*");
    EXPECT_EQ(request.defaultExtension, "csv");
    EXPECT_EQ(request.initialName, "old.csv");
    EXPECT_TRUE(request.confirmOverwrite);
}

class TransferCommandTest : public ::testing::Test {
protected:
    TransferCommandTest() : m_clock(2026, 3, 10, 9, 0) {}

    ScopedClock m_clock;
    TempDir m_dir;
    PimDocument m_document;
    ScriptedPrompter m_prompter;
};

TEST_F(TransferCommandTest, CancelTransfersNothing)
{
    std::vector<std::string> titles;
    const TransferCommand::Wizard cancel = [&](TransferSettings& settings, const std::string& title,
                                               bool, RecordKind) {
        settings.fileName = m_dir.File("out.csv");
        titles.push_back(title);
        return false;
    };
    EXPECT_FALSE(TransferCommand::Import(m_document, RecordKind::Persons, m_prompter, cancel));
    EXPECT_FALSE(TransferCommand::Export(m_document, RecordKind::Tasks, cancel));
    EXPECT_TRUE(m_prompter.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("out.csv")));
    EXPECT_EQ(titles, (std::vector<std::string>{"Import Person Information From Text File",
                                                "Export Tasks To Text File"}));
}

TEST_F(TransferCommandTest, ImportReportsTheCountAndExportWrites)
{
    WriteBytes(m_dir.File("tasks.csv"), "Task,Priority\ncall,1\n,2\nwrite,2\n");
    const TransferCommand::Wizard import = [&](TransferSettings& settings, const std::string&,
                                               bool importing, RecordKind kind) {
        EXPECT_TRUE(importing);
        EXPECT_EQ(kind, RecordKind::Tasks);
        EXPECT_EQ(settings.fieldNames, (std::vector<std::string>{"Task", "DueDate", "Priority"}));
        EXPECT_EQ(settings.requiredFields, (std::vector<std::string>{"Task"}));
        settings.fileName = m_dir.File("tasks.csv");
        settings.mapping = {"Task", "Priority"};
        settings.columnCount = 2;
        return true;
    };
    EXPECT_EQ(TransferCommand::Import(m_document, RecordKind::Tasks, m_prompter, import), 2);
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "2 tasks added to current database.");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Imported Tasks");
    EXPECT_EQ(m_prompter.Messages()[0].icon, MessageIcon::Information);

    const TransferCommand::Wizard exportTasks = [&](TransferSettings& settings, const std::string&,
                                                    bool importing, RecordKind) {
        EXPECT_FALSE(importing);
        settings.fileName = m_dir.File("out.csv");
        settings.mapping = {"Task"};
        settings.encloser = "";
        return true;
    };
    EXPECT_EQ(TransferCommand::Export(m_document, RecordKind::Tasks, exportTasks), 2);
    EXPECT_EQ(ReadBytes(m_dir.File("out.csv")), "Task\ncall\nwrite\n");
    EXPECT_EQ(m_prompter.Messages().size(), 1u);
}

}  // namespace
}  // namespace orvane::test

#include <gtest/gtest.h>

#include <sstream>

#include "ImportFixture.h"
#include "support/Golden.h"

namespace orvane {
namespace {

using test::At;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        const size_t first = part.find_first_not_of(' '), last = part.find_last_not_of(' ');
        parts.push_back(first == std::string::npos ? "" : part.substr(first, last - first + 1));
    }
    return parts;
}

// "name | kind | mapping" and optional words: header, sep=X, enc=X, each.
struct Case {
    explicit Case(const std::string& title)
    {
        const auto parts = Split(title, '|');
        auto mapping = Split(parts[2], ',');
        std::replace(mapping.begin(), mapping.end(), std::string("-"), std::string());
        settings = test::ImportSettings(test::KindNamed(parts[1]), "", mapping);
        for (const std::string& word : Split(parts.size() > 3 ? parts[3] : "", ' ')) {
            settings.firstLineHasNames |= word == "header";
            each |= word == "each";
            settings.separator = word.starts_with("sep=") ? word.substr(4) : settings.separator;
            settings.encloser = word.starts_with("enc=") ? word.substr(4) : settings.encloser;
        }
    }
    TransferSettings settings;
    bool each = false;
};

class ImportTest : public test::ImportFixture {
protected:
    std::string Run(Case c, const std::string& body)
    {
        PimDocument document;
        test::WriteFileBytes(c.settings.fileName = m_dir.File("in.csv"), body);
        const int added =
            Transfer::Import(document, test::KindNamed(c.settings.typeName), c.settings);
        return "added " + std::to_string(added) + "\n" + test::RecordsText(document.Database());
    }
};

TEST_F(ImportTest, FilesGiveTheRecordsOfTheGoldenFile)
{
    std::string out;
    for (const test::TextCase& text : test::ReadCases(test::DataFile("import-cases.txt"))) {
        const Case c(text.title);
        out += "== " + text.title + "\n";
        if (!c.each) {
            out += Run(c, text.body);
            continue;
        }
        for (const std::string& line : test::LinesOf(text.body)) {
            out += line + ": " + Run(c, line + "\n");
        }
    }
    test::ExpectGolden(out, "exchange/import-cases.expected");
}

TEST_F(ImportTest, AnOverLongLineEndsTheImport)
{
    struct Case {
        RecordKind kind;
        std::vector<std::string> mapping;
        size_t limit;
    } cases[] = {
        {RecordKind::Tasks, {"Task"}, 2047},
        {RecordKind::Persons, {"FirstName"}, 4095},
        {RecordKind::Appointments, {"Appointment", "Date", "StartTime", "EndTime"}, 2047},
    };
    for (const Case& c : cases) {
        PimDocument document;
        // Lines of an exact length; appointments on different days so that none collide.
        auto line = [&](size_t length, int day) {
            const std::string tail = c.kind == RecordKind::Appointments
                                         ? ",3/" + std::to_string(day) + "/2026,10:00,11:00"
                                         : "";
            return std::string(length - tail.size(), 'x') + tail;
        };
        const std::string path = m_dir.File("long.csv");
        test::WriteFileBytes(path, line(30, 1) + "\n" + line(c.limit, 2) + "\n" + line(c.limit, 3) +
                                       "\r\n" + line(c.limit + 1, 4) + "\n" + line(30, 5) + "\n");
        auto settings = test::ImportSettings(c.kind, path, c.mapping, false, ",", "");
        EXPECT_EQ(Transfer::Import(document, c.kind, settings), 3) << c.limit;
        // The same limit applies to the header line.
        test::WriteFileBytes(path, line(c.limit + 1, 6) + "\n" + line(30, 7) + "\n");
        settings.firstLineHasNames = true;
        EXPECT_EQ(Transfer::Import(document, c.kind, settings), 0) << c.limit;
        test::WriteFileBytes(path, line(c.limit, 6) + "\n" + line(30, 7) + "\n");
        EXPECT_EQ(Transfer::Import(document, c.kind, settings), 1) << c.limit;
    }
}

TEST_F(ImportTest, AColumnCountBelowTheMappingLimitsWhatIsRead)
{
    test::WriteFileBytes(m_dir.File("in.csv"), "a,2\n");
    auto settings =
        test::ImportSettings(RecordKind::Tasks, m_dir.File("in.csv"), {"Priority", "Task"}, false);
    settings.columnCount = 1;
    EXPECT_EQ(m_document.ImportTasks(settings), 0);
}

TEST_F(ImportTest, ViewsRefillOnceAndOnlyWhenSomethingWasAdded)
{
    EXPECT_EQ(Import(RecordKind::Tasks, "a,1\nb,2\nc\n", {"Task", "Priority"}), 3);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_TRUE(m_document.Modified());

    m_document.SetModified(false, false);
    EXPECT_EQ(Import(RecordKind::Persons, ",,\n", {"FirstName"}), 0);
    EXPECT_EQ(Transfer::Import(
                  m_document, RecordKind::Persons,
                  test::ImportSettings(RecordKind::Persons, m_dir.File("gone.csv"), {"FirstName"})),
              0);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_FALSE(m_document.Modified());

    // Importing the same file again adds everything again, with new identifiers.
    EXPECT_EQ(Import(RecordKind::Tasks, "a,1\nb,2\n", {"Task", "Priority"}), 2);
    const auto& tasks = m_document.Database().Tasks();
    ASSERT_EQ(tasks.Count(), 5u);
    EXPECT_EQ(tasks.Find(5)->Description, "b");
    EXPECT_EQ(m_document.Database().Tasks().LastID(), 5);
}

TEST_F(ImportTest, AppointmentLimitsThatTouchOrFallInsideCollide)
{
    const auto store = [&](PimDateTime start, PimDateTime end) {
        Appointment a;
        a.Description = "stored";
        a.DueDate = start.DateOnly();
        a.StartTime = start;
        a.EndTime = end;
        m_document.Database().Appointments().Add(a);
    };
    store(At(2026, 3, 9, 10), At(2026, 3, 9, 11));
    store(At(2026, 3, 11, 12), At(2026, 3, 11, 10));  // ends before it starts: holds no time
    const std::string file =
        "shared limit,3/9/2026,11:00,12:00\n"
        "encloses,3/9/2026,9:00,13:00\n"
        "other day,3/10/2026,11:00,12:00\n"
        "same again,3/10/2026,11:00,12:00\n"
        "touches the new one,3/9/2026,8:00,9:00\n"
        "inside,3/9/2026,10:15,10:30\n"
        "free,3/9/2026,7:00,8:45\n"
        "at the reversed start,3/11/2026,12:00,12:30\n";
    EXPECT_EQ(
        Import(RecordKind::Appointments, file, {"Appointment", "Date", "StartTime", "EndTime"}), 4);
    std::vector<std::string> added;
    for (const auto& [id, a] : m_document.Database().Appointments()) {
        added.push_back(a.Description);
    }
    EXPECT_EQ(added, (std::vector<std::string>{"stored", "stored", "encloses", "other day", "free",
                                               "at the reversed start"}));
}

}  // namespace
}  // namespace orvane

#include <filesystem>

#include "cli/CliRunner.h"
#include "cli/PrintOptions.h"
#include "support/PdfTools.h"

namespace orvane::cli {
namespace {

TEST(PrintOptions, ParsesEveryOptionAndLeavesTheRestAsForANewRun)
{
    std::string problem;
    const auto options = PrintOptions::Parse(
        {"envelopes", "db.pgr", "--pdf", "out.pdf", "--date", "2026-03-09", "--persons", "3,1,12",
         "--yellow-pages", "--landscape", "--font", "Liberation Sans", "--size", "12", "--margins",
         "500,750,1000,1250", "--paper", "a4"},
        problem);
    ASSERT_TRUE(options) << problem;
    EXPECT_EQ(options->kind, ReportKind::Envelopes);
    EXPECT_EQ(options->database + " " + options->pdf, "db.pgr out.pdf");
    EXPECT_EQ((std::vector<int>{*options->year, *options->month, *options->day}),
              (std::vector<int>{2026, 3, 9}));
    EXPECT_FALSE(options->allPersons);
    EXPECT_EQ(options->personIds, (std::vector<int32_t>{3, 1, 12}));
    EXPECT_TRUE(options->yellowPages && options->landscape);
    EXPECT_EQ(options->settings.face, "Liberation Sans");
    EXPECT_EQ(options->settings.pointSize, 12);
    EXPECT_EQ(options->settings.margins, (Rect{500, 750, 1000, 1250}));
    EXPECT_EQ(options->paper, "a4");

    const auto plain = PrintOptions::Parse({"daily-tasks", "db.pgr", "--pdf", "o.pdf"}, problem);
    ASSERT_TRUE(plain) << problem;
    EXPECT_EQ(plain->kind, ReportKind::DailyTasks);
    EXPECT_FALSE(plain->year.has_value());
    EXPECT_TRUE(plain->allPersons && !plain->yellowPages && !plain->landscape);
    EXPECT_EQ(plain->settings.pointSize, 10);
    EXPECT_EQ(plain->paper, "letter");
}

TEST(PrintOptions, RejectsBadArguments)
{
    for (const auto& row : test::RowsOf("cli/print-option-errors.txt")) {
        std::vector<std::string> arguments = {"daily-plan", "db.pgr", "--pdf", "o.pdf"};
        arguments.insert(arguments.end(), row.begin() + 1, row.end());
        SCOPED_TRACE(testing::PrintToString(arguments));
        std::string problem;
        EXPECT_FALSE(PrintOptions::Parse(arguments, problem));
        EXPECT_EQ(problem.substr(0, row[0].size()), row[0]);
    }
    std::string problem;
    EXPECT_FALSE(PrintOptions::Parse({"weekly", "db.pgr", "--pdf", "o.pdf"}, problem));
    EXPECT_EQ(problem, "unknown report \"weekly\"");
    EXPECT_FALSE(PrintOptions::Parse({"daily-plan", "db.pgr"}, problem));
    EXPECT_EQ(problem, "--pdf OUTFILE is required");
}

// A database with three tasks and two appointments on 9 March 2026 and three persons.
class PrintCommand : public testing::Test {
protected:
    void SetUp() override
    {
        if (RunCli({"print"}).err.find("unknown command") != std::string::npos) {
            GTEST_SKIP() << "built without the window, so without the print command";
        }
        if (!test::PdfTools::Available()) {
            GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
        }
        PimDatabase db;
        for (const char* text : {"Alpha errand", "Bravo errand", "Charlie errand"}) {
            db.Tasks().Add(test::MakeTask(text, test::At(2026, 3, 9)));
        }
        for (const auto& [text, hour] : {std::pair{"Early meeting", 9}, {"Later lunch", 12}}) {
            db.Appointments().Add(test::MakeAppointment(text, test::At(2026, 3, 9, hour, 5),
                                                        test::At(2026, 3, 9, hour + 1, 30)));
        }
        for (const auto& [first, last] :
             {std::pair{"Zoe", "Young"}, {"Adam", "Baker"}, {"Mia", "Moss"}}) {
            Person person = test::MakePerson(first, last);
            person.City = "Salem";
            db.Persons().Add(person);
        }
        db.GetUser().FName = "Owen";
        db.GetUser().LName = "Owner";
        ASSERT_TRUE(db.Save(m_db));
    }

    CliResult Print(const std::string& report, std::vector<std::string> extra = {})
    {
        // Tasks due before today move to today, so today is the day printed.
        std::vector<std::string> arguments = {
            "--now",  "2026-03-09 08:00:00", "print", report, m_db, "--pdf", m_pdf,
            "--date", "2026-03-09"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunCli(arguments);
    }

    test::ScratchFolder m_folder;
    std::string m_db = m_folder / "db.pgr";
    std::string m_pdf = m_folder / "out.pdf";
};

TEST_F(PrintCommand, WritesEachReportAsPdfWithItsRowsInOrder)
{
    for (const auto& row : test::RowsOf("cli/print-reports.txt")) {
        SCOPED_TRACE(row[0]);
        const CliResult result = Print(row[0], {row.begin() + 3, row.end()});
        ASSERT_EQ(result.status, kSuccess) << result.err;
        EXPECT_EQ(test::ReadFileBytes(m_pdf).substr(0, 5), "%PDF-");
        EXPECT_EQ(test::PdfTools::Pages(m_pdf), std::stoi(row[1]));
        const std::string text = test::PdfTools::Text(m_pdf);
        size_t from = 0;
        std::istringstream wanted(row[2]);
        for (std::string item; std::getline(wanted, item, ';');) {
            const size_t at = text.find(item, from);
            ASSERT_NE(at, std::string::npos) << "\"" << item << "\" missing or out of order in\n"
                                             << text;
            from = at + item.size();
        }
    }
}

TEST_F(PrintCommand, DailyReportsUseEightPointsOnPaperNarrowerThanSevenInches)
{
    PimDatabase db;
    for (int i = 0; i < 80; ++i) {
        db.Tasks().Add(test::MakeTask("errand " + std::to_string(i), test::At(2026, 3, 9)));
    }
    ASSERT_TRUE(db.Save(m_db));
    const auto pages = [&](const std::string& paper, const std::string& size) {
        const CliResult result = Print("daily-tasks", {"--paper", paper, "--size", size});
        EXPECT_EQ(result.status, kSuccess) << result.err;
        return test::PdfTools::Pages(m_pdf);
    };
    // A5 is 5.8 inches wide: the size asked for makes no difference there.
    EXPECT_EQ(pages("a5", "24"), pages("a5", "8"));
}

TEST_F(PrintCommand, AReportWithoutPagesMakesNoFile)
{
    const CliResult result =
        RunCli({"print", "daily-appointments", m_db, "--pdf", m_pdf, "--date", "2026-03-20"});
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(result.out, "0 pages: the report is empty, no file written.\n");
    EXPECT_FALSE(std::filesystem::exists(m_pdf));
}

TEST_F(PrintCommand, ReportsWhatCannotBeDone)
{
    const CliResult unlisted = Print("envelopes", {"--persons", "2,9"});
    EXPECT_EQ(unlisted.status, kUsage);
    EXPECT_EQ(unlisted.err, "orvane-cli: print: person 9 is not listed in the White Pages\n");

    const CliResult noDay = Print("daily-plan", {"--date", "2026-02-30"});
    EXPECT_EQ(noDay.status, kUsage);

    const CliResult unwritable =
        RunCli({"print", "daily-plan", m_db, "--pdf", m_folder / "no/such/folder/out.pdf"});
    EXPECT_EQ(unwritable.status, kWriteFailed);
    EXPECT_EQ(unwritable.err, "Unable to write file!\n");

    const CliResult missing =
        RunCli({"print", "daily-plan", m_folder / "none.pgr", "--pdf", m_pdf});
    EXPECT_EQ(missing.status, kReadFailed);
}

}  // namespace
}  // namespace orvane::cli

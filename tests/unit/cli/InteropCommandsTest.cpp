#include "cli/CliRunner.h"
#include "support/TestEnvironment.h"

namespace orvane::cli {
namespace {

class InteropCommands : public CliTestBase {
protected:
    static std::string Fixture(const char* name) { return test::DataPath("interop/") / name; }

    std::string EmptyDatabase()
    {
        const std::string path = Path("db.pgr");
        EXPECT_TRUE(PimDatabase().Save(path));
        return path;
    }
};

TEST_F(InteropCommands, ExitStatuses)
{
    const std::string db = EmptyDatabase(), vcf = Fixture("webmail.vcf");
    const std::string before = test::ReadFileBytes(db);
    ExpectOutcomes(OutcomesOf("interop-outcomes.txt", {{"$DB", db},
                                                       {"$VCF", vcf},
                                                       {"$ICS", Fixture("calendar.ics")},
                                                       {"$DIR", m_folder.Path().string()}}));
    // Nothing was imported or written by the failures.
    EXPECT_EQ(test::ReadFileBytes(db), before);
}

TEST_F(InteropCommands, ImportAndExportSaveTheDatabase)
{
    const std::map<std::string, std::string> values = {{"$DB", EmptyDatabase()},
                                                       {"$FIX", test::DataPath("interop")},
                                                       {"$DIR", m_folder.Path().string()}};
    for (const OutcomeCase& c : OutcomesOf("interop-runs.txt", values)) {
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, c.err) << testing::PrintToString(c.arguments);
    }
    EXPECT_NE(test::ReadFileBytes(Path("out.vcf")).find("VERSION:4.0\r\nN:;;;;\r\nFN:Springfield"),
              std::string::npos);
}

TEST_F(InteropCommands, ReadsFilesWrittenAsUtf16)
{
    std::string utf16 = "\xFF\xFE";
    for (char c : test::ReadFileBytes(Fixture("webmail.vcf"))) {
        utf16 += c;
        utf16 += '\0';
    }
    test::WriteFileBytes(Path("utf16.vcf"), utf16);
    EXPECT_EQ(RunCli({"import", "vcard", EmptyDatabase(), Path("utf16.vcf")}).out.substr(0, 26),
              "3 persons added, 0 updated");
}

TEST_F(InteropCommands, ExportGivesUidsAndSavesThem)
{
    PimDatabase db;
    db.Persons().Add(test::MakePerson("Anna", "Smith"));
    db.Tasks().Add(test::MakeTask("Call Bob", test::At(2026, 3, 9)));
    ASSERT_TRUE(db.Save(Path("db.pgr")));
    const CliResult result = RunCli({"export", "vcard", Path("db.pgr"), Path("a.vcf")});
    EXPECT_EQ(result.out, "1 person written; 1 record got a UID, database saved\n");
    EXPECT_EQ(RunCli({"export", "ical", Path("db.pgr"), Path("a.ics")}).out,
              "1 task and 0 appointments written; 1 record got a UID, database saved\n");
    EXPECT_EQ(RunCli({"export", "vcard", Path("db.pgr"), Path("a.vcf")}).out, "1 person written\n");

    const PimDatabase saved = LoadDatabase(Path("db.pgr"));
    const std::string uid = saved.Persons().begin()->second.UID;
    EXPECT_EQ(uid.size(), 36u);
    EXPECT_NE(test::ReadFileBytes(Path("a.vcf")).find("UID:" + uid), std::string::npos);
    EXPECT_NE(test::ReadFileBytes(Path("a.ics")).find("UID:" + saved.Tasks().begin()->second.UID),
              std::string::npos);
}

}  // namespace
}  // namespace orvane::cli

#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/TransferCommands.h"
#include "cli/DemoDatabase.h"
#include "rules/commands/CommandIds.h"

namespace orvane::test {
namespace {

// The six commands through the window: the wizard is worked while it runs modally.
class TransferCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        TransferCommands::Install(Frame(), m_prompter);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        std::filesystem::remove_all(m_dir);
    }

    // Runs a command; `work` gets the wizard once it is up. False when no wizard came.
    bool RunWithWizard(int command, const std::function<void(TransferWizard&, WizardDriver&)>& work)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* wizard = qobject_cast<TransferWizard*>(QApplication::activeModalWidget());
            if (!wizard) {
                return;
            }
            seen = true;
            WizardDriver driver(*wizard);
            work(*wizard, driver);
            if (wizard->isVisible()) {
                wizard->reject();
            }
        });
        Frame().RunCommand(command);
        return seen;
    }
    std::string Path(const char* name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("orvane-commands-" + std::to_string(getpid()));
};

std::vector<std::string> TextOf(const Person& p)
{
    return {p.FName, p.LName,   p.Addr1,   p.Addr2,   p.City,     p.State,
            p.Zip,   p.HmPhone, p.WkPhone, p.WkExt,   p.Fax,      p.CelPhone,
            p.Pager, p.EMail,   p.WebPage, p.Company, p.Position, p.Notes};
}

TEST_F(TransferCommandsTest, PersonsGoOutAndComeBackThroughTheWizard)
{
    cli::DemoDatabase::Fill(Db());
    // A line break ends a record in a delimited file, so notes on several lines cannot
    // come back whole; keep them on one line.
    for (const auto& [id, stored] : Db().Persons()) {
        Person person = stored;
        std::replace(person.Notes.begin(), person.Notes.end(), '\r', ' ');
        std::replace(person.Notes.begin(), person.Notes.end(), '\n', ' ');
        Db().Persons().Update(person);
    }
    Frame().Document().SetModified(false, true);
    std::vector<std::vector<std::string>> original;
    for (const auto& [id, person] : Db().Persons()) {
        original.push_back(TextOf(person));
    }
    ASSERT_FALSE(original.empty());

    const std::string file = Path("people.csv");
    ASSERT_TRUE(RunWithWizard(kCmdExportPersons, [&](TransferWizard&, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        d.Click(QWizard::NextButton);
        for (int row = 0; row < d.List()->topLevelItemCount(); ++row) {
            d.ClickRow(row);
        }
        d.Click(QWizard::FinishButton);
    }));
    ASSERT_TRUE(std::filesystem::exists(file));

    Frame().RunCommand(kCmdNew);
    ASSERT_TRUE(Db().Persons().IsEmpty());
    ASSERT_TRUE(RunWithWizard(kCmdImportPersons, [&](TransferWizard&, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        d.Click(QWizard::NextButton);
        // The header names the columns; give each the field of the same name.
        for (int row = 0; row < d.List()->topLevelItemCount(); ++row) {
            ASSERT_TRUE(d.Assign(row, d.Cell(row, 0)));
        }
        d.Click(QWizard::FinishButton);
    }));

    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text,
              std::to_string(original.size()) + " names added to current database.");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Imported Names");
    std::vector<std::vector<std::string>> imported;
    for (const auto& [id, person] : Db().Persons()) {
        imported.push_back(TextOf(person));
    }
    EXPECT_EQ(imported, original);
}

TEST_F(TransferCommandsTest, TasksImportCountsAndCancelDoesNothing)
{
    const std::string file = Path("tasks.csv");
    std::ofstream(file) << "\"Task\",\"Due\"\n\"Call Bob\",\"3/12/2026\"\n,\"3/13/2026\"\n";
    EXPECT_TRUE(RunWithWizard(kCmdImportTasks, [&](TransferWizard& wizard, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        wizard.reject();
    }));
    EXPECT_TRUE(m_prompter.Messages().empty());

    ASSERT_TRUE(RunWithWizard(kCmdImportTasks, [&](TransferWizard&, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        d.Click(QWizard::NextButton);
        ASSERT_TRUE(d.Assign(0, "Task"));
        ASSERT_TRUE(d.Assign(1, "DueDate"));
        d.Click(QWizard::FinishButton);
    }));
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "1 tasks added to current database.");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Imported Tasks");
    ASSERT_EQ(Db().Tasks().Count(), 1u);
    EXPECT_EQ(Db().Tasks().begin()->second.DueDate, Day(2026, 3, 12));
}

}  // namespace
}  // namespace orvane::test

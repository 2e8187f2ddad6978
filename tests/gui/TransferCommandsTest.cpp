#include <gtest/gtest.h>

#include <fstream>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/TransferCommands.h"
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
    }

    // Runs a command; `work` gets the wizard once it is up.
    void RunWithWizard(int command, const std::function<void(TransferWizard&, WizardDriver&)>& work)
    {
        RunWithEditor(command, [&](QWidget* window) {
            auto* wizard = qobject_cast<TransferWizard*>(window);
            ASSERT_NE(wizard, nullptr);
            WizardDriver driver(*wizard);
            work(*wizard, driver);
        });
    }
    std::string Path(const char* name) const { return m_scratch.File(name); }
};

// Through the window: the command opens the wizard, cancel does nothing, and a finished
// import reports its count.
TEST_F(TransferCommandsTest, TasksImportCountsAndCancelDoesNothing)
{
    const std::string file = Path("tasks.csv");
    std::ofstream(file) << "\"Task\",\"Due\"\n\"Call Bob\",\"3/12/2026\"\n,\"3/13/2026\"\n";
    RunWithWizard(kCmdImportTasks, [&](TransferWizard& wizard, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        wizard.reject();
    });
    EXPECT_TRUE(m_prompter.Messages().empty());

    RunWithWizard(kCmdImportTasks, [&](TransferWizard&, WizardDriver& d) {
        d.TypePath(QString::fromStdString(file));
        d.Click(QWizard::NextButton);
        d.Click(QWizard::NextButton);
        ASSERT_TRUE(d.Assign(0, "Task"));
        ASSERT_TRUE(d.Assign(1, "DueDate"));
        d.Click(QWizard::FinishButton);
    });
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "1 tasks added to current database.");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Imported Tasks");
    ASSERT_EQ(Db().Tasks().Count(), 1u);
    EXPECT_EQ(Db().Tasks().begin()->second.DueDate, Day(2026, 3, 12));
}

}  // namespace
}  // namespace orvane::test

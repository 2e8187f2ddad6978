// A new user's first session and the day after, through the whole program as it starts:
// every part installed, the editors, wizard and printing driven with the mouse and the
// keyboard. Only the file dialogs and message boxes are scripted.
#include <unistd.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/Startup.h"
#include "rules/commands/CommandIds.h"
#include "support/PdfTools.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

class AcceptanceTest : public FrameFixture {
protected:
    void SetUp() override { StartProgram({}); }

    // As the program starts: the window, every part, and the file named on the command line.
    void StartProgram(const std::vector<std::string>& arguments)
    {
        m_frame = std::make_unique<MainFrame>(m_prompter, m_settings);
        Startup::InstallParts(*m_frame, m_prompter, m_settings);
        m_frame->OpenFromCommandLine(Startup::ParseArguments(arguments, nullptr).path);
        m_frame->show();
        Idle();
    }

    // Chooses a menu item as the user would; `user` works the modal window it opens.
    void Choose(int commandId, const std::function<void(QWidget*)>& user = {})
    {
        ASSERT_TRUE(Frame().Action(commandId)->isEnabled()) << commandId;
        const auto trigger = [&] { Frame().Action(commandId)->trigger(); };
        user ? RunWithEditor(trigger, user) : trigger();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        Idle();
    }
    static QLineEdit* Field(QWidget* dialog, int id) { return FindControl<QLineEdit>(dialog, id); }
    static void ClickOk(QWidget* dialog) { QTest::mouseClick(OkOf(dialog), Qt::LeftButton); }
    QStringList Rows(PaneList list, int column = 0)
    {
        QStringList rows;
        const QAbstractItemModel* model = Form().List(list)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, column).data().toString();
        }
        return rows;
    }
    std::string Path(const char* name) const { return m_scratch.File(name); }
};

TEST_F(AcceptanceTest, FirstSessionThenTheNextDayThenMovingThePhoneBook)
{
    EXPECT_EQ(Frame().windowTitle(), "Orvane! [Untitled]");

    // Add a person, a task and an appointment through the editors.
    Choose(kCmdPersonAdd, [](QWidget* sheet) {
        QTest::keyClicks(Field(sheet, 1013), "Marta");
        QTest::keyClicks(Field(sheet, 1014), "Quist");
        QTest::keyClicks(Field(sheet, 1015), "Quist Tiles");
        sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTest::keyClicks(Field(sheet, 1022), "(503) 555-0142");
        ClickOk(sheet);
    });
    Choose(kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClicks(Field(dialog, 1038), "Order tiles for the bathroom");
        ClickOk(dialog);
    });
    Choose(kCmdAppointmentAdd, [](QWidget* dialog) {
        QTest::keyClicks(Field(dialog, 1033), "Meet Marta at the shop");
        ClickOk(dialog);
    });
    EXPECT_EQ(Rows(PaneList::PhoneBook), QStringList{"Quist, Marta"});
    EXPECT_EQ(Rows(PaneList::Tasks), QStringList{"Order tiles for the bathroom"});
    EXPECT_EQ(Rows(PaneList::Appointments, 1), QStringList{"Meet Marta at the shop"});
    EXPECT_TRUE(Frame().Action(kCmdSave)->isEnabled());

    // Save as a new file, then quit: nothing is left to ask about.
    const std::string file = Path("my day.pgr");
    m_prompter.QueuePath(file);
    Choose(kCmdSaveAs);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + file + "]");
    Choose(kCmdExit);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(m_prompter.Messages().empty());
    m_frame.reset();

    // Start again with the file on the command line: the three records are on today.
    StartProgram({file});
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Orvane! [" + file + "]");
    EXPECT_EQ(Rows(PaneList::PhoneBook), QStringList{"Quist, Marta"});
    EXPECT_EQ(Rows(PaneList::Tasks), QStringList{"Order tiles for the bathroom"});
    EXPECT_EQ(Rows(PaneList::Appointments, 1), QStringList{"Meet Marta at the shop"});
    const Person* marta = Db().Persons().Find(1);
    ASSERT_NE(marta, nullptr);
    EXPECT_EQ(marta->Company, "Quist Tiles");
    EXPECT_EQ(marta->HmPhone, "(503) 555-0142");

    // Complete the task.
    ClickRow(PaneList::Tasks, 0);
    Idle();
    Choose(kCmdTaskComplete);
    ASSERT_NE(Db().Tasks().Find(1), nullptr);
    EXPECT_TRUE(Db().Tasks().Find(1)->IsCompleted());

    // Print the daily plan; with no printer installed it goes to a PDF file.
    Choose(kCmdReportDailyPlan);
    EXPECT_TRUE(Frame().Action(kCmdReportDailyPlan)->isChecked());
    const std::string pdf = Path("plan.pdf");
    m_prompter.QueuePath(pdf);
    Choose(kCmdPrint);
    ASSERT_TRUE(fs::exists(pdf));
    if (PdfTools::Available()) {
        const std::string text = PdfTools::Text(pdf);
        EXPECT_NE(text.find("Meet Marta at the shop"), std::string::npos) << text;
        EXPECT_NE(text.find("Order tiles for the bathroom"), std::string::npos) << text;
        EXPECT_NE(text.find("Page 1"), std::string::npos) << text;
    }

    // Export the phone book through the wizard, every field ticked.
    const std::string csv = Path("phone book.csv");
    Choose(kCmdExportPersons, [&](QWidget* window) {
        WizardDriver wizard(*qobject_cast<TransferWizard*>(window));
        wizard.TypePath(QString::fromStdString(csv));
        wizard.Click(QWizard::NextButton);
        wizard.Click(QWizard::NextButton);
        for (int row = 0; row < wizard.List()->topLevelItemCount(); ++row) {
            wizard.ClickRow(row);
        }
        wizard.Click(QWizard::FinishButton);
    });
    ASSERT_TRUE(fs::exists(csv));

    // A new database (not saving the completed task), and the phone book imported into it.
    m_prompter.QueueAnswer(MessageAnswer::No);
    Choose(kCmdNew);
    EXPECT_EQ(Frame().windowTitle(), "Orvane! [Untitled]");
    EXPECT_TRUE(Rows(PaneList::PhoneBook).isEmpty());
    m_prompter.ClearRecord();
    Choose(kCmdImportPersons, [&](QWidget* window) {
        WizardDriver wizard(*qobject_cast<TransferWizard*>(window));
        wizard.TypePath(QString::fromStdString(csv));
        wizard.Click(QWizard::NextButton);
        wizard.Click(QWizard::NextButton);
        for (int row = 0; row < wizard.List()->topLevelItemCount(); ++row) {
            ASSERT_TRUE(wizard.Assign(row, wizard.Cell(row, 0)));
        }
        wizard.Click(QWizard::FinishButton);
    });
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "1 names added to current database.");
    EXPECT_EQ(Rows(PaneList::PhoneBook), QStringList{"Quist, Marta"});
    const Person* imported = Db().Persons().Find(1);
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(imported->Company, "Quist Tiles");
    EXPECT_EQ(imported->HmPhone, "(503) 555-0142");
    EXPECT_TRUE(m_prompter.ScriptUsedUp());
}

}  // namespace
}  // namespace orvane::test

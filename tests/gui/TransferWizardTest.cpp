#include <gtest/gtest.h>

#include <QGroupBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QWhatsThis>
#include <fstream>
#include <memory>

#include "WizardDriver.h"
#include "exchange/TransferSettings.h"
#include "storage/StorageTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "widgets/transfer/DocumentStructurePage.h"
#include "widgets/transfer/WizardContextHelp.h"

namespace orvane::test {
namespace {

class TransferWizardTest : public ::testing::Test {
protected:
    void Open(RecordKind kind, bool importing)
    {
        m_settings =
            importing ? TransferSettings::ForImport(kind) : TransferSettings::ForExport(kind);
        m_wizard = std::make_unique<TransferWizard>(
            m_settings, importing, kind, m_prompter, [this] { return m_help; },
            QStringLiteral("/opt/orvane"));
        m_wizard->show();
        m_driver = std::make_unique<WizardDriver>(*m_wizard);
    }
    std::string File(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir.File(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Opens an import of `kind` and walks to the fields page with a file of that text.
    void ImportUpToFields(RecordKind kind, const std::string& text)
    {
        Open(kind, true);
        m_driver->TypePath(QString::fromStdString(File("in.csv", text)));
        m_driver->Click(QWizard::NextButton);
        m_driver->Click(QWizard::NextButton);
        ASSERT_EQ(m_wizard->currentId(), TransferWizard::kFieldsPage);
    }

    ScratchFolder m_dir;
    ScriptedPrompter m_prompter;
    FakeHelpViewer m_viewer;
    HelpViewer* m_help = &m_viewer;
    TransferSettings m_settings;
    std::unique_ptr<TransferWizard> m_wizard;
    std::unique_ptr<WizardDriver> m_driver;
};

TEST_F(TransferWizardTest, NextOnTheFilePageFollowsTheText)
{
    Open(RecordKind::Tasks, true);
    EXPECT_EQ(m_wizard->windowTitle(), "Select Document");
    QAbstractButton* next = m_wizard->button(QWizard::NextButton);
    EXPECT_FALSE(next->isEnabled());
    QLineEdit* edit = m_wizard->FilePage()->PathField();
    QTest::keyClicks(edit, "x");
    EXPECT_TRUE(next->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(next->isEnabled());
    // The button is off, but the page still refuses an empty name if asked.
    EXPECT_FALSE(m_wizard->FilePage()->validatePage());
    // A file that cannot be opened keeps the first page, with the rule's message.
    m_driver->TypePath(QString::fromStdString((m_dir / "nowhere.csv").string()));
    m_driver->Click(QWizard::NextButton);
    EXPECT_EQ(m_prompter.Messages().size(), 2u);
    EXPECT_EQ(m_wizard->currentId(), TransferWizard::kFilePage);
}

TEST_F(TransferWizardTest, BrowseAsksForAFileInTheModesDialog)
{
    for (const bool importing : {true, false}) {
        SCOPED_TRACE(importing);
        m_prompter.ClearRecord();
        Open(RecordKind::Persons, importing);
        m_driver->TypePath("old.csv");
        m_prompter.QueuePath(std::nullopt);
        QTest::mouseClick(m_wizard->FilePage()->BrowseButton(), Qt::LeftButton);
        EXPECT_EQ(m_wizard->FilePage()->PathField()->text(), "old.csv");
        m_prompter.QueuePath("/data/new file.csv");
        QTest::mouseClick(m_wizard->FilePage()->BrowseButton(), Qt::LeftButton);
        EXPECT_EQ(m_wizard->FilePage()->PathField()->text(), "/data/new file.csv");
        ASSERT_EQ(m_prompter.FileQuestions().size(), 2u);
        EXPECT_EQ(m_prompter.FileQuestions()[0].save, !importing);
        EXPECT_EQ(m_prompter.FileQuestions()[0].request.initialName, "old.csv");
    }
}

TEST_F(TransferWizardTest, TheFirstLineIsPreviewedAndSplitIntoRows)
{
    Open(RecordKind::Persons, true);
    m_driver->TypePath(QString::fromStdString(File("in.csv", "  a,,b  \nnext,line\n")));
    m_driver->Click(QWizard::NextButton);
    EXPECT_EQ(m_wizard->windowTitle(), "Document Structure");
    EXPECT_TRUE(m_wizard->StructurePage()->PreviewGroup()->isVisible());
    EXPECT_EQ(m_wizard->StructurePage()->Preview()->toPlainText(), "a,,b");

    m_driver->Click(QWizard::NextButton);
    EXPECT_EQ(m_wizard->windowTitle(), "Fields To Import");
    EXPECT_EQ(m_driver->List()->headerItem()->text(1), "Persons Fields");
    ASSERT_EQ(m_driver->List()->topLevelItemCount(), 3);
    EXPECT_EQ(m_driver->Cell(1, 0), "EMPTY FIELD");
    EXPECT_EQ(m_driver->Cell(2, 0), "b");
}

TEST_F(TransferWizardTest, TheDialogPreselectsTheRowsFieldAndUntickingUnassigns)
{
    ImportUpToFields(RecordKind::Persons, "Town,Name\n");
    ASSERT_TRUE(m_driver->Assign(0, "City"));
    // What the dialog shows on opening: field, box ticked, OK enabled.
    using Seen = std::tuple<QString, bool, bool>;
    Seen seen, unassigned;
    const auto look = [](FieldAssignmentDialog& dialog) {
        return Seen{dialog.FieldList()->currentText(), dialog.ImportBox()->isChecked(),
                    dialog.OkButton()->isEnabled()};
    };
    ASSERT_TRUE(m_driver->ClickRowAndAnswer(0, [&](FieldAssignmentDialog& dialog) {
        seen = look(dialog);
        // F1 in the dialog the wizard owns gives the pop-up of the focused control.
        QTest::keyClick(dialog.ImportBox(), Qt::Key_F1);
        dialog.ImportBox()->setChecked(false);
        dialog.OkButton()->click();
    }));
    EXPECT_EQ(seen, Seen("City", true, true));
    EXPECT_EQ(m_driver->Cell(0, 1), "");
    ASSERT_EQ(m_viewer.m_calls.size(), 1u);
    EXPECT_EQ(m_viewer.m_calls[0].command, HelpCommand::ContextPopup);
    EXPECT_EQ(m_viewer.m_calls[0].data, 1551u);

    // A row without a field: nothing chosen, not ticked, OK off until a field is chosen;
    // closed without OK, the row stays as it was.
    ASSERT_TRUE(m_driver->ClickRowAndAnswer(1, [&](FieldAssignmentDialog& dialog) {
        unassigned = look(dialog);
        dialog.FieldList()->setCurrentIndex(2);
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
    }));
    EXPECT_EQ(unassigned, Seen("", false, false));
    EXPECT_EQ(m_driver->Cell(1, 1), "");
}

// Which fields each type needs is the rule's test; here Finish asks it and stays, or closes.
TEST_F(TransferWizardTest, FinishNeedsTheRequiredFields)
{
    ImportUpToFields(RecordKind::Tasks, "1,2,3,4,5\n");
    m_driver->Click(QWizard::FinishButton);
    EXPECT_TRUE(m_wizard->isVisible());
    ASSERT_TRUE(m_driver->Assign(4, "Priority"));
    m_driver->Click(QWizard::FinishButton);
    ASSERT_EQ(m_prompter.Messages().size(), 2u);
    EXPECT_EQ(m_prompter.Messages()[1].text, "You must include a task as a field to import.");
    EXPECT_TRUE(m_wizard->isVisible());
    ASSERT_TRUE(m_driver->Assign(0, "Task"));
    m_driver->Click(QWizard::FinishButton);
    EXPECT_EQ(m_wizard->result(), QDialog::Accepted);
    EXPECT_EQ(m_prompter.Messages().size(), 2u);
}

TEST_F(TransferWizardTest, ExportTicksFieldsAndNeedsOne)
{
    Open(RecordKind::Tasks, false);
    m_driver->TypePath("out.csv");
    m_driver->Click(QWizard::NextButton);
    EXPECT_TRUE(m_wizard->StructurePage()->PreviewGroup()->isHidden());
    QListWidget* separators = m_wizard->StructurePage()->Separators();
    separators->setCurrentRow(3);
    m_wizard->StructurePage()->NamesBox()->setChecked(false);
    m_driver->Click(QWizard::NextButton);

    QTreeWidget* list = m_driver->List();
    ASSERT_EQ(list->columnCount(), 1);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    m_driver->Click(QWizard::FinishButton);
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "You must tick at least one field to export.");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Import Error");
    EXPECT_EQ(m_prompter.Messages()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(m_wizard->isVisible());

    // A click toggles the row: on twice, off once.
    m_driver->ClickRow(2);
    m_driver->ClickRow(0);
    m_driver->ClickRow(0);
    m_driver->ClickRow(0);
    // Space toggles the current row like a click.
    list->setCurrentItem(list->topLevelItem(1));
    QTest::keyClick(list, Qt::Key_Space);
    m_driver->Click(QWizard::FinishButton);
    EXPECT_EQ(m_wizard->result(), QDialog::Accepted);
    EXPECT_EQ(m_settings.mapping, (std::vector<std::string>{"Task", "DueDate", "Priority"}));
    EXPECT_EQ(m_settings.separator, " ");
    EXPECT_FALSE(m_settings.firstLineHasNames);
}

TEST_F(TransferWizardTest, BackKeepsTheRowsAndTheirFields)
{
    ImportUpToFields(RecordKind::Tasks, "Task;Due\n");
    ASSERT_EQ(m_driver->List()->topLevelItemCount(), 1);
    ASSERT_TRUE(m_driver->Assign(0, "Task"));
    m_driver->Click(QWizard::BackButton);
    m_wizard->StructurePage()->Separators()->setCurrentRow(1);
    m_driver->Click(QWizard::BackButton);
    EXPECT_EQ(m_wizard->windowTitle(), "Select Document");
    m_driver->Click(QWizard::NextButton);
    m_driver->Click(QWizard::NextButton);
    ASSERT_EQ(m_driver->List()->topLevelItemCount(), 1);
    EXPECT_EQ(m_driver->Cell(0, 1), "Task");
    EXPECT_EQ(m_settings.separator, ";");
}

// Nothing is assigned until the click; then the named columns get their fields, the
// others keep theirs, and every assignment can still be changed: a field given to another
// row leaves the row that had it.
TEST_F(TransferWizardTest, MatchColumnsAssignsTheColumnsTheHeaderNames)
{
    ImportUpToFields(RecordKind::Persons, "Given Name,Memo?,Surname,Birthday,Mobile Phone\n");
    QPushButton* match = m_wizard->FieldPage()->MatchButton();
    ASSERT_TRUE(match->isVisible());
    EXPECT_EQ(m_driver->Cell(0, 1), "");
    ASSERT_TRUE(m_driver->Assign(3, "City"));
    ASSERT_TRUE(m_driver->Assign(4, "Fax"));
    QTest::mouseClick(match, Qt::LeftButton);
    EXPECT_EQ(m_driver->Cell(4, 1), "CelPhone");
    ASSERT_TRUE(m_driver->Assign(1, "FirstName"));
    EXPECT_EQ(m_driver->Cell(0, 1), "");
    m_driver->Click(QWizard::FinishButton);
    EXPECT_EQ(m_wizard->result(), QDialog::Accepted);
    EXPECT_EQ(m_settings.mapping,
              (std::vector<std::string>{"", "FirstName", "LastName", "City", "CelPhone"}));

    // A first line of values names nothing: no button.
    ImportUpToFields(RecordKind::Persons, "Given Name,Surname\n");
    m_driver->Click(QWizard::BackButton);
    m_wizard->StructurePage()->NamesBox()->setChecked(false);
    m_driver->Click(QWizard::NextButton);
    EXPECT_FALSE(m_wizard->FieldPage()->MatchButton()->isVisible());
}

TEST_F(TransferWizardTest, HelpButtonAndContextPopups)
{
    for (const bool importing : {true, false}) {
        m_viewer.m_calls.clear();
        Open(RecordKind::Persons, importing);
        m_driver->Click(QWizard::HelpButton);
        ASSERT_EQ(m_viewer.m_calls.size(), 1u);
        EXPECT_EQ(m_viewer.m_calls[0].address,
                  importing ? "/opt/orvane\\Orvane.chm::/html/csvimport.htm>topic"
                            : "/opt/orvane\\Orvane.chm::/html/csvexport.htm>topic");
        EXPECT_EQ(m_viewer.m_calls[0].command, HelpCommand::DisplayTopic);
    }

    m_viewer.m_calls.clear();
    QLineEdit* edit = m_wizard->FilePage()->PathField();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    WizardContextHelp* help = m_wizard->ContextHelp();
    EXPECT_TRUE(
        help->ShowFor(WizardContextHelp::ControlIdOf(m_wizard->button(QWizard::NextButton))));
    EXPECT_FALSE(help->ShowFor(WizardContextHelp::ControlIdOf(m_wizard.get())));
    // The caption's help button: a click in help mode goes to the control under the
    // pointer, or to the nearest parent that has an id; a widget of another window is none
    // of the wizard's business.
    QLineEdit stranger;
    QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(2, 2), QPoint(2, 2));
    for (QWidget* clicked : {m_wizard->StructurePage()->Separators()->viewport(),
                             static_cast<QWidget*>(m_wizard->StructurePage()->Preview()),
                             static_cast<QWidget*>(&stranger)}) {
        QApplication::sendEvent(clicked, &whatsThis);
    }
    std::vector<uint32_t> popups;
    for (const auto& call : m_viewer.m_calls) {
        EXPECT_EQ(call.command, HelpCommand::ContextPopup);
        popups.push_back(call.data);
    }
    EXPECT_EQ(popups, (std::vector<uint32_t>{1500, 1007, 1506, 1502}));

    // Shift+F1 enters the help mode that the caption's button starts.
    m_wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_wizard.get()));
    QTest::keyClick(m_wizard.get(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();

    // Without a viewer help is silent.
    m_help = nullptr;
    EXPECT_FALSE(m_wizard->ShowHelpTopic());
    EXPECT_FALSE(help->ShowFor(1048));
}

}  // namespace
}  // namespace orvane::test

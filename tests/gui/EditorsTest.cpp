#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/EditorsInstaller.h"
#include "rules/commands/CommandIds.h"
#include "rules/editors/EditorFlows.h"
#include "support/FakeContactServices.h"
#include "widgets/editors/ArrowButtons.h"
#include "widgets/editors/PhoneKeyFilter.h"

namespace orvane {
namespace {

using test::FindControl;

class EditorsTest : public test::FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_installer = EditorsInstaller::Install(Frame(), m_prompter, m_dialer, m_desktop);
        LoadSample();
    }

    EditorsInstaller* m_installer = nullptr;
    test::FakeDialer m_dialer;
    test::FakeDesktop m_desktop;
    test::FakeHelpViewer m_help;
};

TEST_F(EditorsTest, AddTaskByTypingAndClickingOk)
{
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Task");
        auto* text = FindControl<QLineEdit>(dialog, 1038);
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(text, "write report");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        EXPECT_TRUE(FindControl<QRadioButton>(dialog, 1025)->isChecked());
        QTest::mouseClick(FindControl<QRadioButton>(dialog, 1023), Qt::LeftButton);
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Task* added = Db().Tasks().Find(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description, "write report");
    EXPECT_EQ(added->Priority, kPriorityLow);
    EXPECT_EQ(Form().List(PaneList::Tasks)->model()->rowCount(), 3);
}

TEST_F(EditorsTest, AddPersonFiltersPhoneKeysButNotPaste)
{
    RunWithEditor(kCmdPersonAdd, [](QWidget* dialog) {
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1013), "Zoe");
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1014), "Abel");
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        // The five number fields drop letters and other signs; the rest take anything.
        for (int id : {1022, 1023, 1024, 1026, 1029, 1025, 1028}) {
            QTest::keyClicks(FindControl<QLineEdit>(dialog, id), "(555) 12ab-34#");
        }
        for (int id : {1022, 1023, 1024, 1026}) {
            EXPECT_EQ(FindControl<QLineEdit>(dialog, id)->text(), "(555) 12-34") << id;
        }
        for (int id : {1029, 1025, 1028}) {
            EXPECT_EQ(FindControl<QLineEdit>(dialog, id)->text(), "(555) 12ab-34#") << id;
        }
        auto* cel = FindControl<QLineEdit>(dialog, 1027);
        // Pasted text may hold a zero character; the record keeps what comes before it.
        QApplication::clipboard()->setText(QString::fromUtf8("call me\0later", 13));
        QTest::keySequence(cel, QKeySequence::Paste);
        EXPECT_EQ(cel->text().size(), 13);
        dialog->findChild<QTabWidget*>()->setCurrentIndex(3);
        QTest::keyClicks(FindControl<QPlainTextEdit>(dialog, 1030), "met at the fair");
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Person* added = Db().Persons().Find(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->HmPhone, "(555) 12-34");
    EXPECT_EQ(added->CelPhone, "call me");
    EXPECT_EQ(added->Notes, "met at the fair");
    EXPECT_EQ(Form().List(PaneList::PhoneBook)->model()->index(0, 0).data().toString(),
              "Abel, Zoe");
}

// Keys pressed in a phone field holding "12|34" (the cursor after "12"), each as the
// desktop sends it: Delete comes with the text "\x7f", Alt+letter with the letter. Which
// typed characters pass is the rule's test.
TEST(PhoneKeyFilter, FiltersTypedCharactersOnly)
{
    struct Press {
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    const std::pair<std::vector<Press>, const char*> cases[] = {
        {{{Qt::Key_Delete, "\x7f"}}, "124"},
        {{{Qt::Key_Home, ""}, {Qt::Key_Plus, "+"}}, "+1234"},
        {{{Qt::Key_A, "a", Qt::AltModifier}, {Qt::Key_5, "5", Qt::AltModifier}}, "1234"},
        {{{Qt::Key_V, "\x16", Qt::ControlModifier}}, "12a#b34"},
    };
    QApplication::clipboard()->setText("a#b");
    for (const auto& [presses, after] : cases) {
        QLineEdit edit("1234");
        PhoneKeyFilter filter;
        edit.installEventFilter(&filter);
        edit.setCursorPosition(2);
        for (const Press& press : presses) {
            QTest::sendKeyEvent(QTest::Click, &edit, press.key, QString::fromUtf8(press.text),
                                press.modifiers);
        }
        EXPECT_EQ(edit.text().toStdString(), after) << presses.front().key;
    }
}

// OK follows the names and company alone; long texts are not cut at a line edit's limit.
TEST_F(EditorsTest, PersonOkFollowsTheGeneralPageAndLongFieldsAreKept)
{
    Person ann = *Db().Persons().Find(1);  // Lee, Ann of Lee Co
    ann.Addr1 = std::string(40000, 'a');
    // A no-break space, a lone CR and a CR LF, which the notes edit would give back changed.
    ann.Notes =
        "Met\xC2\xA0"
        "at the fair\rcall\r\nback";
    Db().Persons().Update(ann);
    Frame().Document().SetModified(false, true);
    ClickRow(PaneList::PhoneBook, 0);
    RunWithEditor(kCmdPersonEdit, [](QWidget* dialog) {
        for (int id : {1013, 1014, 1015}) {
            FindControl<QLineEdit>(dialog, id)->clear();
        }
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1025), "a@b.c");
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(0);
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1015), "Acme");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        FindControl<QLineEdit>(dialog, 1019)->setText(QString(33000, 'b'));
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Person* edited = Db().Persons().Find(1);
    EXPECT_EQ(edited->RName, "");
    EXPECT_EQ(edited->Company, "Acme");
    EXPECT_EQ(edited->Addr1.size(), 40000u);
    EXPECT_EQ(edited->Addr2.size(), 33000u);
    EXPECT_EQ(edited->Notes, ann.Notes);
}

TEST_F(EditorsTest, AddAppointmentWithArrowsAndAlarm)
{
    RunWithEditor(kCmdAppointmentAdd, [](QWidget* dialog) {
        auto* begin = FindControl<QLineEdit>(dialog, 1040);
        EXPECT_EQ(begin->text(), "09:00 AM");  // the clock says 09:00
        auto* beginArrows = FindControl<ArrowButtons>(dialog, 1042);
        QTest::mouseClick(beginArrows->UpButton(), Qt::LeftButton);
        QTest::mouseClick(beginArrows->UpButton(), Qt::LeftButton);
        EXPECT_EQ(begin->text(), "09:30 AM");
        EXPECT_EQ(FindControl<QLineEdit>(dialog, 1041)->text(), "09:45 AM");
        auto* lead = FindControl<ArrowButtons>(dialog, 1039);
        auto* leadEdit = FindControl<QLineEdit>(dialog, 1038);
        QTest::mouseClick(lead->DownButton(), Qt::LeftButton);  // 0 wraps to 60
        EXPECT_EQ(leadEdit->text(), "60");
        QTest::mouseClick(lead->UpButton(), Qt::LeftButton);
        // The arrow keys are shortcuts, which only an active window receives.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        leadEdit->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(leadEdit, Qt::Key_Up);
        }
        EXPECT_EQ(leadEdit->text(), "15");
        auto* alarm = FindControl<QCheckBox>(dialog, 1037);
        QTest::mouseClick(alarm, Qt::LeftButton, {}, QPoint(6, alarm->height() / 2));
        EXPECT_TRUE(alarm->isChecked());
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1033), "standup");
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Appointment* added = Db().Appointments().Find(2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->StartTime.Format("%F %T"), "2026-03-10 09:30:00");
    EXPECT_EQ(added->EndTime.Format("%F %T"), "2026-03-10 09:45:00");
    EXPECT_TRUE(added->Alarm);
    EXPECT_EQ(added->AlarmTime.Format("%F %T"), "2026-03-10 09:15:00");
}

TEST_F(EditorsTest, DueDateOutsideThePickerRangeSurvivesAnEdit)
{
    const int32_t id = Db().Tasks().Add(test::MakeTask("old", test::Day(1985, 6, 1)));
    RunWithEditor([this, id] { m_installer->Flows().EditTask(id); },
                  [](QWidget* dialog) {
                      EXPECT_EQ(dialog->windowTitle(), "Edit Task");
                      QTest::keyClicks(FindControl<QLineEdit>(dialog, 1038), " again");
                      QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
                  });
    EXPECT_EQ(Db().Tasks().Find(id)->Description, "old again");
    EXPECT_EQ(Db().Tasks().Find(id)->DueDate, test::Day(1985, 6, 1));

    RunWithEditor([this, id] { m_installer->Flows().EditTask(id); },
                  [](QWidget* dialog) {
                      FindControl<QDateEdit>(dialog, 1100)->setDate(QDate(1990, 1, 2));
                      QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
                  });
    EXPECT_EQ(Db().Tasks().Find(id)->DueDate, test::Day(1990, 1, 2));
}

// The user sheet needs a name and Cancel keeps the user; F1 and "What's This?" in each editor
// ask for the control's pop-up.
TEST_F(EditorsTest, UserSheetAndEditorHelp)
{
    Db().GetUser().FName = "Pat";
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClick(FindControl<QLineEdit>(dialog, 1038), Qt::Key_F1);  // no viewer yet: silent
    });
    Frame().SetHelpViewer(&m_help);
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClick(FindControl<QLineEdit>(dialog, 1038), Qt::Key_F1);
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() == "Task:") {
                QHelpEvent click(QEvent::WhatsThis, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
                QApplication::sendEvent(label, &click);
            }
        }
    });
    RunWithEditor(kCmdAppointmentAdd, [](QWidget* dialog) {
        QTest::keyClick(FindControl<QCheckBox>(dialog, 1037), Qt::Key_F1);
    });
    RunWithEditor(kCmdPersonAdd, [](QWidget* dialog) {
        QTest::keyClick(FindControl<QCheckBox>(dialog, 1045), Qt::Key_F1);
        QTest::keyClick(FindControl<QPlainTextEdit>(dialog, 1030), Qt::Key_F1);
    });
    RunWithEditor(kCmdEditUser, [](QWidget* dialog) {
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        FindControl<QLineEdit>(dialog, 1013)->clear();
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1014), "Kim");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        FindControl<QLineEdit>(dialog, 1014)->clear();
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(FindControl<QLineEdit>(dialog, 1015), "Acme");  // a company is a name too
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTest::keyClick(FindControl<QLineEdit>(dialog, 1017), Qt::Key_F1);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Frame().SetHelpViewer(nullptr);
    EXPECT_EQ(Db().GetUser().LName, "");
    EXPECT_FALSE(Frame().Document().Modified());
    // Each editor's controls have help numbers of their own.
    std::vector<uint32_t> popups;
    for (const auto& call : m_help.m_calls) {
        EXPECT_EQ(call.command, HelpCommand::ContextPopup);
        popups.push_back(call.data);
    }
    EXPECT_EQ(popups, (std::vector<uint32_t>{2038, 2038, 3037, 4045, 4030, 5017}));
}

TEST_F(EditorsTest, DetailButtonsReachTheContactActions)
{
    Person ann = *Db().Persons().Find(1);
    ann.EMail = "ann@lee.example";
    ann.WkPhone = "555-0199";
    ann.WkExt = "12";
    Db().Persons().Update(ann);
    Frame().Document().SetModified(false, true);
    ClickRow(PaneList::PhoneBook, 0);
    EXPECT_EQ(Form().Control(1005)->property("text").toString(), "555-0199x12");
    EXPECT_FALSE(Form().Control(1004)->isEnabled());
    QTest::mouseClick(Form().Control(1008), Qt::LeftButton);
    EXPECT_EQ(m_desktop.addresses, std::vector<std::string>{"mailto:ann@lee.example"});
    m_dialer.callResult = Dialer::kNoRecipient;
    QTest::mouseClick(Form().Control(1005), Qt::LeftButton);
    EXPECT_EQ(m_dialer.numbers, std::vector<std::string>{"555-0199"});
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Calling Error");
}

}  // namespace
}  // namespace orvane

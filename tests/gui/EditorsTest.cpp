#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <functional>

#include "FrameFixture.h"
#include "app/EditorsInstaller.h"
#include "platform/Desktop.h"
#include "platform/Dialer.h"
#include "platform/HelpViewer.h"
#include "views/ArrowButtons.h"
#include "views/CommandIds.h"
#include "views/EditorFlows.h"

namespace orvane {
namespace {

class NoDialer : public Dialer {
public:
    bool Bind() override { return true; }
    int32_t RequestMakeCall(const std::string& number) override
    {
        numbers.push_back(number);
        return kNoRecipient;
    }
    std::vector<std::string> numbers;
};

class RecordingDesktop : public Desktop {
public:
    bool OpenAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return true;
    }
    std::vector<std::string> addresses;
};

class RecordingHelp : public HelpViewer {
public:
    bool ShowHelp(const std::string&, HelpCommand command, uint32_t data) override
    {
        requests.emplace_back(command, data);
        return true;
    }
    std::vector<std::pair<HelpCommand, uint32_t>> requests;
};

class EditorsTest : public test::FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_installer = EditorsInstaller::Install(Frame(), m_prompter, m_dialer, m_desktop);
        LoadSample();
    }

    // Runs a command whose modal editor the script then works like a user.
    void RunWithEditor(int commandId, std::function<void(QWidget*)> script)
    {
        RunWithEditor([this, commandId] { Frame().RunCommand(commandId); }, std::move(script));
    }
    void RunWithEditor(const std::function<void()>& open, std::function<void(QWidget*)> script)
    {
        bool ran = false;
        auto* poll = new QTimer(&Frame());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, &ran, script] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                poll->stop();
                ran = true;
                script(dialog);
                if (dialog->isVisible()) {
                    static_cast<QDialog*>(dialog)->reject();
                }
            }
        });
        poll->start(10);
        open();
        poll->deleteLater();
        EXPECT_TRUE(ran) << "no editor opened";
    }

    template <class W = QWidget>
    static W* Find(QWidget* dialog, int controlId)
    {
        for (W* widget : dialog->findChildren<W*>()) {
            if (widget->property("controlId").toInt() == controlId) {
                return widget;
            }
        }
        ADD_FAILURE() << "no control " << controlId;
        return nullptr;
    }
    static QPushButton* OkOf(QWidget* dialog)
    {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "&Ok" || button->text() == "OK" || button->text() == "&OK") {
                return button;
            }
        }
        ADD_FAILURE() << "no OK button";
        return nullptr;
    }

    EditorsInstaller* m_installer = nullptr;
    NoDialer m_dialer;
    RecordingDesktop m_desktop;
    RecordingHelp m_help;
};

TEST_F(EditorsTest, AddTaskByTypingAndClickingOk)
{
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Task");
        auto* text = Find<QLineEdit>(dialog, 1038);
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(text, "write report");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        EXPECT_TRUE(Find<QRadioButton>(dialog, 1025)->isChecked());
        QTest::mouseClick(Find<QRadioButton>(dialog, 1023), Qt::LeftButton);
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Task* added = Db().Tasks().Find(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description, "write report");
    EXPECT_EQ(added->Priority, kPriorityLow);
    EXPECT_EQ(added->DueDate, test::Day(2026, 3, 10));
    EXPECT_TRUE(Frame().Document().Modified());
    EXPECT_EQ(Form().List(PaneList::Tasks)->model()->rowCount(), 3);
}

TEST_F(EditorsTest, AddPersonFiltersPhoneKeysButNotPaste)
{
    RunWithEditor(kCmdPersonAdd, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Person");
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        EXPECT_TRUE(Find<QCheckBox>(dialog, 1044)->isChecked());
        EXPECT_FALSE(Find<QCheckBox>(dialog, 1045)->isChecked());
        QTest::keyClicks(Find<QLineEdit>(dialog, 1013), "Zoe");
        QTest::keyClicks(Find<QLineEdit>(dialog, 1014), "Abel");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        // The five number fields drop letters and other signs; the rest take anything.
        for (int id : {1022, 1023, 1024, 1026, 1029, 1025, 1028}) {
            QTest::keyClicks(Find<QLineEdit>(dialog, id), "(555) 12ab-34#");
        }
        for (int id : {1022, 1023, 1024, 1026}) {
            EXPECT_EQ(Find<QLineEdit>(dialog, id)->text(), "(555) 12-34") << id;
        }
        for (int id : {1029, 1025, 1028}) {
            EXPECT_EQ(Find<QLineEdit>(dialog, id)->text(), "(555) 12ab-34#") << id;
        }
        QTest::keyClicks(Find<QLineEdit>(dialog, 1027), "9x");
        EXPECT_EQ(Find<QLineEdit>(dialog, 1027)->text(), "9");
        Find<QLineEdit>(dialog, 1027)->clear();
        auto* cel = Find<QLineEdit>(dialog, 1027);
        QApplication::clipboard()->setText("call me");
        QTest::keySequence(cel, QKeySequence::Paste);
        EXPECT_EQ(cel->text(), "call me");
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Person* added = Db().Persons().Find(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->RName, "Abel, Zoe");
    EXPECT_EQ(added->HmPhone, "(555) 12-34");
    EXPECT_EQ(added->WkExt, "(555) 12ab-34#");
    EXPECT_EQ(added->CelPhone, "call me");
    auto* phoneList = Form().List(PaneList::PhoneBook);
    ASSERT_EQ(phoneList->model()->rowCount(), 3);
    EXPECT_EQ(phoneList->model()->index(0, 0).data().toString(), "Abel, Zoe");
}

TEST_F(EditorsTest, PersonOkFollowsOnlyTheGeneralPage)
{
    ClickRow(PaneList::PhoneBook, 0);  // Lee, Ann of Lee Co
    RunWithEditor(kCmdPersonEdit, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Edit Person");
        for (int id : {1013, 1014, 1015}) {
            Find<QLineEdit>(dialog, id)->clear();
        }
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTest::keyClicks(Find<QLineEdit>(dialog, 1025), "a@b.c");
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        dialog->findChild<QTabWidget*>()->setCurrentIndex(0);
        QTest::keyClicks(Find<QLineEdit>(dialog, 1015), "Acme");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Person* edited = Db().Persons().Find(1);
    EXPECT_EQ(edited->RName, "");
    EXPECT_EQ(edited->Company, "Acme");
    EXPECT_EQ(edited->EMail, "a@b.c");
    EXPECT_EQ(Form().Model().State().person.id, -1);
}

TEST_F(EditorsTest, LongFieldsAreNotCut)
{
    Person ann = *Db().Persons().Find(1);
    ann.Addr1 = std::string(40000, 'a');
    Db().Persons().Update(ann);
    Frame().Document().SetModified(false, true);
    ClickRow(PaneList::PhoneBook, 0);
    RunWithEditor(kCmdPersonEdit, [](QWidget* dialog) {
        auto* city = Find<QLineEdit>(dialog, 1020);
        QTest::keyClicks(city, "Keene");
        auto* addr2 = Find<QLineEdit>(dialog, 1019);
        addr2->setText(QString(33000, 'b'));
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    EXPECT_EQ(Db().Persons().Find(1)->Addr1.size(), 40000u);
    EXPECT_EQ(Db().Persons().Find(1)->Addr2.size(), 33000u);
    EXPECT_EQ(Db().Persons().Find(1)->City, "Keene");
}

TEST_F(EditorsTest, AddAppointmentWithArrowsAndAlarm)
{
    RunWithEditor(kCmdAppointmentAdd, [](QWidget* dialog) {
        auto* begin = Find<QLineEdit>(dialog, 1040);
        auto* end = Find<QLineEdit>(dialog, 1041);
        EXPECT_EQ(begin->text(), "09:00 AM");  // the clock says 09:00
        EXPECT_EQ(end->text(), "09:15 AM");
        EXPECT_FALSE(begin->isEnabled());
        auto* beginArrows = Find<ArrowButtons>(dialog, 1042);
        QTest::mouseClick(beginArrows->UpButton(), Qt::LeftButton);
        QTest::mouseClick(beginArrows->UpButton(), Qt::LeftButton);
        EXPECT_EQ(begin->text(), "09:30 AM");
        EXPECT_EQ(end->text(), "09:45 AM");
        auto* lead = Find<ArrowButtons>(dialog, 1039);
        QTest::mouseClick(lead->DownButton(), Qt::LeftButton);  // 0 wraps to 60
        EXPECT_EQ(Find<QLineEdit>(dialog, 1038)->text(), "60");
        QTest::mouseClick(lead->UpButton(), Qt::LeftButton);
        auto* leadEdit = Find<QLineEdit>(dialog, 1038);
        leadEdit->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(leadEdit, Qt::Key_Up);
        }
        EXPECT_EQ(Find<QLineEdit>(dialog, 1038)->text(), "15");
        auto* alarm = Find<QCheckBox>(dialog, 1037);
        QTest::mouseClick(alarm, Qt::LeftButton, {}, QPoint(6, alarm->height() / 2));
        EXPECT_TRUE(alarm->isChecked());
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(Find<QLineEdit>(dialog, 1033), "standup");
        QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
    });
    const Appointment* added = Db().Appointments().Find(2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description, "standup");
    EXPECT_EQ(added->StartTime.Format("%F %T"), "2026-03-10 09:30:00");
    EXPECT_EQ(added->EndTime.Format("%F %T"), "2026-03-10 09:45:00");
    EXPECT_TRUE(added->Alarm);
    EXPECT_EQ(added->AlarmTime.Format("%F %T"), "2026-03-10 09:15:00");
    EXPECT_EQ(Form().List(PaneList::Appointments)->model()->rowCount(), 2);
}

TEST_F(EditorsTest, DueDateOutsideThePickerRangeSurvivesAnEdit)
{
    const int32_t id = Db().Tasks().Add(test::MakeTask("old", test::Day(1985, 6, 1)));
    RunWithEditor([this, id] { m_installer->Flows().EditTask(id); },
                  [](QWidget* dialog) {
                      EXPECT_EQ(dialog->windowTitle(), "Edit Task");
                      QTest::keyClicks(Find<QLineEdit>(dialog, 1038), " again");
                      QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
                  });
    EXPECT_EQ(Db().Tasks().Find(id)->Description, "old again");
    EXPECT_EQ(Db().Tasks().Find(id)->DueDate, test::Day(1985, 6, 1));

    RunWithEditor([this, id] { m_installer->Flows().EditTask(id); },
                  [](QWidget* dialog) {
                      Find<QDateEdit>(dialog, 1100)->setDate(QDate(1990, 1, 2));
                      QTest::mouseClick(OkOf(dialog), Qt::LeftButton);
                  });
    EXPECT_EQ(Db().Tasks().Find(id)->DueDate, test::Day(1990, 1, 2));
}

TEST_F(EditorsTest, UserSheetNeedsANameAndCancelKeepsTheUser)
{
    Db().GetUser().FName = "Pat";
    RunWithEditor(kCmdEditUser, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Edit User");
        EXPECT_EQ(dialog->findChild<QTabWidget*>()->count(), 2);
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        Find<QLineEdit>(dialog, 1013)->clear();
        EXPECT_FALSE(OkOf(dialog)->isEnabled());
        QTest::keyClicks(Find<QLineEdit>(dialog, 1014), "Kim");
        EXPECT_TRUE(OkOf(dialog)->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Db().GetUser().FName, "Pat");
    EXPECT_EQ(Db().GetUser().LName, "");
    EXPECT_FALSE(Frame().Document().Modified());
}

TEST_F(EditorsTest, F1AndWhatsThisAskForTheControlsPopup)
{
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClick(Find<QLineEdit>(dialog, 1038), Qt::Key_F1);  // no viewer yet: silent
    });
    Frame().SetHelpViewer(&m_help);
    RunWithEditor(kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClick(Find<QLineEdit>(dialog, 1038), Qt::Key_F1);
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() == "Task:") {
                QHelpEvent click(QEvent::WhatsThis, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
                QApplication::sendEvent(label, &click);
            }
        }
    });
    RunWithEditor(kCmdAppointmentAdd, [](QWidget* dialog) {
        QTest::keyClick(Find<QCheckBox>(dialog, 1037), Qt::Key_F1);
    });
    RunWithEditor(kCmdPersonAdd, [](QWidget* dialog) {
        QTest::keyClick(Find<QCheckBox>(dialog, 1045), Qt::Key_F1);
    });
    RunWithEditor(kCmdEditUser, [](QWidget* dialog) {
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTest::keyClick(Find<QLineEdit>(dialog, 1017), Qt::Key_F1);
    });
    Frame().SetHelpViewer(nullptr);
    using Request = std::pair<HelpCommand, uint32_t>;
    // Each editor's controls have help numbers of their own.
    EXPECT_EQ(m_help.requests, (std::vector<Request>{{HelpCommand::ContextPopup, 2038},
                                                     {HelpCommand::ContextPopup, 2038},
                                                     {HelpCommand::ContextPopup, 3037},
                                                     {HelpCommand::ContextPopup, 4045},
                                                     {HelpCommand::ContextPopup, 5017}}));
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
    QTest::mouseClick(Form().Control(1008), Qt::LeftButton);
    EXPECT_EQ(m_desktop.addresses, std::vector<std::string>{"mailto:ann@lee.example"});
    QTest::mouseClick(Form().Control(1005), Qt::LeftButton);
    EXPECT_EQ(m_dialer.numbers, std::vector<std::string>{"555-0199"});
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].caption, "Calling Error");
}

}  // namespace
}  // namespace orvane

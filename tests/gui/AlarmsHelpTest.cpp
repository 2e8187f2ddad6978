#include <QAudioDevice>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>

#include "FrameFixture.h"
#include "WizardDriver.h"
#include "app/AlarmsAndHelp.h"
#include "app/FormHelp.h"
#include "app/adapters/QtSoundPlayer.h"
#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramDirectory.h"
#include "rules/alarms/AlarmScheduler.h"
#include "rules/commands/CommandIds.h"
#include "widgets/help/HelpWindow.h"
#include "widgets/reminder/ReminderDialog.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

class AlarmsAndHelpTest : public test::FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_installed = AlarmsAndHelp::Install(Frame(), m_prompter, m_settings);
    }
    // The requests that reached the frame's viewer.
    test::FakeHelpViewer& Viewer()
    {
        Frame().SetHelpViewer(&m_viewer);
        return m_viewer;
    }
    std::string Topic(std::string_view page)
    {
        return HelpAddress::Topic(ProgramDirectory::Current(), page);
    }

    AlarmsAndHelp* m_installed = nullptr;
    test::FakeHelpViewer m_viewer;
};

TEST_F(AlarmsAndHelpTest, DueAlarmRaisesTheReminderOverTheWindow)
{
    LoadSample();  // "meeting" at 10:00 with its alarm at 10:00
    Frame().show();
    m_clock.Get().Set(2026, 3, 10, 10, 0, 0);

    QString message;
    bool onTop = false;
    bool kept = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ReminderDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        message = test::FindControl<QLabel>(dialog, ReminderDialog::kMessageId)->text();
        onTop = dialog->isModal() && (dialog->windowFlags() & Qt::WindowStaysOnTopHint);
        m_installed->Scheduler().CheckAlarms();  // a tick while it is open
        // Only OK closes it: not Escape, not the close box.
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        kept = dialog->isVisible();
        test::FindControl<QCheckBox>(dialog, ReminderDialog::kTurnOffId)->click();
        test::FindControl<QPushButton>(dialog, ReminderDialog::kOkId)->click();
    });
    emit m_installed->Timer()->timeout({});

    EXPECT_EQ(message, "This is your reminder for your 11:00 AM appointment.");
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(kept);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(Db().Appointments().Find(1)->Alarm);
}

TEST_F(AlarmsAndHelpTest, AlarmSoundCommandStoresTheChosenFile)
{
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "beep.wav") << "created at start";
    m_prompter.QueuePath("/home/me/sounds/gong.wav");
    Frame().RunCommand(kCmdAlarmSound);
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "/home/me/sounds/gong.wav");
}

TEST_F(AlarmsAndHelpTest, F1OpensThePaneTopic)
{
    test::FakeHelpViewer& viewer = Viewer();
    Frame().show();
    QWidget* calendarInside = Form().Calendar()->findChild<QAbstractItemView*>();
    ASSERT_NE(calendarInside, nullptr);
    QTest::keyClick(calendarInside, Qt::Key_F1);
    QTest::keyClick(Form().Control(1002), Qt::Key_F1);
    QTest::keyClick(Form().Control(1044), Qt::Key_F1);
    ASSERT_EQ(viewer.m_calls.size(), 3u);
    EXPECT_EQ(viewer.m_calls[0].address, Topic("calendar.htm"));
    EXPECT_EQ(viewer.m_calls[0].command, HelpCommand::DisplayTopic);
    EXPECT_EQ(viewer.m_calls[2].address, Topic("phonebook.htm"));
}

TEST_F(AlarmsAndHelpTest, ContextHelpModePicksTheClickedControl)
{
    // Without a viewer help is silent.
    Frame().SetHelpViewer(nullptr);
    Frame().RunCommand(kCmdHelpTopics);
    EXPECT_FALSE(m_installed->Forms()->HelpFor(Form().Calendar()));
    EXPECT_TRUE(m_prompter.Messages().empty());

    test::FakeHelpViewer& viewer = Viewer();
    Frame().show();
    Frame().RunCommand(kCmdContextHelp);
    ASSERT_TRUE(m_installed->Forms()->InContextHelpMode());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);

    QTest::mouseClick(Form().Control(1011), Qt::LeftButton);  // the date caption
    EXPECT_FALSE(m_installed->Forms()->InContextHelpMode());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(viewer.m_calls.size(), 1u);
    EXPECT_EQ(viewer.m_calls[0].address, Topic("apptbook.htm"));

    // A click on no control ends the mode without help.
    Frame().RunCommand(kCmdContextHelp);
    QTest::mouseClick(&Form(), Qt::LeftButton, {}, QPoint(Form().width() - 1, 1));
    EXPECT_FALSE(m_installed->Forms()->InContextHelpMode());
    EXPECT_EQ(viewer.m_calls.size(), 1u);

    Frame().RunCommand(kCmdHelpTopics);
    ASSERT_EQ(viewer.m_calls.size(), 2u);
    EXPECT_EQ(viewer.m_calls[1].address, HelpAddress::Contents(ProgramDirectory::Current()));
    EXPECT_EQ(viewer.m_calls[1].command, HelpCommand::TableOfContents);
}

// The pages shipped with the program, as a folder beside a program would hold them.
std::string ShippedPages()
{
    return ORVANE_SOURCE_DIR "/resources";
}

TEST(HelpWindowTest, ShowsEveryShippedTopicAndTheirLinksLeadToShippedPages)
{
    HelpWindow window({});
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    for (const auto& entry : fs::directory_iterator(ShippedPages() + "/html")) {
        const std::string page = entry.path().filename().string();
        ASSERT_TRUE(
            window.ShowHelp(HelpAddress::Topic(ShippedPages(), page), HelpCommand::DisplayTopic, 0))
            << page;
        EXPECT_FALSE(window.Browser()->toPlainText().isEmpty()) << page;

        QFile file(QString::fromStdString(ShippedPages() + "/html/" + page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QUrl resolved = window.Browser()->source().resolved(QUrl(target));
            EXPECT_TRUE(QFile::exists(resolved.toLocalFile()))
                << page << " links to " << target.toStdString();
        }
    }
}

TEST(HelpWindowTest, ContentsAndPopups)
{
    HelpWindow window({});
    EXPECT_TRUE(
        window.ShowHelp(HelpAddress::Contents(ShippedPages()), HelpCommand::TableOfContents, 0));
    EXPECT_EQ(window.Browser()->source().fileName(), "Introduction.htm");

    const std::string file = HelpAddress::File(ShippedPages());
    EXPECT_TRUE(window.ShowHelp(file, HelpCommand::ContextPopup, 1600));
    EXPECT_TRUE(window.LastPopup().startsWith("The persons of the listing"));
    EXPECT_FALSE(window.ShowHelp(file, HelpCommand::ContextPopup, 1006));
}

TEST(HelpWindowTest, MissingHelpFailsSilentlyAndIsNotRetried)
{
    const fs::path dir = fs::temp_directory_path() / "orvane no help";
    fs::remove_all(dir);
    fs::create_directories(dir / "html");
    HelpWindow window({});
    const std::string contents = HelpAddress::Contents(dir.string());
    EXPECT_FALSE(window.ShowHelp(contents, HelpCommand::TableOfContents, 0));
    std::ofstream(dir / "html/Introduction.htm") << "<p>late</p>";
    EXPECT_FALSE(window.ShowHelp(contents, HelpCommand::TableOfContents, 0));
    EXPECT_FALSE(window.isVisible());
    fs::remove_all(dir);
}

TEST(QtSoundPlayerTest, BareNamesAreFoundBesideTheProgram)
{
    const std::string beside = ORVANE_BINARY_DIR "/src/app";
    const QtSoundPlayer player({"/nonexistent", beside});
    EXPECT_EQ(player.Locate("beep.wav"), beside + "/beep.wav");
    EXPECT_EQ(player.Locate("missing.wav"), "missing.wav");
}

TEST(QtSoundPlayerTest, WithoutAudioOutputTheReminderStaysSilent)
{
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        GTEST_SKIP() << "this machine has an audio output";
    }
    QtSoundPlayer player({ORVANE_BINARY_DIR "/src/app"});
    player.PlayLooped("beep.wav");
    EXPECT_FALSE(player.Playing());
    player.StopAll();
}

}  // namespace
}  // namespace orvane

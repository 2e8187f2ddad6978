#include <QAudioDevice>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>

#include "FrameFixture.h"
#include "app/AlarmsAndHelp.h"
#include "app/FormHelp.h"
#include "app/HelpWindow.h"
#include "app/QtSettingsStore.h"
#include "app/QtSoundPlayer.h"
#include "platform/AlarmSoundSetting.h"
#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramDirectory.h"
#include "views/AlarmScheduler.h"
#include "views/CommandIds.h"
#include "views/ReminderDialog.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Records the help requests instead of showing anything.
class RecordingViewer : public HelpViewer {
public:
    struct Request {
        std::string address;
        HelpCommand command;
    };
    bool ShowHelp(const std::string& address, HelpCommand command, uint32_t) override
    {
        requests.push_back({address, command});
        return true;
    }
    std::vector<Request> requests;
};

ReminderDialog* OpenReminder()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ReminderDialog*>(widget); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

QWidget* Child(QWidget* parent, int controlId)
{
    for (QWidget* w : parent->findChildren<QWidget*>()) {
        if (w->property("controlId").toInt() == controlId) {
            return w;
        }
    }
    return nullptr;
}

TEST(ReminderDialogTest, OnlyOkCloses)
{
    ReminderDialog dialog;
    dialog.SetMessage("This is your reminder for your 10:30 PM appointment.");
    dialog.open();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Appointment Reminder");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(qobject_cast<QLabel*>(Child(&dialog, ReminderDialog::kMessageId))->text(),
              "This is your reminder for your 10:30 PM appointment.");

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Escape does nothing";
    dialog.close();
    EXPECT_TRUE(dialog.isVisible()) << "the close box does nothing";

    auto* box = qobject_cast<QCheckBox*>(Child(&dialog, ReminderDialog::kTurnOffId));
    auto* ok = qobject_cast<QPushButton*>(Child(&dialog, ReminderDialog::kOkId));
    ASSERT_TRUE(box && ok);
    EXPECT_EQ(box->text(), "&Turn off alarm");
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_FALSE(box->isChecked());
    box->click();
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.TurnOff());
}

class AlarmsAndHelpTest : public test::FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        m_installed = AlarmsAndHelp::Install(Frame(), m_prompter, m_settings);
    }
    // The requests that reached the frame's viewer.
    RecordingViewer& Viewer()
    {
        Frame().SetHelpViewer(&m_viewer);
        return m_viewer;
    }
    std::string Topic(std::string_view page)
    {
        return HelpAddress::Topic(ProgramDirectory::Current(), page);
    }

    AlarmsAndHelp* m_installed = nullptr;
    RecordingViewer m_viewer;
};

TEST_F(AlarmsAndHelpTest, DueAlarmRaisesTheReminderOverTheWindow)
{
    LoadSample();  // "meeting" at 10:00 with its alarm at 10:00
    EXPECT_TRUE(m_installed->Timer()->isActive());
    EXPECT_EQ(m_installed->Timer()->interval(), 60000);
    Frame().show();
    m_clock.Get().Set(2026, 3, 10, 10, 0, 0);

    QString message;
    bool onTop = false;
    QTimer::singleShot(0, [&] {
        ReminderDialog* dialog = OpenReminder();
        if (dialog == nullptr) {
            return;
        }
        message = dialog->Message();
        onTop = dialog->isModal() && (dialog->windowFlags() & Qt::WindowStaysOnTopHint);
        m_installed->Scheduler().CheckAlarms();  // a tick while it is open
        qobject_cast<QCheckBox*>(Child(dialog, ReminderDialog::kTurnOffId))->click();
        qobject_cast<QPushButton*>(Child(dialog, ReminderDialog::kOkId))->click();
    });
    emit m_installed->Timer()->timeout({});

    EXPECT_EQ(message, "This is your reminder for your 11:00 AM appointment.");
    EXPECT_TRUE(onTop);
    EXPECT_EQ(OpenReminder(), nullptr);
    EXPECT_FALSE(Db().Appointments().Find(1)->Alarm);
    EXPECT_TRUE(Frame().Document().Modified());
    EXPECT_FALSE(Form().Model().Appointments().Rows()[0].alarm);
}

TEST_F(AlarmsAndHelpTest, AlarmSoundCommandStoresTheChosenFile)
{
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "beep.wav") << "created at start";
    m_prompter.QueuePath("/home/me/sounds/gong.wav");
    Frame().RunCommand(kCmdAlarmSound);
    EXPECT_EQ(m_installed->Scheduler().SoundPath(), "/home/me/sounds/gong.wav");
    EXPECT_EQ(m_settings.ReadString("Alarm", "AlarmSound"), "/home/me/sounds/gong.wav");
    ASSERT_EQ(m_prompter.FileQuestions().size(), 1u);
    EXPECT_EQ(m_prompter.FileQuestions()[0].request.filters[0].description, "Wave Files (*.wav)");
}

TEST_F(AlarmsAndHelpTest, F1OpensThePaneTopic)
{
    RecordingViewer& viewer = Viewer();
    Frame().show();
    QWidget* calendarInside = Form().Calendar()->findChild<QAbstractItemView*>();
    ASSERT_NE(calendarInside, nullptr);
    QTest::keyClick(calendarInside, Qt::Key_F1);
    QTest::keyClick(Form().Control(1002), Qt::Key_F1);
    QTest::keyClick(Form().Control(1044), Qt::Key_F1);
    ASSERT_EQ(viewer.requests.size(), 3u);
    EXPECT_EQ(viewer.requests[0].address, Topic("calendar.htm"));
    EXPECT_EQ(viewer.requests[0].command, HelpCommand::DisplayTopic);
    EXPECT_EQ(viewer.requests[1].address, Topic("tasklist.htm"));
    EXPECT_EQ(viewer.requests[2].address, Topic("phonebook.htm"));
}

TEST_F(AlarmsAndHelpTest, ContextHelpModePicksTheClickedControl)
{
    RecordingViewer& viewer = Viewer();
    Frame().show();
    Frame().RunCommand(kCmdContextHelp);
    ASSERT_TRUE(m_installed->Forms()->InContextHelpMode());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);

    QTest::mouseClick(Form().Control(1011), Qt::LeftButton);  // the date caption
    EXPECT_FALSE(m_installed->Forms()->InContextHelpMode());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(viewer.requests.size(), 1u);
    EXPECT_EQ(viewer.requests[0].address, Topic("apptbook.htm"));

    // A click on no control ends the mode without help.
    Frame().RunCommand(kCmdContextHelp);
    QTest::mouseClick(&Form(), Qt::LeftButton, {}, QPoint(Form().width() - 1, 1));
    EXPECT_FALSE(m_installed->Forms()->InContextHelpMode());
    EXPECT_EQ(viewer.requests.size(), 1u);
}

TEST_F(AlarmsAndHelpTest, HelpTopicsOpensTheContents)
{
    RecordingViewer& viewer = Viewer();
    Frame().RunCommand(kCmdHelpTopics);
    ASSERT_EQ(viewer.requests.size(), 1u);
    EXPECT_EQ(viewer.requests[0].address, HelpAddress::Contents(ProgramDirectory::Current()));
    EXPECT_EQ(viewer.requests[0].command, HelpCommand::TableOfContents);
}

TEST_F(AlarmsAndHelpTest, WithoutAViewerHelpIsSilent)
{
    Frame().SetHelpViewer(nullptr);
    Frame().RunCommand(kCmdHelpTopics);
    EXPECT_FALSE(m_installed->Forms()->HelpFor(Form().Calendar()));
    EXPECT_TRUE(m_prompter.Messages().empty());
}

TEST(AlarmSoundStoreTest, NewProfileGetsTheDefaultAndTooLongPathsAreIgnored)
{
    const QString file =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Kestrow/Orvane!.conf");
    QFile::remove(file);
    std::string path;
    {
        QtSettingsStore store;
        EXPECT_FALSE(AlarmSoundSetting::Read(store, path));
    }
    QtSettingsStore store;
    EXPECT_EQ(store.ReadString("Alarm", "AlarmSound"), "beep.wav");
    EXPECT_TRUE(QFile::exists(file));

    const std::string chosen = "/home/me/My Sounds/bell.wav";
    EXPECT_TRUE(AlarmSoundSetting::Write(store, chosen));
    {
        QtSettingsStore nextStart;
        std::string read;
        EXPECT_TRUE(AlarmSoundSetting::Read(nextStart, read));
        EXPECT_EQ(read, chosen);
    }
    EXPECT_TRUE(store.WriteString("Alarm", "AlarmSound", "/" + std::string(259, 'x')));
    QtSettingsStore nextStart;
    std::string read = "before";
    EXPECT_FALSE(AlarmSoundSetting::Read(nextStart, read));
    EXPECT_EQ(read, "before");
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
    for (const char* page : {"Introduction.htm", "calendar.htm", "apptbook.htm", "tasklist.htm",
                             "phonebook.htm", "dlgpraddr.htm", "csvimport.htm", "csvexport.htm"}) {
        ASSERT_TRUE(
            window.ShowHelp(HelpAddress::Topic(ShippedPages(), page), HelpCommand::DisplayTopic, 0))
            << page;
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.Browser()->source().fileName(), page);
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
    EXPECT_EQ(window.Browser()->documentTitle(), "Orvane! Help");

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
    EXPECT_FALSE(window.isVisible());
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
    EXPECT_EQ(player.Locate("/home/me/gong.wav"), "/home/me/gong.wav");
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

// The default sound as shipped beside the program: a short mono PCM wave.
TEST(QtSoundPlayerTest, ShippedBeepIsAShortPcmWave)
{
    QFile file(ORVANE_BINARY_DIR "/src/app/beep.wav");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 44);
    EXPECT_EQ(bytes.mid(0, 4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    const auto u16 = [&](int at) {
        return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
    };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    EXPECT_EQ(u16(20), 1) << "PCM";
    const int byteRate = u32(28);
    ASSERT_GT(byteRate, 0);
    const double seconds = static_cast<double>(u32(40)) / byteRate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LE(seconds, 2.0);
}

}  // namespace
}  // namespace orvane

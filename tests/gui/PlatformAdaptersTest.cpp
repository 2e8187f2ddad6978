#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/adapters/QtDesktop.h"
#include "app/adapters/QtDialer.h"
#include "app/adapters/QtLocaleNames.h"
#include "app/adapters/QtPrompter.h"
#include "app/adapters/QtSettingsStore.h"
#include "exchange/TransferWizardRules.h"
#include "platform/ConfigFileSettings.h"
#include "platform/PictureLocale.h"
#include "support/Golden.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {
namespace {

TEST(QtLocaleNames, TimeFormatsBecomePicturesWithAndWithoutSeconds)
{
    for (const auto& row : test::RowsOf("locale/qt-time-formats.txt")) {
        const QString qt = QString::fromStdString(row[0]);
        EXPECT_EQ(QtLocaleNames::TimePicture(qt), row[1]) << row[0];
        EXPECT_EQ(QtLocaleNames::TimePictureWithoutSeconds(qt), row[2]) << row[0];
    }
}

TEST(QtLocaleNames, DesktopNamesFormatDatesAndTimes)
{
    struct Case {
        QLocale locale;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "Sunday, March 8, 2026", "2:05 PM"},
        {QLocale(QLocale::German, QLocale::Germany), "Sonntag, 8. M\xC3\xA4rz 2026", "14:05"},
    };
    // A Sunday: the day Qt counts last and the program first.
    const SystemTime t{.year = 2026, .month = 3, .day = 8, .hour = 14, .minute = 5};
    for (const Case& c : cases) {
        const PictureLocale desktop(QtLocaleNames::FromQLocale(c.locale));
        EXPECT_EQ(desktop.FormatDate(t, DateStyle::Long), c.date);
        EXPECT_EQ(desktop.FormatTime(t, TimeStyle::NoSeconds), c.time);
    }
}

TEST(DisplayText, ShowsUtf8AndWindows1252AndStoresTypedTextAsUtf8)
{
    EXPECT_EQ(DisplayText::ToDisplay("M\xC3\xBCller"), QString::fromUtf8("M\xC3\xBCller"));
    EXPECT_EQ(DisplayText::ToDisplay("M\xFCller \x80"),
              QString::fromUtf8("M\xC3\xBCller \xE2\x82\xAC"));
    EXPECT_EQ(DisplayText::FromTyped(QString::fromUtf8("\xC3\xA9t\xC3\xA9")), "\xC3\xA9t\xC3\xA9");
}

TEST(QtSettingsStore, KeepsGroupsAndValuesInTheProgramsFile)
{
    // The command line reads back whatever the window wrote, in the file QSettings made.
    const std::tuple<std::string, std::string, std::string> values[] = {
        {"Recent Document List", "Document1", "/tmp/a b.pgr"},
        {"Sync", "Command", "vdirsyncer sync  \"x\" \\"},
        {"Sync", "Contacts", " /home/ann/My Contacts "},
        {"Window", "Place", "[left]"},
        {"Group With Space", "Key/Sub", "\xC3\xBCn\xC3\xAF \xE2\x9C\x93;#="},
    };
    {
        QtSettingsStore writer;  // written out when it goes
        ASSERT_TRUE(writer.IsAvailable());
        for (const auto& [group, name, value] : values) {
            EXPECT_TRUE(writer.WriteString(group, name, value));
        }
        EXPECT_TRUE(writer.WriteNumber("Recent Document List", "DocumentCount", 6));
    }
    const ConfigFileSettings file(ConfigFileSettings::UserFile());
    ASSERT_TRUE(file.IsAvailable());
    for (const auto& [group, name, value] : values) {
        EXPECT_EQ(file.ReadString(group, name), value) << group << "/" << name;
    }
    EXPECT_EQ(file.ReadNumber("Recent Document List", "DocumentCount"), 6u);

    QtSettingsStore store;
    EXPECT_FALSE(store.HasGroup("Missing"));
    EXPECT_EQ(store.ReadNumber("Recent Document List", "DocumentCount"), 6u);
    EXPECT_EQ(store.ReadString("Recent Document List", "Document1"), "/tmp/a b.pgr");
    EXPECT_EQ(store.ReadNumber("Recent Document List", "Document1"), std::nullopt);
    store.RemoveValue("Recent Document List", "Document1");
    EXPECT_EQ(store.ReadString("Recent Document List", "Document1"), std::nullopt);
}

// Runs check on the modal window that the next exec() opens.
template <class Dialog, class Check>
void WhenOpen(Check check)
{
    QTimer::singleShot(0, [check] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
                check(dialog);
                return;
            }
        }
        ADD_FAILURE() << "no dialog open";
    });
}

TEST(QtPrompter, MessageBoxShowsTheExactQuestion)
{
    QtPrompter prompter;
    WhenOpen<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Save changes to Untitled?");
        EXPECT_EQ(box->windowTitle(), "Orvane!");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompter.ShowMessage("Save changes to Untitled?", "Orvane!",
                                   MessageButtons::YesNoCancel, MessageIcon::Warning),
              MessageAnswer::No);

    WhenOpen<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(prompter.ShowMessage("Error saving x.", "Orvane!", MessageButtons::RetryCancel,
                                   MessageIcon::Error),
              MessageAnswer::Retry);
}

TEST(QtPrompter, SaveDialogHasTheFiltersSuffixAndOverwriteCheck)
{
    QtPrompter prompter;
    FileDialogRequest request;
    request.filters = {{"Orvane Files (*.pgr)", "*.pgr"}, {"All Files (*.*)", "*.*"}};
    request.defaultExtension = "pgr";
    request.initialName = "Untitled";
    request.confirmOverwrite = true;
    const QString folder = QDir::tempPath();
    WhenOpen<QFileDialog>([folder](QFileDialog* dialog) {
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Orvane Files (*.pgr)", "All Files (*.*)"}));
        EXPECT_EQ(dialog->defaultSuffix(), "pgr");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->setDirectory(folder);
        dialog->selectFile(folder + "/chosen");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto path = prompter.AskSavePath(request);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, (folder + "/chosen.pgr").toStdString());
}

// The labels are shown exactly; "All files (*.)" lists every file, with or without a dot.
TEST(QtPrompter, TransferFileDialogShowsItsLabelsAndListsEveryFileUnderAllFiles)
{
    QTemporaryDir folder;
    for (const char* name : {"people.csv", "notes.txt", "README", "data.dat"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QtPrompter prompter;
    WhenOpen<QFileDialog>([&folder](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Comma Separated files (*.csv)",
                                                      "Text Files (*.txt)", "All files (*.)"}));
        dialog->setDirectory(folder.path());
        auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_TRUE(files && types);
        const auto listed = [files] { return files->model()->rowCount(files->rootIndex()); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == 1; })) << listed();
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Down);
        EXPECT_EQ(types->currentText(), "All files (*.)");
        EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == 4; })) << listed();
        dialog->reject();
    });
    EXPECT_EQ(prompter.AskOpenPath(TransferWizardRules::BrowseRequest("")), std::nullopt);
}

// Addresses reach xdg-open exactly as formed; no handler for the scheme (xdg-mime), or an
// opener that fails, is a failure (the cases in the data file). Stand-ins first on PATH log what
// they are asked.
TEST(XdgOpener, DesktopAndDialerHandTheTextOverAsFormedAndReportFailures)
{
    QTemporaryDir bin;
    const auto script = [&bin](const char* name, const QByteArray& body) {
        QFile file(bin.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho \"$0 $# $*\" >> " + bin.filePath("log").toLocal8Bit() + "\n" +
                   body);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    QtDesktop desktop;
    QtDialer dialer;
    ASSERT_TRUE(dialer.Bind());
    for (const auto& row : test::RowsOf("gui/xdg-open.txt")) {
        const std::string& text = row[0];
        const std::string scheme = text.substr(0, text.find(':'));
        script("xdg-mime", "echo " + QByteArray::fromStdString(row[1]) + "\n");
        script("xdg-open", "exit " + QByteArray::fromStdString(row[2]) + "\n");
        const bool done = scheme == "tel" ? dialer.RequestMakeCall(text.substr(4)) == 0
                                          : desktop.OpenAddress(text);
        EXPECT_EQ(done, row[3] == "yes") << text;
        QFile log(bin.filePath("log"));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const std::string query = bin.filePath("xdg-mime").toStdString() +
                                  " 3 query default x-scheme-handler/" + scheme + "\n";
        const std::string open = bin.filePath("xdg-open").toStdString() + " 1 " + text + "\n";
        EXPECT_EQ(log.readAll().toStdString(), row[4] == "yes" ? query + open : query) << text;
        log.remove();
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace orvane

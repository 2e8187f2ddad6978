#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "app/adapters/QtLocaleNames.h"
#include "app/adapters/QtPrompter.h"
#include "app/adapters/QtSettingsStore.h"
#include "platform/PictureLocale.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {
namespace {

TEST(QtLocaleNames, TimeFormatsBecomePicturesWithAndWithoutSeconds)
{
    struct Case {
        const char* qt;
        const char* picture;
        const char* withoutSeconds;
    };
    const Case cases[] = {
        {"h:mm AP", "h:mm tt", "h:mm tt"},
        {"h:mm:ss ap t", "h:mm:ss tt", "h:mm tt"},
        {"hh.mm", "HH.mm", "HH.mm"},
        {"h 'h' mm", "H 'h' mm", "H 'h' mm"},
        {"a h:mm", "tt h:mm", "tt h:mm"},
        {"HH.mm.ss.zzz", "HH.mm.ss", "HH.mm"},
        {"AP h:mm:ss", "tt h:mm:ss", "tt h:mm"},
        {"H 'h' mm 'min' ss 's'", "H 'h' mm 'min' ss 's'", "H 'h' mm 'min' 's'"},
    };
    for (const Case& c : cases) {
        const QString qt = QString::fromUtf8(c.qt);
        EXPECT_EQ(QtLocaleNames::TimePicture(qt), c.picture) << c.qt;
        EXPECT_EQ(QtLocaleNames::TimePictureWithoutSeconds(qt), c.withoutSeconds) << c.qt;
    }
    for (const char* name : {"en_GB", "de_DE", "fr_FR", "ja_JP"}) {
        const LocaleNames names = QtLocaleNames::FromQLocale(QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(names.timeNoSeconds.find('s'), std::string::npos) << name;
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
        {QLocale(QLocale::English, QLocale::UnitedStates), "Tuesday, March 10, 2026", "2:05 PM"},
        {QLocale(QLocale::German, QLocale::Germany), "Dienstag, 10. M\xC3\xA4rz 2026", "14:05"},
    };
    SystemTime t;
    t.year = 2026;
    t.month = 3;
    t.day = 10;
    t.hour = 14;
    t.minute = 5;
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
    {
        QtSettingsStore store;
        ASSERT_TRUE(store.IsAvailable());
        EXPECT_TRUE(store.WriteNumber("Recent Document List", "DocumentCount", 6));
        EXPECT_TRUE(store.WriteString("Recent Document List", "Document1", "/tmp/a b.pgr"));
        EXPECT_TRUE(store.WriteString("Alarm", "AlarmSound", "beep.wav"));
    }
    QtSettingsStore store;
    EXPECT_FALSE(store.HasGroup("Missing"));
    EXPECT_EQ(store.ReadNumber("Recent Document List", "DocumentCount"), 6u);
    EXPECT_EQ(store.ReadString("Recent Document List", "Document1"), "/tmp/a b.pgr");
    EXPECT_EQ(store.ReadNumber("Recent Document List", "Document1"), std::nullopt);
    store.RemoveValue("Recent Document List", "Document1");
    EXPECT_EQ(store.ReadString("Recent Document List", "Document1"), std::nullopt);

    const QString file =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Kestrow/Orvane!.conf");
    EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
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

    WhenOpen<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        dialog->reject();
    });
    EXPECT_EQ(prompter.AskOpenPath(request), std::nullopt);
}

}  // namespace
}  // namespace orvane

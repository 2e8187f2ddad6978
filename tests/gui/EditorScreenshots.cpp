// Drives the editors of a real main window the way a user would (type, tab, click OK),
// saving a picture of each editor before it closes and of the window afterwards, with
// the new person, task and appointment listed: for looking at them by eye.
//   gui_editor_shots OUTDIR [DATABASE]
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/EditorsInstaller.h"
#include "app/MainFrame.h"
#include "rules/commands/CommandIds.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "widgets/editors/ArrowButtons.h"

using namespace orvane;

namespace {

QString g_outDir;

template <class W = QLineEdit>
W* Find(QWidget* dialog, int controlId)
{
    for (W* widget : dialog->findChildren<W*>()) {
        if (widget->property("controlId").toInt() == controlId) {
            return widget;
        }
    }
    return nullptr;
}

void Save(QWidget* widget, const QString& name)
{
    QTest::qWait(100);
    widget->grab().save(g_outDir + "/" + name + ".png");
}

// Saves each page of the editor under the name and a number, then clicks OK if there is one.
void SavePagesAndOk(QWidget* dialog, const QString& name)
{
    auto* pages = dialog->findChild<QTabWidget*>();
    for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
        if (pages) {
            pages->setCurrentIndex(page);
        }
        Save(dialog, name + QString::number(page + 1));
    }
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text().remove('&').compare("OK", Qt::CaseInsensitive) == 0) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

// Runs a command and hands its modal editor to the script.
void WithEditor(MainFrame& frame, int commandId, const std::function<void(QWidget*)>& script)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, script] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll.stop();
            dialog->activateWindow();
            if (!QTest::qWaitForWindowActive(dialog)) {
                qWarning("the editor did not become active");
            }
            script(dialog);
            if (dialog->isVisible()) {
                static_cast<QDialog*>(dialog)->reject();
            }
        }
    });
    poll.start(20);
    frame.RunCommand(commandId);
}

void AddPerson(QWidget* dialog)
{
    QTest::keyClicks(Find(dialog, 1013), "Nora");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "Quist");
    QTest::keyClicks(Find(dialog, 1015), "Quist Design");
    Find<QCheckBox>(dialog, 1045)->setChecked(true);
    QTest::keyClicks(Find(dialog, 1022), "(555) 010-2020 call");
    QTest::keyClicks(Find(dialog, 1025), "nora@quist.example");
    QTest::keyClicks(Find(dialog, 1018), "12 Elm Street");
    SavePagesAndOk(dialog, "person");
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_outDir);
    ScriptedPrompter prompter;
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    EditorsInstaller::Install(frame, prompter);
    if (argc > 2) {
        frame.OpenFromCommandLine(argv[2]);
    }
    frame.show();
    QTest::qWait(200);
    WithEditor(frame, kCmdPersonAdd, AddPerson);
    WithEditor(frame, kCmdTaskAdd, [](QWidget* dialog) {
        QTest::keyClicks(Find(dialog, 1038), "Send the quarterly figures");
        SavePagesAndOk(dialog, "task");
    });
    WithEditor(frame, kCmdAppointmentAdd, [](QWidget* dialog) {
        QTest::keyClicks(Find(dialog, 1033), "Design review");
        Find<QCheckBox>(dialog, 1037)->setChecked(true);
        QTest::mouseClick(Find<ArrowButtons>(dialog, 1042)->UpButton(), Qt::LeftButton);
        SavePagesAndOk(dialog, "appointment");
    });
    WithEditor(frame, kCmdEditUser, [](QWidget* dialog) { SavePagesAndOk(dialog, "user"); });
    Save(&frame, "main");
    return 0;
}

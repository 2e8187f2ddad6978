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
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/EditorsInstaller.h"
#include "app/MainFrame.h"
#include "platform/MemorySettingsStore.h"
#include "platform/ScriptedPrompter.h"
#include "views/ArrowButtons.h"
#include "views/CommandIds.h"
#include "views/MainForm.h"
#include "views/PaneListView.h"

using namespace orvane;

namespace {

QString g_outDir;

template <class W = QWidget>
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

void Ok(QWidget* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "&Ok" || button->text() == "&OK" || button->text() == "OK") {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    static_cast<QDialog*>(dialog)->reject();
}

// Runs a command and hands its modal editor to the script.
void WithEditor(MainFrame& frame, int commandId, std::function<void(QWidget*)> script)
{
    auto* poll = new QTimer(&frame);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, script] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
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
    poll->start(20);
    frame.RunCommand(commandId);
    poll->deleteLater();
}

void AddPerson(QWidget* dialog)
{
    QTest::keyClicks(Find<QLineEdit>(dialog, 1013), "Nora");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "Quist");
    QTest::keyClicks(Find<QLineEdit>(dialog, 1015), "Quist Design");
    Find<QCheckBox>(dialog, 1045)->setChecked(true);
    Save(dialog, "person-general");
    auto* pages = dialog->findChild<QTabWidget*>();
    pages->setCurrentIndex(1);
    QTest::keyClicks(Find<QLineEdit>(dialog, 1022), "(555) 010-2020 call");
    QTest::keyClicks(Find<QLineEdit>(dialog, 1025), "nora@quist.example");
    QTest::keyClicks(Find<QLineEdit>(dialog, 1028), "www.quist.example");
    Save(dialog, "person-phone");
    pages->setCurrentIndex(2);
    QTest::keyClicks(Find<QLineEdit>(dialog, 1018), "12 Elm Street");
    QTest::keyClicks(Find<QLineEdit>(dialog, 1020), "Keene");
    Save(dialog, "person-address");
    pages->setCurrentIndex(3);
    Save(dialog, "person-notes");
    Ok(dialog);
}

void AddTask(QWidget* dialog)
{
    QTest::keyClicks(Find<QLineEdit>(dialog, 1038), "Send the quarterly figures");
    QTest::mouseClick(Find<QRadioButton>(dialog, 1024), Qt::LeftButton);
    Save(dialog, "task");
    Ok(dialog);
}

void AddAppointment(QWidget* dialog)
{
    QTest::keyClicks(Find<QLineEdit>(dialog, 1033), "Design review");
    auto* begin = Find<ArrowButtons>(dialog, 1042);
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(begin->UpButton(), Qt::LeftButton);
    }
    auto* end = Find<ArrowButtons>(dialog, 1043);
    QTest::mouseClick(end->UpButton(), Qt::LeftButton);
    Find<QCheckBox>(dialog, 1037)->setChecked(true);
    auto* lead = Find<ArrowButtons>(dialog, 1039);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(lead->UpButton(), Qt::LeftButton);
    }
    Save(dialog, "appointment");
    Ok(dialog);
}

void EditUser(QWidget* dialog)
{
    Save(dialog, "user-general");
    dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
    Save(dialog, "user-address");
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
    WithEditor(frame, kCmdTaskAdd, AddTask);
    WithEditor(frame, kCmdAppointmentAdd, AddAppointment);
    WithEditor(frame, kCmdEditUser, EditUser);
    // Show the new person's details as well.
    PaneListView* list = frame.Form()->List(PaneList::PhoneBook);
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, "Quist, Nora");
    if (!found.isEmpty()) {
        list->scrollTo(found.first());
        QTest::qWait(50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(found.first()).center());
    }
    Save(&frame, "main");
    return 0;
}

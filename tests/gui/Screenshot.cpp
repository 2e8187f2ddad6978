// Saves a picture of the main window with the demonstration records (or the database file
// named after the picture's path) and the first person clicked: for looking at it by eye.
// "--dark" or "--light" first: in the Fusion style with a dark or its own light palette.
// A third argument is typed into the phone book's Find field first.
#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include "Palettes.h"

#include "app/MainFrame.h"
#include "cli/DemoDatabase.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "widgets/panes/FindField.h"
#include "widgets/panes/MainForm.h"
#include "widgets/panes/PaneListView.h"

using namespace orvane;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString look = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (look == "--dark" || look == "--light") {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(look == "--dark" ? test::DarkPalette()
                                                  : QApplication::style()->standardPalette());
        --argc;
        ++argv;
    }
    if (argc < 2) {
        return 2;
    }
    ScriptedPrompter prompter;
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    if (argc > 2) {
        frame.OpenFromCommandLine(argv[2]);
    } else {
        cli::DemoDatabase::Fill(frame.Document().Database());
        frame.Document().SetModified(false, true);
    }
    frame.show();
    QTest::qWait(200);
    if (argc > 3) {
        QTest::keyClicks(frame.Form()->Find(), QString::fromLocal8Bit(argv[3]));
    }
    PaneListView* list = frame.Form()->List(PaneList::PhoneBook);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTest::qWait(200);
    frame.grab().save(QString::fromLocal8Bit(argv[1]));
    return 0;
}

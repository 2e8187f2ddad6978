// Walks the phone-book import of the real window through the wizard, as a user would, with a
// delimited file given on the command line: saves a picture of each page and of the window
// afterwards, and prints the phone book's rows. Usage: gui_wizard_tour OUTDIR FILE.CSV
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "WizardDriver.h"
#include "app/MainFrame.h"
#include "app/TransferCommands.h"
#include "exchange/FieldTables.h"
#include "rules/commands/CommandIds.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "widgets/panes/MainForm.h"
#include "widgets/panes/PaneListView.h"

using namespace orvane;
using namespace orvane::test;

namespace {

QString g_dir;

void Save(QWidget& widget, const char* name)
{
    QTest::qWait(100);
    const QString path = QDir(g_dir).filePath(QString::fromLatin1(name));
    widget.grab().save(path);
    std::printf("saved %s\n", qPrintable(path));
}

// The field whose name matches a spreadsheet's header, ignoring case, spaces and dashes.
QString FieldFor(const QString& header)
{
    QString key = header.toLower().remove(' ').remove('-');
    key = key == "phone" ? "homephone" : key;
    for (const std::string& name : FieldTables::ImportNames(RecordKind::Persons)) {
        const QString field = QString::fromStdString(name);
        if (QString(field).toLower().remove('-') == key) {
            return field;
        }
    }
    return {};
}

void WorkImport(TransferWizard& wizard, const QString& file)
{
    WizardDriver d(wizard);
    d.TypePath(file);
    Save(wizard, "page1-file.png");
    d.Click(QWizard::NextButton);
    Save(wizard, "page2-structure.png");
    d.Click(QWizard::NextButton);
    d.ClickRowAndAnswer(0, [&](FieldAssignmentDialog& dialog) {
        dialog.FieldList()->setCurrentIndex(0);
        Save(dialog, "fields-dialog.png");
    });
    for (int row = 0; row < d.List()->topLevelItemCount(); ++row) {
        if (const QString field = FieldFor(d.Cell(row, 0)); !field.isEmpty()) {
            d.Assign(row, field);
        }
    }
    Save(wizard, "page3-fields.png");
    d.Click(QWizard::FinishButton);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: gui_wizard_tour OUTDIR FILE.CSV\n");
        return 2;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_dir);
    const QString file = QString::fromLocal8Bit(argv[2]);
    ScriptedPrompter prompter;
    prompter.SetEchoToStderr(true);
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    TransferCommands::Install(frame, prompter);
    frame.show();
    QTest::qWait(200);
    QTimer::singleShot(300, [&] {
        if (auto* wizard = qobject_cast<TransferWizard*>(QApplication::activeModalWidget())) {
            WorkImport(*wizard, file);
        }
    });
    frame.RunCommand(kCmdImportPersons);
    QTest::qWait(200);
    Save(frame, "after-import.png");
    PaneListView* list = frame.Form()->List(PaneList::PhoneBook);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        std::printf("listed: %s\n", qPrintable(list->model()->index(row, 0).data().toString()));
    }
    return 0;
}

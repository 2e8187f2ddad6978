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
#include "platform/MemorySettingsStore.h"
#include "platform/ScriptedPrompter.h"
#include "views/CommandIds.h"
#include "views/MainForm.h"
#include "views/PaneListView.h"

using namespace orvane;
using namespace orvane::test;

namespace {

void Save(QWidget& widget, const QString& dir, const char* name)
{
    QTest::qWait(100);
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    widget.grab().save(path);
    std::printf("saved %s\n", qPrintable(path));
}

// A spreadsheet's header text to the field of that meaning, by loose comparison.
QString FieldFor(const QString& header, const QStringList& fields)
{
    QString key = header.toLower().remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    if (key == QLatin1String("phone")) {
        key = QStringLiteral("homephone");
    }
    for (const QString& field : fields) {
        if (QString(field).toLower().remove(QLatin1Char('-')) == key) {
            return field;
        }
    }
    return {};
}

void WorkImport(TransferWizard& wizard, const QString& dir, const QString& file)
{
    WizardDriver d(wizard);
    d.TypePath(file);
    Save(wizard, dir, "page1-file.png");
    d.Click(QWizard::NextButton);
    Save(wizard, dir, "page2-structure.png");
    d.Click(QWizard::NextButton);
    QStringList fields;
    for (const std::string& name : FieldTables::ImportNames(RecordKind::Persons)) {
        fields << QString::fromStdString(name);
    }
    d.ClickRowAndAnswer(0, [&](FieldAssignmentDialog& dialog) {
        dialog.FieldList()->setCurrentIndex(0);
        dialog.ImportBox()->setChecked(true);
        Save(dialog, dir, "fields-dialog.png");
        dialog.reject();
    });
    for (int row = 0; row < d.List()->topLevelItemCount(); ++row) {
        const QString field = FieldFor(d.Cell(row, 0), fields);
        if (!field.isEmpty()) {
            d.Assign(row, field);
        }
    }
    Save(wizard, dir, "page3-fields.png");
    d.Click(QWizard::FinishButton);
}

void WorkExport(TransferWizard& wizard, const QString& dir)
{
    WizardDriver d(wizard);
    d.TypePath(QDir(dir).filePath(QStringLiteral("exported.csv")));
    d.Click(QWizard::NextButton);
    Save(wizard, dir, "export-page2-structure.png");
    d.Click(QWizard::NextButton);
    d.ClickRow(0);
    d.ClickRow(1);
    d.ClickRow(4);
    Save(wizard, dir, "export-page3-fields.png");
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
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    ScriptedPrompter prompter;
    prompter.SetEchoToStderr(true);
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    TransferCommands::Install(frame, prompter);
    frame.show();
    QTest::qWait(200);

    const auto drive = [&](const std::function<void(TransferWizard&)>& work) {
        QTimer::singleShot(300, [&] {
            if (auto* wizard = qobject_cast<TransferWizard*>(QApplication::activeModalWidget())) {
                work(*wizard);
            }
        });
    };
    drive([&](TransferWizard& wizard) { WorkImport(wizard, dir, file); });
    frame.RunCommand(kCmdImportPersons);
    QTest::qWait(200);
    Save(frame, dir, "after-import.png");

    PaneListView* list = frame.Form()->List(PaneList::PhoneBook);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        std::printf("listed: %s\n", qPrintable(list->model()->index(row, 0).data().toString()));
    }
    drive([&](TransferWizard& wizard) { WorkExport(wizard, dir); });
    frame.RunCommand(kCmdExportPersons);
    return 0;
}

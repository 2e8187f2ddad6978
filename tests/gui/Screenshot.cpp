// Saves a picture of the main window with a few records (or the database file named after
// the picture's path) and the first person clicked: for looking at the window by eye.
#include <QApplication>
#include <QTest>

#include "SampleData.h"
#include "app/MainFrame.h"
#include "platform/MemorySettingsStore.h"
#include "platform/ScriptedPrompter.h"
#include "views/MainForm.h"
#include "views/PaneListView.h"

using namespace orvane;
using namespace orvane::test;

namespace {

void AddSample(PimDocument& document)
{
    PimDatabase& db = document.Database();
    const PimDateTime today = PimDateTime::Today();
    Person anna = MakePerson("Anna", "Berg", "Berg & Sons", true, true);
    anna.HmPhone = "555-0101";
    anna.WkPhone = "555-0199";
    anna.WkExt = "12";
    anna.EMail = "anna@berg.example";
    anna.WebPage = "www.berg.example";
    db.Persons().Add(anna);
    db.Persons().Add(MakePerson("Carl", "Dunn", "Atlas Freight", true, false));
    db.Persons().Add(MakePerson("", "", "zebra studio", false, true));
    db.Persons().Add(MakePerson("Eva", "Ortiz", "Meridian Health", true, true));
    db.Tasks().Add(MakeTask("Renew passport", today, kPriorityHigh));
    db.Tasks().Add(MakeTask("Call the plumber about the leak", today, kPriorityMedium));
    db.Tasks().Add(MakeTask("Order birthday cake", today, kPriorityLow));
    db.Tasks().Add(MakeTask("File expense report", today, kPriorityDone));
    db.Appointments().Add(MakeAppointment("Dentist", today, 14, 0, true));
    db.Appointments().Add(MakeAppointment("Team stand-up", today, 9, 30));
    db.Appointments().Add(MakeAppointment("Lunch with Carl", today, 12, 15));
    document.SetModified(false, true);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    ScriptedPrompter prompter;
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    if (argc > 2) {
        frame.OpenFromCommandLine(argv[2]);
    } else {
        AddSample(frame.Document());
    }
    frame.show();
    QTest::qWait(200);
    PaneListView* list = frame.Form()->List(PaneList::PhoneBook);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTest::qWait(200);
    frame.grab().save(QString::fromLocal8Bit(argv[1]));
    return 0;
}

// Times of the window with 100,000 records in each collection: opening a file to a painted window,
// changing the selected day, switching between White and Yellow Pages, a keystroke in the
// phone book's Find field, and showing another month with its busy days in bold. One line
// per figure; nothing is asserted.
#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

#include "app/MainFrame.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "widgets/panes/FindField.h"
#include "widgets/panes/MainForm.h"

using namespace orvane;

namespace {

constexpr int kRecords = 100000;

PimDateTime DayFromToday(int offset)
{
    return PimDateTime::Today() + PimTimeSpan(offset);
}

void Generate(PimDatabase& db)
{
    static const char* first[] = {"Anna", "Bruno", "Chlo\xc3\xa9", "Dmitri",
                                  "Elif", "Farah", "G\xc3\xb6ran", "Hana",
                                  "Ivo",  "Jana",  "Kofi",         "Lena"};
    static const char* city[] = {"Portland", "M\xc3\xbcnchen", "Lyon", "Krak\xc3\xb3w", "Oslo"};
    static const char* last[] = {"Berg",  "Castro",  "Dunn",  "Eriksen",  "Fischer", "Garcia",
                                 "Huang", "Ivanova", "Jones", "Kowalski", "Lopez",   "Meyer"};
    static const char* company[] = {"Atlas Freight", "berg & sons", "Meridian Health",
                                    "Northwind",     "Zenith Labs", ""};
    std::mt19937 random(7);
    for (int i = 0; i < kRecords; ++i) {
        Person p;
        p.FName = first[random() % 12];
        p.LName = std::string(last[random() % 12]) + std::to_string(random() % 1000);
        p.Company = company[random() % 6];
        p.RName = p.GetDisplayName();
        p.HmPhone = "555-" + std::to_string(1000 + i % 9000);
        p.EMail = p.LName + "@example.com";
        p.City = city[random() % 5];
        p.Addr1 = std::to_string(1 + random() % 200) + " Main Street";
        if (random() % 4 == 0) {
            p.Notes = "Met at the trade fair; prefers calls in the morning.";
        }
        p.WhitePages = random() % 4 != 0;
        p.YellowPages = random() % 2;
        db.Persons().Add(p);

        Task t;
        t.Description = "Task number " + std::to_string(i);
        t.DueDate = DayFromToday(static_cast<int>(random() % 365) - 182);
        t.Priority = static_cast<int32_t>(random() % 4);
        if (t.IsCompleted()) {
            t.DoneDate = t.DueDate;
        }
        db.Tasks().Add(t);

        Appointment a;
        a.Description = "Appointment number " + std::to_string(i);
        a.DueDate = DayFromToday(static_cast<int>(random() % 365) - 182);
        a.StartTime = a.DueDate + PimTimeSpan(0, static_cast<int>(8 + random() % 10), 0, 0);
        a.EndTime = a.StartTime + PimTimeSpan(0, 1, 0, 0);
        a.Alarm = random() % 3 == 0;
        a.AlarmTime = a.StartTime;
        db.Appointments().Add(a);
    }
}

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Paint(MainFrame& frame)
{
    QApplication::processEvents();
    frame.repaint();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    MemorySettingsStore settings;
    MainFrame frame(prompter, settings);
    frame.show();
    Paint(frame);

    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("bench.pgr")).toStdString();
    {
        PimDatabase source;
        Generate(source);
        if (!source.Save(path)) {
            std::fprintf(stderr, "gui: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    QElapsedTimer timer;
    timer.start();
    frame.OpenFromCommandLine(path);
    Paint(frame);
    std::printf("gui: open a file of %d records per collection to a painted window: %.1f ms\n",
                kRecords, Milliseconds(timer));

    QCalendarWidget* calendar = frame.Form()->Calendar();
    double total = 0;
    const int days = 20;
    for (int i = 1; i <= days; ++i) {
        timer.restart();
        calendar->setSelectedDate(calendar->selectedDate().addDays(i % 2 ? i : -i));
        Paint(frame);
        total += Milliseconds(timer);
    }
    std::printf("gui: change the selected day (mean of %d): %.1f ms\n", days, total / days);

    auto* white = qobject_cast<QRadioButton*>(frame.Form()->Control(1044));
    auto* yellow = qobject_cast<QRadioButton*>(frame.Form()->Control(1045));
    total = 0;
    const int switches = 10;
    for (int i = 0; i < switches; ++i) {
        timer.restart();
        (i % 2 ? white : yellow)->click();
        Paint(frame);
        total += Milliseconds(timer);
    }
    std::printf("gui: switch White/Yellow Pages (mean of %d): %.1f ms\n", switches,
                total / switches);

    // Typed one character at a time, as a user would: each keystroke filters and repaints.
    FindField* find = frame.Form()->Find();
    int keystrokes = 0;
    double slowest = 0;
    total = 0;
    for (const char* query : {"kowal", "5551234", "m\xc3\xbcnchen", "zenith labs"}) {
        find->clear();
        Paint(frame);
        for (const QChar c : QString::fromUtf8(query)) {
            timer.restart();
            find->insert(QString(c));
            Paint(frame);
            slowest = std::max(slowest, Milliseconds(timer));
            total += Milliseconds(timer);
            ++keystrokes;
        }
    }
    std::printf("gui: a keystroke in Find over %d persons (mean of %d): %.1f ms, slowest %.1f ms\n",
                kRecords, keystrokes, total / keystrokes, slowest);
    find->clear();

    total = 0;
    const int months = 12;
    for (int i = 0; i < months; ++i) {
        timer.restart();
        calendar->showNextMonth();
        QApplication::processEvents();
        calendar->repaint();
        total += Milliseconds(timer);
    }
    std::printf("gui: show another month with its busy days in bold (mean of %d): %.2f ms\n",
                months, total / months);
    return 0;
}

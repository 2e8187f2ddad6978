// vCard and iCalendar: import of 10,000 cards and 10,000 events, export of 100,000
// persons and 100,000 appointments. Each figure is the median of five runs on fresh copies.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "data/PimDatabase.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/VCardExport.h"
#include "interop/VCardImport.h"
#include "platform/Clock.h"
#include "platform/SettableClock.h"

namespace {

using namespace orvane;
using namespace orvane::interop;

constexpr int kRuns = 5;
const char* g_only = nullptr;  // runs only the figures whose label holds this text

// Wall-clock and processor seconds of one run.
struct Time {
    double wall;
    double cpu;
};

// The medians of both, so that a machine shared with other work can be read too.
void Figure(const char* label, const std::function<Time()>& trial, const char* target)
{
    if (g_only && std::string(label).find(g_only) == std::string::npos) {
        return;
    }
    std::vector<double> wall, cpu;
    for (int run = 0; run < kRuns; ++run) {
        const Time time = trial();
        wall.push_back(time.wall);
        cpu.push_back(time.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-44s median %6.3f s (processor %6.3f s) of %d   target %s\n", label,
                wall[kRuns / 2], cpu[kRuns / 2], kRuns, target);
    std::fflush(stdout);
}

Time Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processor = std::clock();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC};
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "bench_interop: %s\n", what);
        std::exit(2);
    }
}

// Cards as a phone exports them: several numbers and addresses, a note, a birthday.
std::string Cards(int n)
{
    std::string text;
    char card[1024];
    for (int i = 0; i < n; ++i) {
        std::snprintf(card, sizeof card,
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lastname%d;Firstname%d;;;\r\n"
                      "FN:Firstname%d Lastname%d\r\nORG:Company %d\r\nTITLE:Engineer\r\n"
                      "TEL;TYPE=CELL,PREF:+1 (555) %03d-%04d\r\n"
                      "TEL;TYPE=WORK:+1 (555) 200-%04d ext. %d\r\n"
                      "TEL;TYPE=HOME:+1 (555) 300-%04d\r\n"
                      "EMAIL;TYPE=WORK,PREF:first%d@work.example\r\n"
                      "EMAIL;TYPE=HOME:first%d@home.example\r\n"
                      "ADR;TYPE=HOME:;;%d Main Street;Springfield;IL;62701;USA\r\n"
                      "NOTE:Met at the fair\\, year %d.\r\n"
                      "UID:bench-card-%08d\r\nEND:VCARD\r\n",
                      i, i, i, i, i % 97, i % 1000, i % 10000, i % 10000, i % 100, i % 10000, i, i,
                      i, 2000 + i % 20, i);
        text += card;
    }
    return text;
}

// Events in two zones with a VTIMEZONE each and an alarm.
std::string Events(int n)
{
    std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//Calendar//EN\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
        "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
        "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:America/Los_Angeles\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0800\r\n"
        "TZOFFSETTO:-0700\r\nTZNAME:PDT\r\nDTSTART:20070311T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
        "TZOFFSETFROM:-0700\r\nTZOFFSETTO:-0800\r\nTZNAME:PST\r\nDTSTART:20071104T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    char event[1024];
    for (int i = 0; i < n; ++i) {
        const char* zone = i % 2 ? "Europe/Berlin" : "America/Los_Angeles";
        const int day = i % 365, month = 1 + day / 31 % 12, dom = 1 + day % 28, hour = 8 + i % 10;
        std::snprintf(event, sizeof event,
                      "BEGIN:VEVENT\r\nUID:bench-event-%08d@calendar.example\r\n"
                      "DTSTAMP:20250101T000000Z\r\nDTSTART;TZID=%s:2025%02d%02dT%02d0000\r\n"
                      "DTEND;TZID=%s:2025%02d%02dT%02d3000\r\nSUMMARY:Meeting number %d\r\n"
                      "LOCATION:Room %d\r\nDESCRIPTION:Agenda for meeting %d\\, bring notes.\r\n"
                      "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\n"
                      "TRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n",
                      i, zone, month, dom, hour, zone, month, dom, hour, i, i % 50, i);
        text += event;
    }
    return text + "END:VCALENDAR\r\n";
}

PimDatabase Generated(int n)
{
    PimDatabase db;
    for (int i = 0; i < n; ++i) {
        Person p;
        p.FName = "Firstname" + std::to_string(i);
        p.LName = "Lastname" + std::to_string(i);
        p.RName = p.GetDisplayName();
        p.Company = "Company " + std::to_string(i % 500);
        p.Position = "Engineer";
        p.Addr1 = std::to_string(i) + " Main Street";
        p.City = "Springfield";
        p.State = "IL";
        p.Zip = "62701";
        p.HmPhone = "(555) 300-" + std::to_string(1000 + i % 9000);
        p.WkPhone = "(555) 200-" + std::to_string(1000 + i % 9000);
        p.WkExt = std::to_string(i % 100);
        p.CelPhone = "(555) 400-" + std::to_string(1000 + i % 9000);
        p.EMail = "person" + std::to_string(i) + "@example.com";
        p.Notes = "First line of the note.\nSecond line.";
        p.WhitePages = 1;
        p.YellowPages = 1;
        db.Persons().Add(p);
        Appointment a;
        a.Description = "Appointment " + std::to_string(i);
        a.StartTime.SetDateTime(2025, 1 + i % 12, 1 + i % 28, 8 + i % 10, i % 4 * 15, 0);
        a.EndTime = a.StartTime + PimTimeSpan::Minutes(45);
        a.DueDate = a.StartTime.DateOnly();
        a.Alarm = i % 2 == 0;
        a.AlarmTime = a.StartTime - PimTimeSpan::Minutes(15);
        db.Appointments().Add(a);
    }
    return db;
}

}  // namespace

int main(int argc, char** argv)
{
    g_only = argc > 1 ? argv[1] : nullptr;
    SettableClock clock(2025, 6, 1, 9, 30, 0);
    Clock::SetCurrent(&clock);
    const std::string cards = Cards(10000), events = Events(10000);
    const PimDatabase fresh = Generated(100000);
    PimDatabase exported = fresh;  // the records have their UIDs from an earlier export
    VCardExport::Run(exported, {});
    CalendarExport::Run(exported, true, true);
    std::printf("(10000 cards: %.1f MB; 10000 events: %.1f MB)\n", cards.size() / 1e6,
                events.size() / 1e6);
    // Each trial works on its own copy; only the call itself is timed.
    const auto timed = [](const PimDatabase& start, const std::function<void(PimDatabase&)>& f) {
        return [&start, f] {
            PimDatabase db = start;
            return Seconds([&] { f(db); });
        };
    };
    const PimDatabase empty;
    Figure("import 10000 vCards",
           timed(empty,
                 [&](PimDatabase& db) {
                     Check(VCardImport::Run(db, cards)->persons.added == 10000, "cards");
                 }),
           "0.2 s");
    Figure("export 100000 persons to vCard",
           timed(exported,
                 [](PimDatabase& db) {
                     Check(VCardExport::Run(db, {}).written == 100000, "persons");
                 }),
           "0.5 s");
    Figure(
        "  the first time, giving UIDs",
        timed(fresh,
              [](PimDatabase& db) { Check(VCardExport::Run(db, {}).uidsGiven == 100000, "UIDs"); }),
        "-");
    Figure("import .ics of 10000 events, alarms, zones",
           timed(empty,
                 [&](PimDatabase& db) {
                     const auto summary =
                         CalendarImport::Run(db, events, ExpansionWindow::Default());
                     Check(summary->appointments.added == 10000, "events");
                 }),
           "0.3 s");
    Figure("export 100000 appointments to iCalendar",
           timed(exported,
                 [](PimDatabase& db) {
                     Check(CalendarExport::Run(db, false, true).appointments == 100000,
                           "appointments");
                 }),
           "1.5 s");
    return 0;
}

#include "cli/DemoDatabase.h"

#include <array>
#include <cstdio>

namespace orvane::cli {

namespace {

struct PersonSeed {
    const char* first;
    const char* last;
    const char* company;  // empty for private entries
    const char* position;
    const char* city;
    const char* state;
};

// White Pages for private entries, Yellow Pages for business ones; a few are both.
constexpr std::array<PersonSeed, 36> kPeople = {{
    {"Anna", "Lindqvist", "", "", "Portland", "OR"},
    {"Ben", "Okafor", "", "", "Columbus", "OH"},
    {"Carla", "Mendes", "Harbor Dental", "Dentist", "Portland", "OR"},
    {"David", "Kowalski", "", "", "Madison", "WI"},
    {"Elif", "Demir", "Demir & Sons Plumbing", "Owner", "Salem", "OR"},
    {"Frank", "Hollis", "", "", "Boise", "ID"},
    {"Grace", "Nakamura", "Cedar Street Clinic", "Pediatrician", "Portland", "OR"},
    {"Hugo", "Fernández", "", "", "Tucson", "AZ"},
    {"Ines", "Albrecht", "", "", "Eugene", "OR"},
    {"Jamal", "Wright", "Wright Auto Repair", "Mechanic", "Gresham", "OR"},
    {"Kira", "Sørensen", "", "", "Seattle", "WA"},
    {"Liam", "O'Brien", "O'Brien Law Office", "Attorney", "Portland", "OR"},
    {"Maya", "Patel", "", "", "Austin", "TX"},
    {"Noah", "Bergstrom", "", "", "Duluth", "MN"},
    {"Olivia", "Chen", "Riverside Accounting", "Tax Advisor", "Vancouver", "WA"},
    {"Pablo", "Ruiz", "", "", "Santa Fe", "NM"},
    {"Quinn", "Harper", "", "", "Bend", "OR"},
    {"Rosa", "Martini", "Bella Cucina", "Chef", "Portland", "OR"},
    {"Sam", "Dubois", "", "", "Burlington", "VT"},
    {"Tess", "Novak", "Novak Veterinary", "Veterinarian", "Beaverton", "OR"},
    {"Umar", "Haddad", "", "", "Dearborn", "MI"},
    {"Vera", "Ivanova", "", "", "Spokane", "WA"},
    {"Will", "Thompson", "Thompson Insurance", "Agent", "Hillsboro", "OR"},
    {"Xenia", "Papadakis", "", "", "Astoria", "OR"},
    {"Yusuf", "Kaya", "", "", "Reno", "NV"},
    {"Zoë", "Laurent", "Laurent Design Studio", "Architect", "Portland", "OR"},
    {"Alma", "Reyes", "", "", "Medford", "OR"},
    {"Bruno", "Costa", "", "", "Fresno", "CA"},
    {"Chloe", "Baker", "Corner Bakery", "Manager", "Portland", "OR"},
    {"Dmitri", "Volkov", "", "", "Anchorage", "AK"},
    {"", "", "City Library", "", "Portland", "OR"},
    {"", "", "Northside Pharmacy", "", "Portland", "OR"},
    {"", "", "Green Valley Garden Center", "", "Tigard", "OR"},
    {"", "", "Summit Electric Utility", "", "Portland", "OR"},
    {"", "", "Westgate Hardware", "", "Beaverton", "OR"},
    {"", "", "Lakeside Pizza", "", "Lake Oswego", "OR"},
}};

std::string Phone(int seed, int line)
{
    char text[24];
    std::snprintf(text, sizeof text, "(503) %03d-%04d", 200 + (seed * 37 + line * 11) % 700,
                  (seed * 1231 + line * 4567) % 10000);
    return text;
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == ' ' || c == '\'' || c == '&') {
            c = '-';
        }
    }
    return text;
}

Person MakePerson(const PersonSeed& seed, int index)
{
    Person p;
    p.FName = seed.first;
    p.LName = seed.last;
    p.Company = seed.company;
    p.Position = seed.position;
    p.Addr1 = std::to_string(100 + index * 17) + (index % 3 ? " Maple Avenue" : " Oak Street");
    if (index % 5 == 0) {
        p.Addr2 = "Apt. " + std::to_string(index + 2);
    }
    p.City = seed.city;
    p.State = seed.state;
    p.Zip = std::to_string(97000 + index * 13);
    const bool business = !p.Company.empty();
    const bool person = !p.LName.empty();
    p.WhitePages = person ? 1 : 0;
    p.YellowPages = business ? 1 : 0;
    if (person) {
        p.HmPhone = Phone(index, 1);
        p.CelPhone = Phone(index, 2);
        p.EMail = Lower(p.FName) + "." + Lower(p.LName) + "@example.com";
    }
    if (business) {
        p.WkPhone = Phone(index, 3);
        if (index % 2 == 0) {
            p.WkExt = std::to_string(10 + index);
        }
        p.Fax = index % 3 == 0 ? Phone(index, 4) : "";
        p.WebPage = "www." + Lower(p.Company) + ".example.com";
        if (!person) {
            p.EMail = "info@" + Lower(p.Company) + ".example.com";
        }
    }
    if (index % 4 == 0) {
        p.Notes = "Met at the neighbourhood picnic.\r\nPrefers calls after 6 pm.";
    } else if (index % 7 == 0) {
        p.Notes = "Birthday in " + std::string(index % 2 ? "May" : "October") + ".";
    }
    if (index % 9 == 0) {
        p.Pager = Phone(index, 5);
    }
    p.RName = p.GetDisplayName();
    return p;
}

PimDateTime DayFromToday(int days, int hour = 0, int minute = 0)
{
    const PimDateTime today = PimDateTime::Today();
    return today + PimTimeSpan(days, hour, minute, 0);
}

}  // namespace

void DemoDatabase::Fill(PimDatabase& database)
{
    AddPersons(database);
    AddTasks(database);
    AddAppointments(database);
    User& user = database.GetUser();
    user.FName = "Jordan";
    user.LName = "Ellis";
    user.Addr1 = "742 Alder Street";
    user.City = "Portland";
    user.State = "OR";
    user.Zip = "97205";
    user.Company = "Ellis Consulting";
    user.Position = "Principal";
}

void DemoDatabase::AddPersons(PimDatabase& database)
{
    for (size_t i = 0; i < kPeople.size(); ++i) {
        database.Persons().Add(MakePerson(kPeople[i], static_cast<int>(i)));
    }
}

void DemoDatabase::AddTasks(PimDatabase& database)
{
    struct TaskSeed {
        const char* description;
        int priority;
        int dueInDays;
    };
    const TaskSeed seeds[] = {
        {"Renew car registration", kPriorityHigh, -3},
        {"Return library books", kPriorityMedium, -1},
        {"Call the plumber about the kitchen sink", kPriorityHigh, 0},
        {"Buy birthday present for Maya", kPriorityMedium, 0},
        {"Water the garden", kPriorityLow, 0},
        {"Send quarterly invoice", kPriorityHigh, 1},
        {"Book dentist check-up", kPriorityMedium, 2},
        {"Sort old photos", kPriorityLow, 5},
        {"Plan weekend hike", kPriorityLow, 6},
        {"File tax documents", kPriorityHigh, 12},
        {"Clean the gutters", kPriorityMedium, 20},
    };
    for (const TaskSeed& seed : seeds) {
        Task task;
        task.Description = seed.description;
        task.Priority = seed.priority;
        task.DueDate = DayFromToday(seed.dueInDays);
        database.Tasks().Add(task);
    }
    Task done;
    done.Description = "Pay the electricity bill";
    done.Priority = kPriorityDone;
    done.DueDate = DayFromToday(-1);
    done.DoneDate = DayFromToday(-1);
    database.Tasks().Add(done);
    done.Description = "Pick up dry cleaning";
    done.DueDate = DayFromToday(0);
    done.DoneDate = DayFromToday(0);
    database.Tasks().Add(done);
}

void DemoDatabase::AddAppointments(PimDatabase& database)
{
    struct AppointmentSeed {
        const char* description;
        int day;
        int hour, minute;
        int minutes;  // length
        bool alarm;
    };
    const AppointmentSeed seeds[] = {
        {"Team meeting", -1, 9, 30, 60, false},
        {"Lunch with Anna", -1, 12, 30, 90, false},
        {"Dentist: Dr. Mendes", 0, 10, 0, 45, false},
        {"Conference call with Riverside Accounting", 0, 14, 0, 30, false},
        {"Pick up kids from school", 0, 16, 30, 30, true},
        {"Yoga class", 0, 19, 0, 60, false},
        {"Car service at Wright Auto Repair", 1, 8, 0, 120, false},
        {"Project review", 1, 15, 0, 60, false},
        {"Dinner at Bella Cucina", 2, 19, 30, 120, false},
        {"Vet appointment for the cat", 3, 11, 0, 30, false},
        {"Book club", 7, 18, 0, 90, false},
    };
    for (const AppointmentSeed& seed : seeds) {
        Appointment a;
        a.Description = seed.description;
        a.DueDate = DayFromToday(seed.day);
        a.StartTime = DayFromToday(seed.day, seed.hour, seed.minute);
        a.EndTime = DayFromToday(seed.day, seed.hour, seed.minute + seed.minutes);
        a.Alarm = seed.alarm;
        a.AlarmTime = a.Alarm ? DayFromToday(seed.day, seed.hour, seed.minute - 15) : a.StartTime;
        database.Appointments().Add(a);
    }
}

}  // namespace orvane::cli

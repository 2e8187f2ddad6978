#include "DatabaseGenerator.h"

#include <random>
#include <string>
#include <vector>

namespace orvane::bench {

namespace {

const std::vector<std::string> kFirst = {"Anna", "Ben",  "Carla", "José", "Elif", "Frank", "Zoë",
                                         "Hugo", "Ines", "Jamal", "Kira", "Liam", "Maya",  "Noah"};
const std::vector<std::string> kLast = {
    "Lindqvist",    "Okafor",   "Mendes", "Kowalski",        "Demir", "O'Brien", "Nakamura",
    "Fern\xe1ndez", "Albrecht", "Wright", "S\xc3\xb8rensen", "Patel", "Chen",    "Ruiz"};
const std::vector<std::string> kWords = {
    "meeting", "call",    "review", "invoice", "garden", "dentist", "<draft>", "report",
    "lunch",   "project", "\"Q3\"", "budget",  "school", "car",     "R&D",     "caf\xe9"};

class Random {
public:
    explicit Random(uint32_t seed) : m_engine(seed) {}
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    const std::string& Pick(const std::vector<std::string>& list)
    {
        return list[static_cast<size_t>(Below(static_cast<int>(list.size())))];
    }
    std::string Words(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i) {
                text += ' ';
            }
            text += Pick(kWords);
        }
        return text;
    }
    std::string Digits(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>('0' + Below(10));
        }
        return text;
    }
    PimDateTime Day(int fromYear, int years)
    {
        PimDateTime date;
        date.SetDateTime(fromYear + Below(years), 1 + Below(12), 1 + Below(28), 0, 0, 0);
        return date;
    }

private:
    std::mt19937 m_engine;
};

Person MakePerson(Random& r)
{
    Person p;
    p.FName = r.Pick(kFirst);
    p.LName = r.Pick(kLast);
    p.RName = p.GetDisplayName();
    if (r.Below(3) == 0) {
        p.Company = r.Pick(kLast) + " & Partners";
        p.Position = "Manager";
        p.WkPhone = "(503) " + r.Digits(3) + "-" + r.Digits(4);
        p.WkExt = r.Digits(3);
        p.WebPage = "www.example.com/" + r.Digits(5);
    }
    p.Addr1 = r.Digits(3) + " Maple Avenue";
    p.City = "Portland";
    p.State = "OR";
    p.Zip = "97" + r.Digits(3);
    p.HmPhone = "(503) " + r.Digits(3) + "-" + r.Digits(4);
    p.CelPhone = "(971) " + r.Digits(3) + "-" + r.Digits(4);
    p.EMail = "person" + r.Digits(6) + "@example.com";
    if (r.Below(4) == 0) {
        p.Notes = r.Words(4 + r.Below(20)) + "\r\n" + r.Words(3);
    }
    p.WhitePages = 1;
    p.YellowPages = p.Company.empty() ? 0 : 1;
    return p;
}

Task MakeTask(Random& r)
{
    Task t;
    t.Description = r.Words(2 + r.Below(5));
    t.Priority = r.Below(4);
    t.DueDate = r.Day(2020, 10);
    if (t.Priority == kPriorityDone) {
        t.DoneDate = t.DueDate;
    }
    return t;
}

Appointment MakeAppointment(Random& r)
{
    Appointment a;
    a.Description = r.Words(2 + r.Below(5));
    a.DueDate = r.Day(2020, 10);
    a.StartTime = a.DueDate + PimTimeSpan(0, 8 + r.Below(10), 15 * r.Below(4), 0);
    a.EndTime = a.StartTime + PimTimeSpan(0, 1, 0, 0);
    a.Alarm = r.Below(5) == 0;
    a.AlarmTime = a.StartTime - PimTimeSpan(0, 0, 15, 0);
    return a;
}

}  // namespace

void DatabaseGenerator::Fill(PimDatabase& database, int recordsPerCollection, uint32_t seed)
{
    Random random(seed);
    for (int i = 0; i < recordsPerCollection; ++i) {
        database.Persons().Add(MakePerson(random));
        database.Tasks().Add(MakeTask(random));
        database.Appointments().Add(MakeAppointment(random));
    }
    User& user = database.GetUser();
    user.FName = "Jordan";
    user.LName = "Ellis";
    user.City = "Portland";
}

}  // namespace orvane::bench

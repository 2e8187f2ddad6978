#include "exchange/ExportColumns.h"

#include <array>
#include <cmath>

#include "platform/LocaleFormat.h"

namespace orvane {

namespace {

template <std::string Person::*Member>
std::string_view PersonText(const Person& person, std::string&)
{
    return person.*Member;
}

constexpr std::array<ExportColumn<Person>, 18> kPersonColumns = {{
    {"FirstName", true, &PersonText<&Person::FName>},
    {"LastName", true, &PersonText<&Person::LName>},
    {"Address1", true, &PersonText<&Person::Addr1>},
    {"Address2", true, &PersonText<&Person::Addr2>},
    {"City", true, &PersonText<&Person::City>},
    {"State", false, &PersonText<&Person::State>},
    {"ZipCode", false, &PersonText<&Person::Zip>},
    {"HomePhone", false, &PersonText<&Person::HmPhone>},
    {"WorkPhone", false, &PersonText<&Person::WkPhone>},
    {"WorkExtension", false, &PersonText<&Person::WkExt>},
    {"Fax", false, &PersonText<&Person::Fax>},
    {"CelPhone", false, &PersonText<&Person::CelPhone>},
    {"Pager", false, &PersonText<&Person::Pager>},
    {"E-Mail", false, &PersonText<&Person::EMail>},
    {"WebPage", false, &PersonText<&Person::WebPage>},
    {"Company", true, &PersonText<&Person::Company>},
    {"Position", false, &PersonText<&Person::Position>},
    {"Notes", false, &PersonText<&Person::Notes>},
}};

std::string_view Assign(std::string& scratch, std::string text)
{
    scratch = std::move(text);
    return scratch;
}

constexpr std::array<ExportColumn<Task>, 3> kTaskColumns = {{
    {"Task", true, [](const Task& t, std::string&) -> std::string_view { return t.Description; }},
    {"DueDate", false,
     [](const Task& t, std::string& s) { return Assign(s, ExportColumns::ShortDate(t.DueDate)); }},
    {"Priority", false,
     [](const Task& t, std::string& s) { return Assign(s, std::to_string(t.Priority)); }},
}};

constexpr std::array<ExportColumn<Appointment>, 6> kAppointmentColumns = {{
    {"Appointment", true,
     [](const Appointment& a, std::string&) -> std::string_view { return a.Description; }},
    {"Date", false,
     [](const Appointment& a, std::string& s) {
         return Assign(s, ExportColumns::ShortDate(a.DueDate));
     }},
    {"StartTime", false,
     [](const Appointment& a, std::string& s) {
         return Assign(s, ExportColumns::TimeOfDay(a.StartTime));
     }},
    {"EndTime", false,
     [](const Appointment& a, std::string& s) {
         return Assign(s, ExportColumns::TimeOfDay(a.EndTime));
     }},
    {"Alarmed", false,
     [](const Appointment& a, std::string&) -> std::string_view {
         return a.Alarm ? "TRUE" : "FALSE";
     }},
    {"AlarmTime", false,
     [](const Appointment& a, std::string& s) {
         return Assign(s, std::to_string(ExportColumns::AlarmMinutes(a)));
     }},
}};

}  // namespace

std::span<const ExportColumn<Person>> ExportColumns::Persons()
{
    return kPersonColumns;
}

std::span<const ExportColumn<Task>> ExportColumns::Tasks()
{
    return kTaskColumns;
}

std::span<const ExportColumn<Appointment>> ExportColumns::Appointments()
{
    return kAppointmentColumns;
}

int ExportColumns::AlarmMinutes(const Appointment& appointment)
{
    if (!appointment.Alarm) {
        return 0;
    }
    // Dates hold whole seconds: rounding to them first keeps floating-point noise from
    // turning a lead of exactly 15 minutes into 14. An invalid operand gives a hugely
    // negative span, which ends up as 0.
    const double days = (appointment.StartTime - appointment.AlarmTime).Days();
    const long long minutes = std::llround(days * 86400) / 60;
    if (minutes < 0) {
        return 0;
    }
    return minutes > 60 ? 60 : static_cast<int>(minutes);
}

std::string ExportColumns::ShortDate(const PimDateTime& value)
{
    SystemTime st;
    if (!value.GetAsSystemTime(st)) {
        return {};
    }
    return LocaleFormat::UserDefault().FormatDate(st, DateStyle::Short);
}

std::string ExportColumns::TimeOfDay(const PimDateTime& value)
{
    SystemTime st;
    if (!value.GetAsSystemTime(st)) {
        return {};
    }
    return LocaleFormat::UserDefault().FormatTime(st, TimeStyle::NoSeconds);
}

}  // namespace orvane

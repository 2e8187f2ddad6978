#include "storage/RecordFields.h"

#include "data/RecordText.h"
#include "storage/NumberText.h"

namespace orvane {

namespace {

template <class R>
constexpr RecordField<R> Text(std::string_view name, std::string R::*member)
{
    return {name, FieldKind::Text, member, nullptr, nullptr, nullptr};
}

template <class R>
constexpr RecordField<R> Uid(std::string R::*member)
{
    return {"UID", FieldKind::Uid, member, nullptr, nullptr, nullptr};
}

template <class R>
constexpr RecordField<R> Number(std::string_view name, int32_t R::*member,
                                FieldKind kind = FieldKind::Integer)
{
    return {name, kind, nullptr, member, nullptr, nullptr};
}

template <class R>
constexpr RecordField<R> Flag(std::string_view name, bool R::*member)
{
    return {name, FieldKind::BoolFlag, nullptr, nullptr, member, nullptr};
}

template <class R>
constexpr RecordField<R> Date(std::string_view name, PimDateTime R::*member)
{
    return {name, FieldKind::Date, nullptr, nullptr, nullptr, member};
}

const RecordField<Person> kPersonFields[] = {
    Number("ID", &Person::ID),
    Text("FName", &Person::FName),
    Text("LName", &Person::LName),
    Text("RName", &Person::RName),
    Text("Company", &Person::Company),
    Text("Position", &Person::Position),
    Text("Addr1", &Person::Addr1),
    Text("Addr2", &Person::Addr2),
    Text("City", &Person::City),
    Text("State", &Person::State),
    Text("Zip", &Person::Zip),
    Number("YellowPages", &Person::YellowPages, FieldKind::NumberFlag),
    Number("WhitePages", &Person::WhitePages, FieldKind::NumberFlag),
    Text("Notes", &Person::Notes),
    Text("HmPhone", &Person::HmPhone),
    Text("WkPhone", &Person::WkPhone),
    Text("WkExt", &Person::WkExt),
    Text("Fax", &Person::Fax),
    Text("CelPhone", &Person::CelPhone),
    Text("Pager", &Person::Pager),
    Text("EMail", &Person::EMail),
    Text("WebPage", &Person::WebPage),
    Uid(&Person::UID),
};

const RecordField<Task> kTaskFields[] = {
    Number("ID", &Task::ID),
    Text("Description", &Task::Description),
    Number("Priority", &Task::Priority),
    Date("DueDate", &Task::DueDate),
    Date("DoneDate", &Task::DoneDate),
    Uid(&Task::UID),
};

const RecordField<Appointment> kAppointmentFields[] = {
    Number("ID", &Appointment::ID),
    Text("Description", &Appointment::Description),
    Date("DueDate", &Appointment::DueDate),
    Date("StartTime", &Appointment::StartTime),
    Date("EndTime", &Appointment::EndTime),
    Flag("Alarm", &Appointment::Alarm),
    Date("AlarmTime", &Appointment::AlarmTime),
    Flag("Done", &Appointment::Done),
    Uid(&Appointment::UID),
};

const RecordField<User> kUserFields[] = {
    Text("FName", &User::FName),       Text("LName", &User::LName), Text("Company", &User::Company),
    Text("Position", &User::Position), Text("Addr1", &User::Addr1), Text("Addr2", &User::Addr2),
    Text("City", &User::City),         Text("State", &User::State), Text("Zip", &User::Zip),
};

}  // namespace

template <>
std::span<const RecordField<Person>> FieldsOf<Person>()
{
    return kPersonFields;
}

template <>
std::span<const RecordField<Task>> FieldsOf<Task>()
{
    return kTaskFields;
}

template <>
std::span<const RecordField<Appointment>> FieldsOf<Appointment>()
{
    return kAppointmentFields;
}

template <>
std::span<const RecordField<User>> FieldsOf<User>()
{
    return kUserFields;
}

template <class R>
void ApplyField(R& record, const RecordField<R>& field, std::string_view value)
{
    value = RecordText::UpToZero(value);
    switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Uid:
            record.*field.text = value;
            break;
        case FieldKind::Integer:
            record.*field.number = ParseFileNumber(value);
            break;
        case FieldKind::NumberFlag:
            record.*field.number = value == "1" ? 1 : 0;
            break;
        case FieldKind::BoolFlag:
            record.*field.flag = value == "1";
            break;
        case FieldKind::Date:
            record.*field.date = PimDateTime::FromTimeValue(ParseFileNumber(value));
            break;
    }
}

template void ApplyField(Person&, const RecordField<Person>&, std::string_view);
template void ApplyField(Task&, const RecordField<Task>&, std::string_view);
template void ApplyField(Appointment&, const RecordField<Appointment>&, std::string_view);
template void ApplyField(User&, const RecordField<User>&, std::string_view);

}  // namespace orvane

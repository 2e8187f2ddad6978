#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/PimDateTime.h"
#include "data/Task.h"
#include "data/User.h"

namespace orvane {

// How a field is held in the database file.
enum class FieldKind {
    Integer,  // ID, Priority: atol()
    Text,
    NumberFlag,  // WhitePages, YellowPages: 1 only for exactly "1"
    BoolFlag,    // Alarm, Done: set only for exactly "1"
    Date,        // a time value, negative ones invalid
    Uid,         // text that belongs to one record: never passed on to the next element
};

// One attribute of a record element: its name in the file and the member it fills.
template <class R>
struct RecordField {
    std::string_view name;
    FieldKind kind;
    std::string R::*text = nullptr;
    int32_t R::*number = nullptr;
    bool R::*flag = nullptr;
    PimDateTime R::*date = nullptr;
};

// The attributes of each record type in the order the file holds them.
template <class R>
std::span<const RecordField<R>> FieldsOf();
template <>
std::span<const RecordField<Person>> FieldsOf<Person>();
template <>
std::span<const RecordField<Task>> FieldsOf<Task>();
template <>
std::span<const RecordField<Appointment>> FieldsOf<Appointment>();
template <>
std::span<const RecordField<User>> FieldsOf<User>();

// The index of the named field, trying the expected one first (files list them in order);
// -1 for a name that is no field.
template <class R>
int FindField(std::span<const RecordField<R>> fields, std::string_view name, int expected)
{
    if (expected >= 0 && expected < static_cast<int>(fields.size()) &&
        fields[expected].name == name) {
        return expected;
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Sets the field from its text in the file, which ends at a zero byte as a record's text does.
template <class R>
void ApplyField(R& record, const RecordField<R>& field, std::string_view value);

template <class R>
void CopyField(R& target, const R& source, const RecordField<R>& field)
{
    switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::Uid:
            target.*field.text = source.*field.text;
            break;
        case FieldKind::Integer:
        case FieldKind::NumberFlag:
            target.*field.number = source.*field.number;
            break;
        case FieldKind::BoolFlag:
            target.*field.flag = source.*field.flag;
            break;
        case FieldKind::Date:
            target.*field.date = source.*field.date;
            break;
    }
}

}  // namespace orvane

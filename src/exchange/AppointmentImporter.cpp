#include "exchange/AppointmentImporter.h"

#include "data/PimDocument.h"
#include "exchange/CText.h"
#include "exchange/ColumnMap.h"
#include "exchange/ImportValueRules.h"

namespace orvane {

const std::vector<std::string>& AppointmentImporter::FieldNames()
{
    static const std::vector<std::string> names = {"Appointment", "Date",    "StartTime",
                                                   "EndTime",     "Alarmed", "AlarmTime"};
    return names;
}

AppointmentImporter::AppointmentImporter(PimDocument& document,
                                         const std::vector<std::string>& mapping)
    : m_document(document), m_fieldOfColumn(ColumnMap::Resolve(mapping, FieldNames()))
{
    for (int field : m_fieldOfColumn) {
        if (field >= 0) {
            m_hasColumn[static_cast<size_t>(field)] = true;
        }
    }
    for (const auto& [id, stored] : document.Database().Appointments()) {
        m_index.Add(stored.StartTime, stored.EndTime);
    }
}

void AppointmentImporter::BeginLine()
{
    for (std::string& value : m_values) {
        value.clear();
    }
    m_appointment.Description.clear();
}

void AppointmentImporter::TakeValue(size_t column, std::string& value)
{
    const int field = column < m_fieldOfColumn.size() ? m_fieldOfColumn[column] : -1;
    if (field >= 0) {
        m_values[static_cast<size_t>(field)].swap(value);
    }
}

bool AppointmentImporter::ComputeTimes()
{
    const auto day = ImportValueRules::ParseDay(m_values[kDate]);
    if (!day) {
        return false;
    }
    m_appointment.DueDate = *day;
    const auto startText = ImportValueRules::ParseMinuteOfDay(m_values[kStart]);
    const auto endText = ImportValueRules::ParseMinuteOfDay(m_values[kEnd]);
    if (!startText || !endText) {
        return false;
    }
    const int startMinute = ImportValueRules::SnapStart(*startText);
    const auto start = ImportValueRules::AtMinute(*day, startMinute);
    const auto end = ImportValueRules::AtMinute(*day, ImportValueRules::SnapEnd(*endText));
    // Only the last day of the calendar can push a limit out of range.
    if (!start || !end) {
        return false;
    }
    m_appointment.StartTime = *start;
    m_appointment.EndTime = *start > *end ? *start : *end;
    if (m_hasColumn[kAlarmed]) {
        m_appointment.Alarm = ImportValueRules::AlarmFlag(m_values[kAlarmed]);
    }
    // Without an AlarmTime column the reminder is due at the start, as for a lead time
    // out of range.
    m_appointment.AlarmTime = *start;
    if (m_hasColumn[kAlarmTime]) {
        const int lead = ImportValueRules::SnapAlarmLead(CText::Atoi(m_values[kAlarmTime]));
        if (lead >= 0 && lead <= 60) {
            if (const auto alarm = ImportValueRules::AtMinute(*day, startMinute - lead)) {
                m_appointment.AlarmTime = *alarm;
            }
        }
    }
    return true;
}

bool AppointmentImporter::EndLine()
{
    if (!m_values[kDescription].empty()) {
        m_appointment.Description = m_values[kDescription];
    }
    if (!ComputeTimes() || m_appointment.Description.empty() ||
        m_index.Collides(m_appointment.StartTime, m_appointment.EndTime)) {
        return false;
    }
    CText::TrimInPlace(m_appointment.Description);
    auto& book = m_document.Database().Appointments();
    const size_t before = book.Count();
    book.Add(m_appointment);
    // A hand-edited file can leave the new ID taken; then nothing was stored to collide with.
    if (book.Count() != before) {
        m_index.Add(m_appointment.StartTime, m_appointment.EndTime);
    }
    m_document.SetModified(true, false);
    return true;
}

}  // namespace orvane

#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/Appointment.h"
#include "exchange/AppointmentCollisionIndex.h"
#include "exchange/ImportLineSink.h"

namespace orvane {

class PimDocument;

// Turns import lines into appointments. A line needs a description, a date, a start and
// an end; the limits snap to quarter hours, and an appointment whose start or end falls
// within one already in the book (or added earlier by this import) is refused.
class AppointmentImporter : public ImportLineSink {
public:
    static const std::vector<std::string>& FieldNames();

    AppointmentImporter(PimDocument& document, const std::vector<std::string>& mapping);

    void BeginLine() override;
    void TakeValue(size_t column, std::string& value) override;
    bool EndLine() override;

private:
    enum Field { kDescription, kDate, kStart, kEnd, kAlarmed, kAlarmTime, kFieldCount };

    // Date, limits and alarm from the line's values; false when the line has no usable
    // date, start or end.
    bool ComputeTimes();

    PimDocument& m_document;
    std::vector<int> m_fieldOfColumn;
    std::array<bool, kFieldCount> m_hasColumn{};
    std::array<std::string, kFieldCount> m_values;
    Appointment m_appointment;
    AppointmentCollisionIndex m_index;
};

}  // namespace orvane

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PimDateTime.h"
#include "rules/panes/FormState.h"

namespace orvane {

class PimDocument;

// The selected day's appointments, earliest start first, with their alarm marks.
class AppointmentPane {
public:
    struct Row {
        int32_t id;
        bool alarm;
        std::string description;
        PimDateTime start;
        PimDateTime end;
    };

    AppointmentPane(PimDocument& document, FormState& state);

    // Lists the appointments due that day by start time; equal starts stay in ID order.
    void Fill(const PimDateTime& selectedDay);
    const std::vector<Row>& Rows() const { return m_rows; }
    // "start-end", both without seconds.
    std::string TimeRangeText(int row) const;
    static std::string TimeRange(const PimDateTime& start, const PimDateTime& end);

    // A click: row is the row the list now shows selected, -1 for none.
    void Click(int row);
    // Context menu: row under the pointer. Returns whether Delete and Edit are available.
    bool ContextMenu(int row);

    bool CanDelete() const;
    int32_t EditTarget() const;
    bool Delete();

private:
    int32_t IdAt(int row) const;

    PimDocument& m_document;
    FormState& m_state;
    std::vector<Row> m_rows;
    PimDateTime m_day;
};

}  // namespace orvane

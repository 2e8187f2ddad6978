#include "exchange/FieldAssignments.h"

namespace orvane {

FieldAssignments::FieldAssignments(std::vector<std::string> columnNames)
    : m_columns(std::move(columnNames)), m_fields(m_columns.size())
{}

int FieldAssignments::Assign(int row, const std::string& field)
{
    std::string& target = m_fields.at(row);
    int previous = -1;
    for (int other = 0; other < RowCount(); ++other) {
        if (other != row && m_fields[other] == field) {
            m_fields[other].clear();
            previous = other;
        }
    }
    target = field;
    return previous;
}

}  // namespace orvane

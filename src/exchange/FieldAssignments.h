#pragma once

#include <string>
#include <vector>

namespace orvane {

// Which record field each column of an import file feeds. A field feeds at most one
// column: assigning it to a column takes it away from the column that had it.
class FieldAssignments {
public:
    FieldAssignments() = default;
    explicit FieldAssignments(std::vector<std::string> columnNames);

    int RowCount() const { return static_cast<int>(m_columns.size()); }
    const std::string& ColumnName(int row) const { return m_columns.at(row); }
    // The assigned field name, empty when the column is not imported.
    const std::string& Assigned(int row) const { return m_fields.at(row); }

    // The row that lost the field to make room (-1 when none did).
    int Assign(int row, const std::string& field);
    void Clear(int row) { m_fields.at(row).clear(); }

    // One entry per column, in column order: the field name or "".
    const std::vector<std::string>& Mapping() const { return m_fields; }

private:
    std::vector<std::string> m_columns;
    std::vector<std::string> m_fields;
};

}  // namespace orvane

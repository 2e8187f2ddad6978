#include "exchange/TaskImporter.h"

#include "data/PimDocument.h"
#include "exchange/CText.h"
#include "exchange/ColumnMap.h"
#include "exchange/ImportValueRules.h"

namespace orvane {

const std::vector<std::string>& TaskImporter::FieldNames()
{
    static const std::vector<std::string> names = {"Task", "DueDate", "Priority"};
    return names;
}

TaskImporter::TaskImporter(PimDocument& document, const std::vector<std::string>& mapping)
    : m_document(document), m_fieldOfColumn(ColumnMap::Resolve(mapping, FieldNames()))
{}

void TaskImporter::TakeValue(size_t column, std::string& value)
{
    switch (column < m_fieldOfColumn.size() ? m_fieldOfColumn[column] : -1) {
        case kTask:
            m_task.Description.swap(value);
            break;
        case kDueDate:
            // A text that names no day makes the task due today.
            if (const auto day = ImportValueRules::ParseDay(value)) {
                m_task.DueDate = *day;
            } else {
                m_task.DueDate = PimDateTime::Today();
            }
            break;
        case kPriority:
            m_task.Priority = ImportValueRules::Priority(value);
            break;
        default:
            break;
    }
}

bool TaskImporter::EndLine()
{
    if (m_task.Description.empty()) {
        return false;
    }
    CText::TrimInPlace(m_task.Description);
    m_document.Database().Tasks().Add(m_task);
    m_document.SetModified(true, false);
    return true;
}

}  // namespace orvane

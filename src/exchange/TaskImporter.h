#pragma once

#include <string>
#include <vector>

#include "data/Task.h"
#include "exchange/ImportLineSink.h"

namespace orvane {

class PimDocument;

// Turns import lines into tasks. One working task is reused from line to line and only
// its description is reset, so fields without a column keep a new task's defaults.
class TaskImporter : public ImportLineSink {
public:
    static const std::vector<std::string>& FieldNames();

    TaskImporter(PimDocument& document, const std::vector<std::string>& mapping);

    void BeginLine() override { m_task.Description.clear(); }
    void TakeValue(size_t column, std::string& value) override;
    bool EndLine() override;

private:
    enum Field { kTask, kDueDate, kPriority };

    PimDocument& m_document;
    std::vector<int> m_fieldOfColumn;
    Task m_task;
};

}  // namespace orvane

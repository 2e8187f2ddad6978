#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// Receives the values of each line an import reads and decides whether it makes a record.
class ImportLineSink {
public:
    virtual ~ImportLineSink() = default;
    virtual void BeginLine() = 0;
    // The value of an imported column, up to its first zero byte ("EMPTY FIELD" and "EOF"
    // already made empty); the sink may take the string's contents.
    virtual void TakeValue(size_t column, std::string& value) = 0;
    // True when the line was accepted and its record added.
    virtual bool EndLine() = 0;
};

}  // namespace orvane

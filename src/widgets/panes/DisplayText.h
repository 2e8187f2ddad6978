#pragma once

#include <QString>
#include <string>

namespace orvane {

// Between the records' byte strings and the widgets: bytes that are valid UTF-8 show as
// UTF-8, anything else as Windows-1252; typed text is stored as UTF-8.
class DisplayText {
public:
    static QString ToDisplay(const std::string& bytes);
    static std::string FromTyped(const QString& text);
};

}  // namespace orvane

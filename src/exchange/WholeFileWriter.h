#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Creates (or replaces) a file and writes the given text into it in one piece.
class WholeFileWriter {
public:
    // False when the file cannot be created or the text is not written completely.
    static bool Write(const std::string& path, std::string_view text);
};

}  // namespace orvane

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// What the import wizard shows of a file before anything is imported: its first line and
// the columns that line splits into.
class FirstLinePreview {
public:
    static constexpr size_t kMaxLength = 1023;
    static constexpr const char* kEmptyColumn = "EMPTY FIELD";

    // The first line (cut after 1023 characters), trimmed of white space at both ends;
    // nothing when the file cannot be opened.
    static std::optional<std::string> Read(const std::string& path);
    // The line's fields, an empty one shown as "EMPTY FIELD". The separator's first
    // character is used; the encloser's only when there is one.
    static std::vector<std::string> Columns(const std::string& line, const std::string& separator,
                                            const std::string& encloser);
};

}  // namespace orvane

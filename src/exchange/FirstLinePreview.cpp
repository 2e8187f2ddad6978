#include "exchange/FirstLinePreview.h"

#include <cstdio>
#include <string_view>

#include "exchange/CText.h"
#include "exchange/FieldTokenizer.h"

namespace orvane {

std::optional<std::string> FirstLinePreview::Read(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return std::nullopt;
    }
    // One more than the limit so that a carriage return before the line feed can go.
    char buffer[kMaxLength + 2];
    const size_t n = std::fread(buffer, 1, sizeof buffer, file);
    // A folder opens like a file here but cannot be read.
    const bool unreadable = std::ferror(file) != 0;
    std::fclose(file);
    if (unreadable) {
        return std::nullopt;
    }
    std::string_view text(buffer, n);
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    text = text.substr(0, kMaxLength);
    return std::string(CText::Trim(text));
}

std::vector<std::string> FirstLinePreview::Columns(const std::string& line,
                                                   const std::string& separator,
                                                   const std::string& encloser)
{
    FieldTokenizer tokenizer;
    if (!separator.empty()) {
        tokenizer.SetSeparator(separator.front());
    }
    if (!encloser.empty()) {
        tokenizer.SetEncloser(encloser.front());
    }
    std::vector<std::string> columns;
    std::string_view rest(line);
    std::string field;
    while (tokenizer.NextField(rest, field)) {
        columns.push_back(field.empty() ? std::string(kEmptyColumn) : field);
        field.clear();
    }
    return columns;
}

}  // namespace orvane

#include "exchange/FirstLinePreview.h"

#include <string_view>

#include "exchange/CText.h"
#include "exchange/FieldTokenizer.h"
#include "exchange/LineReader.h"

namespace orvane {

std::optional<std::string> FirstLinePreview::Read(const std::string& path)
{
    // The importer's own reading, so that the preview sees the file's text as it will.
    LineReader reader;
    if (!reader.Open(path)) {
        return std::nullopt;
    }
    // One more than the limit so that a carriage return before the line feed can go.
    const std::string start = reader.Take(kMaxLength + 2);
    // A folder opens like a file here but cannot be read.
    if (reader.Failed()) {
        return std::nullopt;
    }
    std::string_view text(start);
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

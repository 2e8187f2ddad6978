#include "exchange/ImportReader.h"

#include <algorithm>
#include <string_view>

#include "data/RecordText.h"
#include "exchange/FieldTokenizer.h"
#include "exchange/LineReader.h"

namespace orvane {

namespace {

FieldTokenizer MakeTokenizer(const TransferSettings& settings)
{
    FieldTokenizer tokenizer;
    if (!settings.separator.empty()) {
        tokenizer.SetSeparator(settings.separator.front());
    }
    if (!settings.encloser.empty()) {
        tokenizer.SetEncloser(settings.encloser.front());
    }
    return tokenizer;
}

// Columns past the last imported one are never asked for.
size_t ColumnsToRead(const TransferSettings& settings)
{
    const size_t columns =
        std::min(static_cast<size_t>(std::max(settings.columnCount, 0)), settings.mapping.size());
    size_t used = 0;
    for (size_t i = 0; i < columns; ++i) {
        if (!settings.mapping[i].empty()) {
            used = i + 1;
        }
    }
    return used;
}

}  // namespace

int ImportReader::Run(const TransferSettings& settings, size_t lineLimit, ImportLineSink& sink)
{
    LineReader reader;
    if (!reader.Open(settings.fileName)) {
        return 0;
    }
    const FieldTokenizer tokenizer = MakeTokenizer(settings);
    const size_t columns = ColumnsToRead(settings);
    std::string line;
    if (settings.firstLineHasNames && reader.Next(line, lineLimit) != LineReader::Status::Line) {
        return 0;
    }
    int count = 0;
    std::string value;
    while (reader.Next(line, lineLimit) == LineReader::Status::Line) {
        sink.BeginLine();
        std::string_view rest(line);
        for (size_t column = 0; column < columns; ++column) {
            value.clear();
            tokenizer.NextField(rest, value);
            if (settings.mapping[column].empty()) {
                continue;
            }
            RecordText::CutAtZero(value);
            if (value == "EMPTY FIELD" || value == "EOF") {
                value.clear();
            }
            sink.TakeValue(column, value);
        }
        if (sink.EndLine()) {
            ++count;
        }
    }
    return count;
}

}  // namespace orvane

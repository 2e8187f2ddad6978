#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "exchange/DelimitedLineWriter.h"
#include "exchange/ExportColumns.h"
#include "exchange/TransferSettings.h"

namespace orvane {

// Builds the whole text of an export file: the header (when asked for) and one line per
// record in collection order, with the fields named in the settings' mapping. An empty
// collection gives an empty text, without a header.
class DelimitedExport {
public:
    template <class R, class Collection>
    static std::string BuildText(const Collection& records, std::span<const ExportColumn<R>> table,
                                 const TransferSettings& settings, int& count)
    {
        count = 0;
        if (records.IsEmpty()) {
            return {};
        }
        std::vector<const ExportColumn<R>*> marked;
        for (const ExportColumn<R>& column : table) {
            if (std::find(settings.mapping.begin(), settings.mapping.end(), column.name) !=
                settings.mapping.end()) {
                marked.push_back(&column);
            }
        }
        DelimitedLineWriter writer(settings.separator, settings.encloser);
        if (settings.firstLineHasNames) {
            writer.WriteHeader(settings.mapping);
        }
        std::string scratch;
        for (const auto& [id, record] : records) {
            writer.BeginRecord();
            for (const ExportColumn<R>* column : marked) {
                writer.WriteField(column->value(record, scratch), column->doublesEncloser);
            }
            writer.EndRecord();
            ++count;
        }
        return writer.TakeText();
    }
};

}  // namespace orvane

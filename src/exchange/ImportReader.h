#pragma once

#include <cstddef>

#include "exchange/ImportLineSink.h"
#include "exchange/TransferSettings.h"

namespace orvane {

// Reads an import file line by line and hands each line's imported columns to a sink.
// Reading stops for good at the end of the file, at a line longer than the limit and at
// a last line without a line feed; the records added before stay.
class ImportReader {
public:
    static constexpr size_t kPersonLineLimit = 4095;
    static constexpr size_t kTaskLineLimit = 2047;
    static constexpr size_t kAppointmentLineLimit = 2047;

    // The number of lines the sink accepted; 0 when the file cannot be opened.
    static int Run(const TransferSettings& settings, size_t lineLimit, ImportLineSink& sink);
};

}  // namespace orvane

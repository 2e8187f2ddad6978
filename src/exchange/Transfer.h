#pragma once

#include "exchange/RecordKind.h"

namespace orvane {

class PimDocument;
struct TransferSettings;

// The export or import of one kind of record, for callers that hold the kind as a value.
class Transfer {
public:
    // The number of records written, 0 on a file error.
    static int Export(const PimDocument& document, RecordKind kind,
                      const TransferSettings& settings);
    // The number of records added.
    static int Import(PimDocument& document, RecordKind kind, const TransferSettings& settings);
};

}  // namespace orvane

#pragma once

#include <cstdint>
#include <vector>

#include "interop/ExportResult.h"
#include "interop/Progress.h"
#include "interop/VCardWriter.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::interop {

// Writes persons as vCards.
class VCardExport {
public:
    // The persons with the given IDs (all when the list is empty; unknown IDs are passed
    // over), in ascending ID order. A person without a UID gets one, kept in the database.
    // Progress counts persons.
    static ExportResult Run(PimDatabase& database, const std::vector<int32_t>& ids,
                            VCardVersion version = VCardVersion::V30,
                            const Progress& progress = {});
};

}  // namespace orvane::interop

#pragma once

#include <optional>
#include <string_view>

#include "interop/ImportSummary.h"
#include "interop/Progress.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::interop {

// Brings the cards of a vCard file into the phone book.
class VCardImport {
public:
    // Adds each card as a person, or updates the person with the card's UID; a card without
    // a UID is known by its content. Nothing, and no change, when the text is not vCard.
    // Progress counts bytes of the text.
    static std::optional<ImportSummary> Run(PimDatabase& database, std::string_view text,
                                            const Progress& progress = {});
};

}  // namespace orvane::interop

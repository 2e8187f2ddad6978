#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/RecordKind.h"

namespace orvane {

// Whether an import's column assignment names enough of the fields a record needs.
class RequiredFieldRule {
public:
    // Nothing when the mapping passes; otherwise the message to show (caption
    // "Import Error").
    static std::optional<std::string> Check(RecordKind kind,
                                            const std::vector<std::string>& mapping);
    static const char* Caption() { return "Import Error"; }
};

}  // namespace orvane

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "exchange/RecordKind.h"
#include "exchange/TransferSettings.h"

namespace orvane {

class PimDocument;
class Prompter;

// The import and export commands apart from the window: start the settings, let the
// wizard fill them, then transfer and, after an import, say how many records came in.
class TransferCommand {
public:
    // Shows the wizard under the title; true when the user pressed Finish.
    using Wizard = std::function<bool(TransferSettings& settings, const std::string& title,
                                      bool importing, RecordKind kind)>;

    // The number of records written; nothing when the wizard was cancelled.
    static std::optional<int> Export(const PimDocument& document, RecordKind kind,
                                     const Wizard& wizard);
    // The number of records added; nothing when the wizard was cancelled.
    static std::optional<int> Import(PimDocument& document, RecordKind kind, Prompter& prompter,
                                     const Wizard& wizard);
};

}  // namespace orvane

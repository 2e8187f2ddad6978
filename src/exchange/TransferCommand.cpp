#include "exchange/TransferCommand.h"

#include "exchange/FieldTables.h"
#include "exchange/Transfer.h"
#include "exchange/TransferWizardRules.h"
#include "platform/Prompter.h"

namespace orvane {

std::optional<int> TransferCommand::Export(const PimDocument& document, RecordKind kind,
                                           const Wizard& wizard)
{
    TransferSettings settings = TransferSettings::ForExport(kind);
    if (!wizard(settings, TransferWizardRules::Title(kind, false), false, kind)) {
        return std::nullopt;
    }
    // A file that could not be written is not reported: the count is all there is.
    return Transfer::Export(document, kind, settings);
}

std::optional<int> TransferCommand::Import(PimDocument& document, RecordKind kind,
                                           Prompter& prompter, const Wizard& wizard)
{
    TransferSettings settings = TransferSettings::ForImport(kind);
    if (!wizard(settings, TransferWizardRules::Title(kind, true), true, kind)) {
        return std::nullopt;
    }
    const int count = Transfer::Import(document, kind, settings);
    prompter.ShowMessage(FieldTables::ImportCompletedMessage(kind, count),
                         FieldTables::ImportCompletedCaption(kind), MessageButtons::Ok,
                         MessageIcon::Information);
    return count;
}

}  // namespace orvane

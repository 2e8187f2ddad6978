#include "cli/ImportCommand.h"

#include <algorithm>

#include "cli/DatabaseUpdate.h"
#include "cli/InteropCommands.h"
#include "cli/TransferOptions.h"
#include "data/PimDocument.h"
#include "exchange/FieldTables.h"
#include "exchange/FirstLinePreview.h"
#include "exchange/RequiredFieldRule.h"
#include "exchange/Transfer.h"
#include "exchange/TransferSettings.h"

namespace orvane::cli {

namespace {

// Every entry names a field of the import table, each field at most once; otherwise
// the problem.
std::string CheckColumns(const std::vector<std::string>& columns, RecordKind kind)
{
    const std::vector<std::string> table = FieldTables::ImportNames(kind);
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        if (it->empty()) {
            continue;
        }
        if (std::find(table.begin(), table.end(), *it) == table.end()) {
            std::string known;
            for (const std::string& name : table) {
                known += (known.empty() ? "" : ", ") + name;
            }
            return "unknown field \"" + *it + "\"; " + FieldTables::TypeName(kind) +
                   " fields are " + known;
        }
        if (std::find(columns.begin(), it, *it) != it) {
            return "field \"" + *it + "\" is given to more than one column";
        }
    }
    return {};
}

}  // namespace

std::string ImportCommand::Summary() const
{
    const std::string indent = "\n" + std::string(24, ' ');
    return indent + "Add the TYPE records of a delimited text file to DBFILE and save it;" +
           indent + "one --columns entry per file column, empty for one not imported." + indent +
           TransferOptions::FormatHelp() + indent +
           "import vcard DBFILE FILE: the cards of a vCard file as persons;" + indent +
           "import ical DBFILE FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD]: the tasks and" + indent +
           "events of an iCalendar file, series expanded between the two days" + indent +
           "(a year before today to two years after). A record with the item's UID is" + indent +
           "updated instead of added.";
}

int ImportCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    if (InteropCommands::Handles(arguments)) {
        return InteropCommands::Import(arguments, context);
    }
    std::string problem;
    const auto options = TransferOptions::Parse(arguments, "--columns", problem);
    if (options) {
        problem = CheckColumns(options->list, options->kind);
    }
    if (!problem.empty()) {
        context.err << "orvane-cli: import: " << problem << "\nUsage: orvane-cli import "
                    << Arguments() << " " << TransferOptions::FormatHelp() << "\n";
        return kUsage;
    }
    if (const auto missing = RequiredFieldRule::Check(options->kind, options->list)) {
        context.err << *missing << "\n";
        return kMissingFields;
    }
    if (!FirstLinePreview::Read(options->file)) {
        context.err << "Unable to open file\n";
        return kReadFailed;
    }
    PimDocument document;
    DatabaseUpdate database(options->database);
    if (const int status = database.Load(document.Database(), context); status != kSuccess) {
        return status;
    }
    TransferSettings settings = TransferSettings::ForImport(options->kind);
    settings.SetFormat(options->format);
    settings.fileName = options->file;
    settings.mapping = options->list;
    settings.columnCount = static_cast<int>(options->list.size());
    const int added = Transfer::Import(document, options->kind, settings);
    // A database that gained nothing is left as it was.
    if (added > 0) {
        if (const int status = database.Save(document.Database(), context); status != kSuccess) {
            return status;
        }
    }
    context.out << FieldTables::ImportCompletedMessage(options->kind, added) << "\n";
    return kSuccess;
}

}  // namespace orvane::cli

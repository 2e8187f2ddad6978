#include "cli/ExportCommand.h"

#include <algorithm>
#include <filesystem>

#include "cli/DatabaseFiles.h"
#include "cli/InteropCommands.h"
#include "cli/TransferOptions.h"
#include "data/PimDocument.h"
#include "exchange/FieldTables.h"
#include "exchange/Transfer.h"
#include "exchange/TransferSettings.h"

namespace orvane::cli {

namespace {

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// Every entry names a field of the export table; otherwise the problem.
std::string CheckFields(const std::vector<std::string>& fields, RecordKind kind)
{
    const std::vector<std::string> table = FieldTables::ExportNames(kind);
    for (const std::string& name : fields) {
        if (std::find(table.begin(), table.end(), name) == table.end()) {
            return "unknown field \"" + name + "\"; " + FieldTables::TypeName(kind) +
                   " fields are " + Joined(table);
        }
    }
    return {};
}

bool IsEmpty(const PimDatabase& db, RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return db.Persons().IsEmpty();
        case RecordKind::Tasks:
            return db.Tasks().IsEmpty();
        case RecordKind::Appointments:
            return db.Appointments().IsEmpty();
    }
    return true;
}

}  // namespace

std::string ExportCommand::Summary() const
{
    const std::string indent = "\n" + std::string(24, ' ');
    return indent + "Write the TYPE records (tasks, persons or appointments) of DBFILE to a" +
           indent + "delimited text file, the fields in table order." + indent +
           TransferOptions::FormatHelp() + indent +
           "export vcard DBFILE OUTFILE [--persons all|ID,...] [--version 3.0|4.0]" + indent +
           "export ical DBFILE OUTFILE [--tasks] [--appointments] (both by default)" + indent +
           "Records without a UID get one, and DBFILE is saved with them.";
}

int ExportCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    if (InteropCommands::Handles(arguments)) {
        return InteropCommands::Export(arguments, context);
    }
    std::string problem;
    const auto options = TransferOptions::Parse(arguments, "--fields", problem);
    if (options) {
        problem = CheckFields(options->list, options->kind);
    }
    if (!problem.empty()) {
        context.err << "orvane-cli: export: " << problem << "\nUsage: orvane-cli export "
                    << Arguments() << " " << TransferOptions::FormatHelp() << "\n";
        return kUsage;
    }
    const std::vector<std::string> table = FieldTables::ExportNames(options->kind);
    TransferSettings settings = TransferSettings::ForExport(options->kind);
    settings.SetFormat(options->format);
    settings.fileName = options->file;
    // The values always follow the table's order, so the header does too.
    settings.mapping.clear();
    for (const std::string& name : table) {
        if (std::find(options->list.begin(), options->list.end(), name) != options->list.end()) {
            settings.mapping.push_back(name);
        }
    }
    PimDocument document;
    if (const int status = DatabaseFiles::Load(options->database, document.Database(), context);
        status != kSuccess) {
        return status;
    }
    const int written = Transfer::Export(document, options->kind, settings);
    // An empty collection writes an empty file; only its absence tells of a failure then.
    if (written == 0 &&
        (!IsEmpty(document.Database(), options->kind) || !std::filesystem::exists(options->file))) {
        context.err << "Unable to write file!\n";
        return kWriteFailed;
    }
    context.out << written << " records written.\n";
    return kSuccess;
}

}  // namespace orvane::cli

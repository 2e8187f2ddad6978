#include "cli/InteropCommands.h"

#include <charconv>
#include <optional>

#include "cli/DatabaseUpdate.h"
#include "data/PimDatabase.h"
#include "interop/InteropFiles.h"

namespace orvane::cli {

namespace {

using interop::InteropFiles;

struct Options {
    bool vcard = true;
    std::string database;
    std::string file;
    interop::ExpansionWindow window = interop::ExpansionWindow::Default();
    std::vector<int32_t> persons;  // empty: all
    interop::VCardVersion version = interop::VCardVersion::V30;
    bool tasks = false;
    bool appointments = false;
};

std::optional<PimDateTime> Day(const std::string& text)
{
    int year = 0, month = 0, day = 0;
    const char* end = text.data() + text.size();
    auto [p1, e1] = std::from_chars(text.data(), end, year);
    if (e1 != std::errc() || p1 == end || *p1 != '-' || text.size() != 10) {
        return std::nullopt;
    }
    auto [p2, e2] = std::from_chars(p1 + 1, end, month);
    if (e2 != std::errc() || p2 == end || *p2 != '-') {
        return std::nullopt;
    }
    auto [p3, e3] = std::from_chars(p2 + 1, end, day);
    PimDateTime value;
    if (e3 != std::errc() || p3 != end || !value.SetDateTime(year, month, day, 0, 0, 0)) {
        return std::nullopt;
    }
    return value;
}

bool PersonList(const std::string& text, std::vector<int32_t>& ids)
{
    if (text == "all") {
        return true;
    }
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma - start);
        int32_t id = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), id);
        if (part.empty() || error != std::errc() || end != part.data() + part.size()) {
            return false;
        }
        ids.push_back(id);
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

// One option; the problem when it does not fit the command.
std::string Apply(const std::vector<std::string>& arguments, size_t& i, bool import,
                  Options& options)
{
    const std::string& option = arguments[i];
    if (!import && !options.vcard && (option == "--tasks" || option == "--appointments")) {
        (option == "--tasks" ? options.tasks : options.appointments) = true;
        return {};
    }
    const bool takesValue = import
                                ? !options.vcard && (option == "--from" || option == "--to")
                                : options.vcard && (option == "--persons" || option == "--version");
    if (!takesValue) {
        return "unknown option " + option;
    }
    if (i + 1 >= arguments.size()) {
        return option + " needs a value";
    }
    const std::string& value = arguments[++i];
    if (option == "--from" || option == "--to") {
        const auto day = Day(value);
        if (!day) {
            return "bad date \"" + value + "\" (YYYY-MM-DD)";
        }
        (option == "--from" ? options.window.first : options.window.last) = *day;
    } else if (option == "--persons") {
        if (!PersonList(value, options.persons)) {
            return "bad person list \"" + value + "\" (all or ID,ID,...)";
        }
    } else if (value == "3.0" || value == "4.0") {
        options.version = value == "3.0" ? interop::VCardVersion::V30 : interop::VCardVersion::V40;
    } else {
        return "bad version \"" + value + "\" (3.0 or 4.0)";
    }
    return {};
}

std::optional<Options> Parse(const std::vector<std::string>& arguments, bool import,
                             std::string& problem)
{
    Options options;
    options.vcard = arguments.at(0) == "vcard";
    std::vector<std::string> positional;
    for (size_t i = 1; i < arguments.size() && problem.empty(); ++i) {
        if (arguments[i].starts_with("--")) {
            problem = Apply(arguments, i, import, options);
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (problem.empty() && positional.size() != 2) {
        problem = "expected DBFILE FILE after " + arguments[0];
    }
    if (problem.empty() && options.window.last < options.window.first) {
        problem = "--to is before --from";
    }
    if (!problem.empty()) {
        return std::nullopt;
    }
    options.database = positional[0];
    options.file = positional[1];
    if (!options.tasks && !options.appointments) {
        options.tasks = options.appointments = true;
    }
    return options;
}

int Usage(const std::string& command, const std::string& problem, const char* usage,
          CliContext& context)
{
    context.err << "orvane-cli: " << command << ": " << problem << "\nUsage: " << usage;
    return kUsage;
}

}  // namespace

bool InteropCommands::Handles(const std::vector<std::string>& arguments)
{
    return !arguments.empty() && (arguments[0] == "vcard" || arguments[0] == "ical");
}

const char* InteropCommands::ImportUsage()
{
    return "orvane-cli import vcard DBFILE FILE\n"
           "       orvane-cli import ical DBFILE FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n";
}

const char* InteropCommands::ExportUsage()
{
    return "orvane-cli export vcard DBFILE OUTFILE [--persons all|ID,...] [--version 3.0|4.0]\n"
           "       orvane-cli export ical DBFILE OUTFILE [--tasks] [--appointments]\n";
}

int InteropCommands::Import(const std::vector<std::string>& arguments, CliContext& context)
{
    std::string problem;
    const auto options = Parse(arguments, true, problem);
    if (!options) {
        return Usage("import", problem, ImportUsage(), context);
    }
    PimDatabase database;
    DatabaseUpdate update(options->database);
    if (const int status = update.Load(database, context); status != kSuccess) {
        return status;
    }
    const InteropFiles::Outcome outcome =
        options->vcard ? InteropFiles::ImportVCard(database, options->file)
                       : InteropFiles::ImportICalendar(database, options->file, options->window);
    if (outcome.status == InteropFiles::Status::Unreadable ||
        outcome.status == InteropFiles::Status::WrongKind) {
        context.err << outcome.Problem(options->file, options->vcard) << "\n";
        return outcome.status == InteropFiles::Status::Unreadable ? kReadFailed : kParseFailed;
    }
    if (outcome.ChangedDatabase()) {
        if (const int status = update.Save(database, context); status != kSuccess) {
            return status;
        }
    }
    context.out << outcome.Message() << "\n";
    return kSuccess;
}

int InteropCommands::Export(const std::vector<std::string>& arguments, CliContext& context)
{
    std::string problem;
    const auto options = Parse(arguments, false, problem);
    if (!options) {
        return Usage("export", problem, ExportUsage(), context);
    }
    PimDatabase database;
    DatabaseUpdate update(options->database);
    if (const int status = update.Load(database, context); status != kSuccess) {
        return status;
    }
    for (const int32_t id : options->persons) {
        if (!database.Persons().Find(id)) {
            return Usage("export", "no person has the ID " + std::to_string(id), ExportUsage(),
                         context);
        }
    }
    const InteropFiles::Outcome outcome =
        options->vcard
            ? InteropFiles::ExportVCard(database, options->file, options->persons, options->version)
            : InteropFiles::ExportICalendar(database, options->file, options->tasks,
                                            options->appointments);
    if (outcome.status != InteropFiles::Status::Done) {
        context.err << outcome.Problem(options->file, options->vcard) << "\n";
        return kWriteFailed;
    }
    // The UIDs just given are what later imports recognise the records by.
    if (outcome.uidsGiven > 0) {
        if (const int status = update.Save(database, context); status != kSuccess) {
            return status;
        }
    }
    context.out << outcome.Message() << (outcome.uidsGiven > 0 ? ", database saved" : "") << "\n";
    return kSuccess;
}

}  // namespace orvane::cli

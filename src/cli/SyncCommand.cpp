#include "cli/SyncCommand.h"

#include <sys/wait.h>

#include <cstdio>
#include <optional>

#include "cli/DatabaseUpdate.h"
#include "data/PimDatabase.h"
#include "platform/ConfigFileSettings.h"
#include "sync/SyncSettings.h"
#include "sync/SyncSummary.h"
#include "sync/Synchronizer.h"

namespace orvane::cli {

namespace {

struct Request {
    std::string database;
    std::optional<std::string> contacts, calendar, command, rule;
    bool forceDelete = false;
};

// The problem with the arguments; empty when they fit.
std::string Parse(const std::vector<std::string>& arguments, Request& request)
{
    request.database = arguments[0];
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--force-delete") {
            request.forceDelete = true;
            continue;
        }
        std::optional<std::string>* value = option == "--contacts"     ? &request.contacts
                                            : option == "--calendar"   ? &request.calendar
                                            : option == "--run-before" ? &request.command
                                            : option == "--conflicts"  ? &request.rule
                                                                       : nullptr;
        if (!value) {
            return "unknown argument " + option;
        }
        if (i + 1 == arguments.size()) {
            return option + " needs a value";
        }
        *value = arguments[++i];
    }
    return {};
}

// Runs the command through the shell, its output on the error stream; false when it fails.
bool RunBefore(const std::string& command, CliContext& context)
{
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        context.err << command << " could not be started\n";
        return false;
    }
    char buffer[4096];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) {
        context.err.write(buffer, static_cast<std::streamsize>(read));
    }
    const int status = ::pclose(pipe);
    if (status == 0) {
        return true;
    }
    context.err << command << " failed ("
                << (WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status)) : "killed")
                << "); nothing was synchronized\n";
    return false;
}

int Usage(const std::string& problem, const std::string& arguments, CliContext& context)
{
    context.err << "orvane-cli: sync: " << problem << "\nUsage: orvane-cli sync " << arguments
                << "\n";
    return kUsage;
}

int Stopped(const std::string& problem, CliContext& context)
{
    context.err << problem
                << "\nIf the items were removed on purpose, run the sync again with "
                   "--force-delete.\n";
    return kSyncStopped;
}

}  // namespace

std::string SyncCommand::Summary() const
{
    return "Synchronize DB both ways with vdir folders: persons with the .vcf files of the "
           "contacts folder, tasks and appointments with the .ics files of the calendar folder.";
}

int SyncCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    Request request;
    if (const std::string problem = Parse(arguments, request); !problem.empty()) {
        return Usage(problem, Arguments(), context);
    }
    sync::SyncSettings settings = sync::SyncSettings::Read(
        ConfigFileSettings(ConfigFileSettings::UserFile()), request.database);
    settings.contacts = request.contacts.value_or(settings.contacts);
    settings.calendar = request.calendar.value_or(settings.calendar);
    if (request.rule && !sync::SyncSummary::ParseRule(*request.rule, settings.rule)) {
        return Usage("bad rule \"" + *request.rule + "\" (newer, database or folder)", Arguments(),
                     context);
    }
    if (!settings.IsSet()) {
        return Usage(request.database +
                         " has no sync folders; give --contacts DIR or --calendar DIR, or set "
                         "them in the window (Edit > Synchronization...)",
                     Arguments(), context);
    }
    if (request.command && !RunBefore(*request.command, context)) {
        return kCommandFailed;
    }
    PimDatabase database;
    DatabaseUpdate file(request.database);
    if (const int status = file.Load(database, context); status != kSuccess) {
        return status;
    }
    sync::SyncOptions options;
    options.rule = settings.rule;
    options.databaseTimeNs = file.Loaded() ? file.Loaded()->modifiedNs : 0;
    options.forceDelete = request.forceDelete;
    sync::Synchronizer synchronizer(request.database, {settings.contacts, settings.calendar});
    if (!synchronizer.Plan(database, options)) {
        return Stopped(synchronizer.Problem(), context);
    }
    const bool changed = synchronizer.ApplyToDatabase(database);
    // Neither side is written when another program saved the database meanwhile: the save
    // checks that too, this catches it when the sync changed nothing in the database.
    if (!changed) {
        if (const int status = file.CheckUnchanged(context); status != kSuccess) {
            return status;
        }
    }
    if (changed) {
        if (const int status = file.Save(database, context); status != kSuccess) {
            return status;
        }
    }
    synchronizer.ApplyToFolders(database);
    context.out << synchronizer.Summary().Text();
    return synchronizer.Summary().writeFailed ? kWriteFailed : kSuccess;
}

}  // namespace orvane::cli

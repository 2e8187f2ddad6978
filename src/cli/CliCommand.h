#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit statuses of orvane-cli.
enum Status : int {
    kSuccess = 0,
    kReadFailed = 1,     // "Error loading file."
    kParseFailed = 2,    // "Parsing error at line N", or no database to save over
    kWriteFailed = 3,    // "Unable to write file!"
    kMissingFields = 4,  // an import without the fields its records need
    kChanged = 5,        // another program changed the file while the command ran
    kSyncStopped = 6,    // a sync stopped for safety: one side empty, a folder missing
    kCommandFailed = 7,  // the command to run before a sync failed
    kUsage = 64,         // bad arguments
};

// Where a command writes: its output and its messages.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
};

// One subcommand of orvane-cli. A new command is a new class and one line in
// StandardCommands.cpp.
class CliCommand {
public:
    virtual ~CliCommand() = default;
    virtual std::string Name() const = 0;
    // The arguments after the name, as the help shows them: "IN OUT".
    virtual std::string Arguments() const = 0;
    virtual std::string Summary() const = 0;
    virtual size_t ArgumentCount() const = 0;
    // Commands with options take a varying number of arguments.
    virtual bool AcceptsArguments(size_t count) const { return count == ArgumentCount(); }
    // Runs with arguments it accepts; returns the exit status.
    virtual int Run(const std::vector<std::string>& arguments, CliContext& context) = 0;
};

}  // namespace orvane::cli

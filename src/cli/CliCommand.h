#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli {

// Exit statuses of orvane-cli.
enum Status : int {
    kSuccess = 0,
    kReadFailed = 1,   // "Error loading file."
    kParseFailed = 2,  // "Parsing error at line N"
    kWriteFailed = 3,  // "Unable to write file!"
    kUsage = 64,       // bad arguments
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
    // Runs with exactly ArgumentCount() arguments; returns the exit status.
    virtual int Run(const std::vector<std::string>& arguments, CliContext& context) = 0;
};

}  // namespace orvane::cli

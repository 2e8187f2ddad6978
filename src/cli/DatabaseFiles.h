#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::cli {

// Loading and saving for the commands, with the program's messages on the error stream.
class DatabaseFiles {
public:
    // kSuccess, kReadFailed or kParseFailed.
    static int Load(const std::string& path, PimDatabase& database, CliContext& context);
    // kSuccess or kWriteFailed.
    static int Save(const std::string& path, const PimDatabase& database, CliContext& context);
};

}  // namespace orvane::cli

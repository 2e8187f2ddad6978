#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::cli {

// Loading for the commands that only read, with the program's messages on the error
// stream. Commands that save over a file use DatabaseUpdate.
class DatabaseFiles {
public:
    // kSuccess, kReadFailed or kParseFailed.
    static int Load(const std::string& path, PimDatabase& database, CliContext& context);
};

}  // namespace orvane::cli

#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane {

class PimDatabase;

// Builds the text of a database file (format version 1), byte for byte as the loader
// expects it back: whole in memory, or piece by piece for a save.
class DatabaseWriter {
public:
    static std::string BuildText(const PimDatabase& database);
    // Appends to out; reserves a rough estimate first so that big databases grow once.
    static void AppendText(std::string& out, const PimDatabase& database);

    using Sink = std::function<bool(std::string_view)>;
    static constexpr size_t kPiece = 256 * 1024;

    // The same text handed to sink in pieces of about kPiece bytes, in order, so that a save
    // never holds the whole file in memory. False as soon as the sink refuses a piece.
    static bool WriteText(const PimDatabase& database, const Sink& sink);
};

}  // namespace orvane

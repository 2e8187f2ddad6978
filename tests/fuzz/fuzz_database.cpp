// Any bytes as a database file: parse and load must not crash, whatever they hold; what
// loads must dump as JSON and save to a text that loads again to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/DumpCommand.h"
#include "data/PimDatabase.h"
#include "platform/Clock.h"
#include "platform/SettableClock.h"
#include "storage/DatabaseWriter.h"
#include "storage/SimpleXMLParser.h"
#include "support/ScriptedPrompter.h"

namespace {

orvane::SettableClock& FixedClock()
{
    static orvane::SettableClock clock(2024, 3, 10, 15, 30);
    return clock;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "America/New_York", 1);
    orvane::Clock::SetCurrent(&FixedClock());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    orvane::ScriptedPrompter prompter;
    orvane::PimDatabase db;
    const bool loaded = db.Load(text.c_str(), prompter);
    // The tree reader runs the same parse: it must fail exactly when the loader does.
    bool parsed = true;
    try {
        orvane::SimpleXMLParser::Parser parser;
        parser.Parse(text.c_str(), std::strlen(text.c_str()));
    } catch (const orvane::SimpleXMLParser::Exception&) {
        parsed = false;
    }
    if (parsed != loaded) {
        std::abort();
    }
    if (!loaded) {
        return 0;
    }
    const std::string json = orvane::cli::DumpCommand::ToJson(db);
    const std::string saved = orvane::DatabaseWriter::BuildText(db);
    // Reading stops at a zero byte, so the records must never hold one ("&#0;", "&#256;").
    if (saved.find('\0') != std::string::npos) {
        std::abort();
    }
    orvane::PimDatabase again;
    if (!again.Load(saved.c_str(), prompter) || orvane::DatabaseWriter::BuildText(again) != saved) {
        std::abort();
    }
    return 0;
}

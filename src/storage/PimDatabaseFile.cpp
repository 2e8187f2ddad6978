// PimDatabase's file side: the safe save and the loader.
#include <cstdio>
#include <cstring>

#include "data/PimDatabase.h"
#include "platform/Prompter.h"
#include "storage/DatabaseLoader.h"
#include "storage/DatabaseWriter.h"
#include "storage/SafeSave.h"
#include "storage/SimpleXMLParser.h"

namespace orvane {

bool PimDatabase::Save(const std::string& path) const
{
    return SafeSave::Write(path, [this](const SafeSave::TextSink& sink) {
        return DatabaseWriter::WriteText(*this, sink);
    });
}

// The records go into a copy that replaces the database only once the whole text has
// parsed: a file with an error maps nothing.
bool PimDatabase::Load(const char* text, Prompter& prompter)
{
    PimDatabase staged = *this;
    try {
        DatabaseLoader loader(staged);
        SimpleXMLParser::Parser parser;
        parser.Parse(text, std::strlen(text), loader);
    } catch (const SimpleXMLParser::Exception& error) {
        char message[64];
        std::snprintf(message, sizeof message, "Parsing error at line %d", error.Line);
        prompter.ShowMessage(message, "Error Loading File", MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    *this = std::move(staged);
    return true;
}

}  // namespace orvane

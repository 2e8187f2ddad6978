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
    return SafeSave::Write(path, DatabaseWriter::BuildText(*this));
}

bool PimDatabase::Load(const char* text, Prompter& prompter)
{
    std::unique_ptr<SimpleXMLParser::Element> root;
    try {
        SimpleXMLParser::Parser parser;
        root = parser.Parse(text, std::strlen(text));
    } catch (const SimpleXMLParser::Exception& error) {
        char message[64];
        std::snprintf(message, sizeof message, "Parsing error at line %d", error.Line);
        prompter.ShowMessage(message, "Error Loading File", MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    DatabaseLoader::Map(*root, *this);
    return true;
}

}  // namespace orvane

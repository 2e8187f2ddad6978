#pragma once

#include "storage/SimpleXMLNodes.h"

namespace orvane {

class PimDatabase;

// Maps a parsed database file into the collections and the owner record. The tree is
// consumed: texts move into the records and each record element is released once read,
// so a big file is not held twice.
class DatabaseLoader {
public:
    static void Map(SimpleXMLParser::Element& root, PimDatabase& database);
};

}  // namespace orvane

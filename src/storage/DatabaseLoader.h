#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "storage/SimpleXMLHandler.h"

namespace orvane {

class PimDatabase;

// Maps a database file into the collections and the owner record while it is parsed, so
// that no tree of a big file is ever built. Versions 1 and 13 are read; a file with another
// root name or version maps to nothing.
class DatabaseLoader : public SimpleXMLParser::ParseHandler {
public:
    explicit DatabaseLoader(PimDatabase& database);
    ~DatabaseLoader() override;

    void StartElement(std::string_view name, std::span<const AttributeView> attributes) override;
    void Characters(std::string_view text) override;
    void Comment(std::string_view) override {}
    void EndElement() override;

    // The reader of one collection element (implemented per record type).
    class CollectionReader;

private:
    void StartSection(std::string_view name, std::span<const AttributeView> attributes);

    PimDatabase& m_database;
    int m_depth = 0;
    int32_t m_version = 0;
    bool m_readable = false;
    std::unique_ptr<CollectionReader> m_collection;
};

}  // namespace orvane

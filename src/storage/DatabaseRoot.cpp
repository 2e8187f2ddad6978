#include "storage/DatabaseRoot.h"

#include "storage/NumberText.h"
#include "storage/SimpleXMLParser.h"

namespace orvane {

namespace {

// Stops the parse at the root's start tag.
struct RootSeen {};

class RootHandler : public SimpleXMLParser::ParseHandler {
public:
    explicit RootHandler(std::string& name, int32_t& version) : m_name(name), m_version(version) {}
    void StartElement(std::string_view name, std::span<const AttributeView> attributes) override
    {
        m_name = name;
        // The last Version attribute counts, as in the loader.
        for (const AttributeView& attribute : attributes) {
            if (attribute.name == "Version") {
                m_version = ParseFileNumber(attribute.value);
            }
        }
        throw RootSeen{};
    }
    void Characters(std::string_view) override {}
    void Comment(std::string_view) override {}
    void EndElement() override {}

private:
    std::string& m_name;
    int32_t& m_version;
};

}  // namespace

DatabaseRoot DatabaseRoot::Of(std::string_view text)
{
    DatabaseRoot root;
    RootHandler handler(root.m_name, root.m_version);
    try {
        SimpleXMLParser::Parser parser;
        // The loader reads up to the first zero byte.
        parser.Parse(text.data(), text.substr(0, text.find('\0')).size(), handler);
    } catch (const RootSeen&) {
        root.m_found = true;
    } catch (const SimpleXMLParser::Exception&) {
    }
    return root;
}

bool DatabaseRoot::IsDatabase() const
{
    return m_found && m_name == "Pim" && (m_version == 1 || m_version == 13);
}

std::string DatabaseRoot::Problem() const
{
    if (!m_found) {
        return "no root element";
    }
    if (m_name != "Pim") {
        return "root element \"" + m_name + "\"";
    }
    return "root element \"Pim\" with version " + std::to_string(m_version) +
           "; versions 1 and 13 are read";
}

}  // namespace orvane

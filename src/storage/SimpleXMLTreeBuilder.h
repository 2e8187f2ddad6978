#pragma once

#include <memory>
#include <vector>

#include "storage/SimpleXMLHandler.h"
#include "storage/SimpleXMLNodes.h"

namespace orvane::SimpleXMLParser {

// Turns the events of a parse into the tree of Element and Comment nodes.
class TreeBuilder : public ParseHandler {
public:
    void StartElement(std::string_view name, std::span<const AttributeView> attributes) override;
    void Characters(std::string_view text) override;
    void Comment(std::string_view text) override;
    void EndElement() override;

    std::unique_ptr<Element> TakeRoot() { return std::move(m_root); }

private:
    std::unique_ptr<Element> m_root;
    std::vector<Element*> m_open;
};

}  // namespace orvane::SimpleXMLParser

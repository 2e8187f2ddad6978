#include "storage/SimpleXMLTreeBuilder.h"

namespace orvane::SimpleXMLParser {

void TreeBuilder::StartElement(std::string_view name, std::span<const AttributeView> attributes)
{
    auto element = std::make_unique<Element>();
    element->Name = name;
    element->Attributes.reserve(attributes.size());
    for (const AttributeView& attribute : attributes) {
        element->Attributes.push_back({std::string(attribute.name), std::string(attribute.value)});
    }
    Element* const raw = element.get();
    if (m_open.empty()) {
        m_root = std::move(element);
    } else {
        m_open.back()->AddChild(std::move(element));
    }
    m_open.push_back(raw);
}

void TreeBuilder::Characters(std::string_view text)
{
    m_open.back()->Text.append(text);
}

void TreeBuilder::Comment(std::string_view text)
{
    auto comment = std::make_unique<SimpleXMLParser::Comment>();
    comment->Text = text;
    m_open.back()->AddChild(std::move(comment));
}

void TreeBuilder::EndElement()
{
    m_open.pop_back();
}

}  // namespace orvane::SimpleXMLParser

#pragma once

#include <span>
#include <string_view>

namespace orvane::SimpleXMLParser {

// Receives a parse as it happens, for readers that need no tree. The views are valid only
// during the call. Comments outside the root element are not reported.
class ParseHandler {
public:
    struct AttributeView {
        std::string_view name;
        std::string_view value;  // references decoded
    };

    virtual ~ParseHandler() = default;
    virtual void StartElement(std::string_view name, std::span<const AttributeView> attributes) = 0;
    // Character data directly inside the current element: runs of text, decoded references
    // and CDATA contents, in text order.
    virtual void Characters(std::string_view text) = 0;
    virtual void Comment(std::string_view text) = 0;
    virtual void EndElement() = 0;
};

}  // namespace orvane::SimpleXMLParser

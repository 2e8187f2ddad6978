#include "storage/SimpleXMLNodes.h"

namespace orvane::SimpleXMLParser {

bool Node::AddChild(std::unique_ptr<Node>)
{
    return false;
}

const Node& Node::FindChild(std::string_view, int) const
{
    return NullNode::Instance();
}

Element::~Element()
{
    NodeList pending = std::move(Children);
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        // The loader releases record elements early, leaving empty slots.
        if (NodeList* children = node ? node->GetChildren() : nullptr) {
            for (auto& child : *children) {
                pending.push_back(std::move(child));
            }
            children->clear();
        }
    }
}

bool Element::AddChild(std::unique_ptr<Node> child)
{
    Children.push_back(std::move(child));
    return true;
}

const Node& Element::FindChild(std::string_view name, int index) const
{
    for (const auto& child : Children) {
        if (child->Name == name && dynamic_cast<const Element*>(child.get()) && index-- == 0) {
            return *child;
        }
    }
    return NullNode::Instance();
}

const NullNode& NullNode::Instance()
{
    static const NullNode instance;
    return instance;
}

}  // namespace orvane::SimpleXMLParser

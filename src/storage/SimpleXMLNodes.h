#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The parse tree of the database file's XML reader.
namespace orvane::SimpleXMLParser {

struct Attribute {
    std::string Name;
    std::string Value;
};

class Node;
using NodeList = std::vector<std::unique_ptr<Node>>;
using AttributeList = std::vector<Attribute>;

class Node {
public:
    virtual ~Node() = default;
    virtual bool IsNull() const { return false; }
    // Takes ownership; false (and the node is dropped) when this kind has no children.
    virtual bool AddChild(std::unique_ptr<Node> child);
    // Nothing when the node has no children, not an empty list.
    virtual NodeList* GetChildren() { return nullptr; }
    const NodeList* GetChildren() const { return const_cast<Node*>(this)->GetChildren(); }
    // The index-th child element (from 0) with that name, or the null node.
    virtual const Node& FindChild(std::string_view name, int index) const;
    // Nothing when the node has no attributes.
    virtual AttributeList* GetAttributes() { return nullptr; }
    const AttributeList* GetAttributes() const { return const_cast<Node*>(this)->GetAttributes(); }

    std::string Name;
    std::string Text;
};

class Element : public Node {
public:
    Element() = default;
    // Tears deep trees down level by level instead of recursing once per level.
    ~Element() override;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    using Node::GetAttributes;
    using Node::GetChildren;
    bool AddChild(std::unique_ptr<Node> child) override;
    NodeList* GetChildren() override { return Children.empty() ? nullptr : &Children; }
    const Node& FindChild(std::string_view name, int index) const override;
    AttributeList* GetAttributes() override { return Attributes.empty() ? nullptr : &Attributes; }

    AttributeList Attributes;
    NodeList Children;  // elements and comments in text order
};

class Comment : public Node {
public:
    Comment() { Name = "!"; }
};

// Stands for "no such node": one shared instance.
class NullNode : public Node {
public:
    static const NullNode& Instance();
    bool IsNull() const override { return true; }
};

// The first error of a parse, at the position where it was found.
class Exception : public std::exception {
public:
    Exception(int32_t line, int32_t column) : Line(line), Column(column) {}
    const char* what() const noexcept override { return "XML parse error"; }

    int32_t Line;
    int32_t Column;
};

}  // namespace orvane::SimpleXMLParser

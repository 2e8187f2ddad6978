#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/SimpleXMLHandler.h"
#include "storage/SimpleXMLNodes.h"

namespace orvane::SimpleXMLParser {

// Reads the XML subset of the database file (declaration, comments, elements, attributes,
// character data, references, CDATA) in one pass over text held in memory. Text bytes pass
// through unchanged and are taken from the input by ranges. The first error throws
// Exception with its line and column.
class Parser {
public:
    // Deeper nesting is reported as an error instead of exhausting the stack.
    static constexpr int kMaxDepth = 1024;

    // The whole document as a tree.
    std::unique_ptr<Element> Parse(const char* text, size_t length);
    // The same reading, reported to a handler as it goes (no tree is built).
    void Parse(const char* text, size_t length, ParseHandler& handler);

    const char* Begin = nullptr;
    const char* Pos = nullptr;
    const char* End = nullptr;
    // Where the furthest character read ends; set when a parse fails.
    int32_t Line = 1;
    int32_t Column = 1;
    std::string Version = "1.0";

private:
    // An attribute while its element's tag is read: the value either a range of the input
    // or, when it held references, a range of m_decoded.
    struct PendingAttribute {
        std::string_view name;
        const char* value;
        size_t offset;
        size_t valueLength;
        bool decoded;
    };

    int Read();
    void Touch()
    {
        if (Pos > m_furthest) {
            m_furthest = Pos;
        }
    }
    void Peek();  // reads one character and gives it back
    bool LookAhead(std::string_view keyword, bool ignoreCase = false);
    bool TextAt(const char* at, std::string_view keyword) const;
    [[noreturn]] void Fail();
    void Expect(int c);
    void UpdatePosition();

    bool SkipWhitespace();  // true when there was any
    bool ReadName(std::string_view& name);
    void ReadQuoted(bool (*accept)(int, bool), std::string* out);
    void ReadDeclaration();
    void ReadMisc();
    void ReadElement(int depth);
    void ReadAttributes();
    bool ReadPlainAttribute();
    bool ReadAttributeValue(PendingAttribute& attribute);
    void ReadContent(std::string_view name, int depth);
    bool ReadEndTag(std::string_view name);
    std::string_view ReadComment();
    std::string_view ReadCData();
    char ReadReference();

    const char* m_furthest = nullptr;
    ParseHandler* m_handler = nullptr;
    // Reused between elements, so that big files allocate them once.
    std::vector<PendingAttribute> m_pending;
    std::vector<ParseHandler::AttributeView> m_attributes;
    std::string m_decoded;
};

}  // namespace orvane::SimpleXMLParser

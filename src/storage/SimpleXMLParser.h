#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "storage/SimpleXMLNodes.h"

namespace orvane::SimpleXMLParser {

// Reads the XML subset of the database file (declaration, comments, elements, attributes,
// character data, references, CDATA) in one pass over text held in memory. Text bytes pass
// through unchanged. The first error throws Exception with its line and column.
class Parser {
public:
    // Deeper nesting is reported as an error instead of exhausting the stack.
    static constexpr int kMaxDepth = 1024;

    std::unique_ptr<Element> Parse(const char* text, size_t length);

    const char* Begin = nullptr;
    const char* Pos = nullptr;
    const char* End = nullptr;
    // Where the furthest character read ends; set when a parse fails.
    int32_t Line = 1;
    int32_t Column = 1;
    std::string Version = "1.0";

private:
    int Read();
    void Touch()
    {
        if (Pos > m_furthest) {
            m_furthest = Pos;
        }
    }
    bool LookAhead(std::string_view keyword, bool ignoreCase = false);
    bool TextAt(const char* at, std::string_view keyword) const;
    [[noreturn]] void Fail();
    void Expect(int c);
    void UpdatePosition();

    bool SkipWhitespace();  // true when there was any
    bool ReadName(const char*& start, const char*& stop);
    void ReadQuoted(bool (*accept)(int, bool), std::string* out);
    void ReadDeclaration();
    void ReadMisc();
    std::unique_ptr<Element> ReadElement(int depth);
    void ReadAttributes();
    bool ReadAttributeValue(std::string& value);
    void ReadContent(Element& element, int depth);
    bool ReadEndTag(const Element& element);
    std::unique_ptr<Comment> ReadComment();
    void ReadCData(std::string& text);
    char ReadReference();

    const char* m_furthest = nullptr;
    AttributeList m_attributes;  // reused between elements, so each list is sized once
};

}  // namespace orvane::SimpleXMLParser

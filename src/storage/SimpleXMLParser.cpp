#include "storage/SimpleXMLParser.h"

#include <array>

namespace orvane::SimpleXMLParser {

namespace {

bool IsWhitespace(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}

bool IsNameChar(int c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

bool IsVersionChar(int c, bool)
{
    return IsNameChar(c);
}

bool IsEncodingChar(int c, bool first)
{
    return first ? (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') : IsNameChar(c);
}

int HexDigit(int c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int Lower(int c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Bytes that end a plain run of character data or of an attribute value.
constexpr std::array<bool, 256> StopTable(std::string_view stops)
{
    std::array<bool, 256> table{};
    table[0] = true;
    for (char c : stops) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}

constexpr auto kContentStops = StopTable("&<]");
constexpr auto kValueStops = StopTable("&<\"'");

}  // namespace

std::unique_ptr<Element> Parser::Parse(const char* text, size_t length)
{
    Begin = Pos = m_furthest = text;
    End = text + length;
    Line = Column = 1;
    Version = "1.0";
    ReadDeclaration();
    ReadMisc();
    std::unique_ptr<Element> root = ReadElement(1);
    ReadMisc();
    return root;
}

// One character: a carriage return yields the byte after it; the end yields 0.
int Parser::Read()
{
    if (Pos >= End) {
        Touch();
        return 0;
    }
    unsigned char c = static_cast<unsigned char>(*Pos++);
    if (c == '\r') {
        if (Pos >= End) {
            Touch();
            return 0;
        }
        c = static_cast<unsigned char>(*Pos++);
    }
    Touch();
    return c;
}

bool Parser::LookAhead(std::string_view keyword, bool ignoreCase)
{
    const char* const savedPos = Pos;
    const char* const savedFurthest = m_furthest;
    for (char expected : keyword) {
        const int c = Read();
        const int want = static_cast<unsigned char>(expected);
        if (c == 0 || (ignoreCase ? Lower(c) != Lower(want) : c != want)) {
            Pos = savedPos;
            m_furthest = savedFurthest;
            return false;
        }
    }
    return true;
}

// The keyword at a position, read as characters, without consuming anything.
bool Parser::TextAt(const char* at, std::string_view keyword) const
{
    const char* p = at;
    for (char expected : keyword) {
        if (p < End && *p == '\r') {
            ++p;
        }
        if (p >= End || *p != expected) {
            return false;
        }
        ++p;
    }
    return true;
}

void Parser::UpdatePosition()
{
    int32_t line = 1, column = 1;
    const char* p = Begin;
    while (p < m_furthest) {
        unsigned char c = static_cast<unsigned char>(*p++);
        if (c == '\r') {
            if (p >= m_furthest) {
                break;
            }
            c = static_cast<unsigned char>(*p++);
        }
        if (c == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    Line = line;
    Column = column;
}

void Parser::Fail()
{
    UpdatePosition();
    throw Exception(Line, Column);
}

void Parser::Expect(int c)
{
    if (Read() != c) {
        Fail();
    }
}

bool Parser::SkipWhitespace()
{
    bool any = false;
    for (;;) {
        const char* const saved = Pos;
        if (!IsWhitespace(Read())) {
            Pos = saved;
            return any;
        }
        any = true;
    }
}

bool Parser::ReadName(const char*& start, const char*& stop)
{
    start = Pos;
    if (!IsNameStart(Read())) {
        Pos = start;
        return false;
    }
    for (;;) {
        const char* const saved = Pos;
        if (!IsNameChar(Read())) {
            Pos = stop = saved;
            return true;
        }
    }
}

// A quoted run of characters of one class, at least one long.
void Parser::ReadQuoted(bool (*accept)(int, bool), std::string* out)
{
    const int quote = Read();
    if (quote != '"' && quote != '\'') {
        Fail();
    }
    const char* const start = Pos;
    bool first = true;
    for (;;) {
        const char* const saved = Pos;
        const int c = Read();
        if (c == quote && !first) {
            if (out) {
                out->assign(start, saved);
            }
            return;
        }
        if (!accept(c, first)) {
            Fail();
        }
        first = false;
    }
}

void Parser::ReadDeclaration()
{
    if (!LookAhead("<?xml", true)) {
        return;
    }
    if (!SkipWhitespace() || !LookAhead("version")) {
        Fail();
    }
    SkipWhitespace();
    Expect('=');
    SkipWhitespace();
    ReadQuoted(IsVersionChar, &Version);
    const char* const saved = Pos;
    const char* const savedFurthest = m_furthest;
    if (SkipWhitespace() && LookAhead("encoding")) {
        SkipWhitespace();
        Expect('=');
        SkipWhitespace();
        ReadQuoted(IsEncodingChar, nullptr);
    } else {
        Pos = saved;
        m_furthest = savedFurthest;
    }
    SkipWhitespace();
    if (!LookAhead("?>")) {
        Fail();
    }
}

void Parser::ReadMisc()
{
    for (;;) {
        SkipWhitespace();
        if (!LookAhead("<!--")) {
            return;
        }
        ReadComment();
    }
}

std::unique_ptr<Element> Parser::ReadElement(int depth)
{
    if (depth > kMaxDepth) {
        Fail();
    }
    Expect('<');
    const char *start, *stop;
    if (!ReadName(start, stop)) {
        Fail();
    }
    auto element = std::make_unique<Element>();
    element->Name.assign(start, stop);
    ReadAttributes();
    if (!m_attributes.empty()) {
        element->Attributes.reserve(m_attributes.size());
        for (Attribute& attribute : m_attributes) {
            element->Attributes.push_back(std::move(attribute));
        }
    }
    const int c = Read();
    if (c == '/') {
        Expect('>');
    } else if (c == '>') {
        ReadContent(*element, depth);
    } else {
        Fail();
    }
    return element;
}

void Parser::ReadAttributes()
{
    m_attributes.clear();
    while (SkipWhitespace()) {
        const char *start, *stop;
        if (!ReadName(start, stop)) {
            return;
        }
        Attribute& attribute = m_attributes.emplace_back();
        attribute.Name.assign(start, stop);
        SkipWhitespace();
        Expect('=');
        SkipWhitespace();
        if (!ReadAttributeValue(attribute.Value)) {
            Fail();
        }
    }
}

bool Parser::ReadAttributeValue(std::string& value)
{
    const char* const saved = Pos;
    const int quote = Read();
    if (quote != '"' && quote != '\'') {
        Pos = saved;
        return false;
    }
    value.clear();
    const char* run = Pos;
    for (;;) {
        const char* p = Pos;
        while (p < End && !kValueStops[static_cast<unsigned char>(*p)]) {
            ++p;
        }
        if (p < End && (*p == '"' || *p == '\'') && *p != quote) {
            Pos = p + 1;
            continue;
        }
        Pos = p;
        const int c = Read();
        if (c == quote) {
            value.append(run, p);
            return true;
        }
        if (c != '&') {  // the end, a zero byte or "<"
            Fail();
        }
        value.append(run, p);
        value += ReadReference();
        run = Pos;
    }
}

void Parser::ReadContent(Element& element, int depth)
{
    for (;;) {
        const char* const run = Pos;
        // The first character of a run follows markup, so "]]>" right after it is allowed.
        const char* const first = (Pos < End && *Pos == '\r') ? Pos + 1 : Pos;
        const char* p = Pos;
        for (;;) {
            while (p < End && !kContentStops[static_cast<unsigned char>(*p)]) {
                ++p;
            }
            if (p < End && *p == ']') {
                if (p > first && TextAt(p, "]]>")) {
                    Pos = p;
                    LookAhead("]]>");
                    Fail();
                }
                ++p;
                continue;
            }
            break;
        }
        Pos = p;
        const int c = Read();
        if (c == 0 || TextAt(Pos, "]]>")) {
            if (c != 0) {
                LookAhead("]]>");
            }
            Fail();
        }
        element.Text.append(run, p);
        if (c == '&') {
            element.Text += ReadReference();
            continue;
        }
        Pos = p;
        if (ReadEndTag(element)) {
            return;
        }
        if (LookAhead("<!--")) {
            element.AddChild(ReadComment());
        } else if (LookAhead("<![CDATA[")) {
            ReadCData(element.Text);
        } else {
            element.AddChild(ReadElement(depth + 1));
        }
    }
}

bool Parser::ReadEndTag(const Element& element)
{
    if (!LookAhead("</")) {
        return false;
    }
    const char *start, *stop;
    if (!ReadName(start, stop) || std::string_view(start, stop - start) != element.Name) {
        Fail();
    }
    SkipWhitespace();
    Expect('>');
    return true;
}

// After "<!--": the text up to the first "--", which must close with ">".
std::unique_ptr<Comment> Parser::ReadComment()
{
    const char* const start = Pos;
    for (;;) {
        const char* const before = Pos;
        const int c = Read();
        if (c == 0) {
            Fail();
        }
        if (c == '-' && LookAhead("-")) {
            Expect('>');
            auto comment = std::make_unique<Comment>();
            comment->Text.assign(start, before);
            return comment;
        }
    }
}

// After "<![CDATA[": printable bytes, tabs and line ends up to "]]>".
void Parser::ReadCData(std::string& text)
{
    const char* const start = Pos;
    for (;;) {
        const char* const before = Pos;
        const int c = Read();
        if (c == ']' && LookAhead("]>")) {
            text.append(start, before);
            return;
        }
        if (c < 32 && c != '\t' && c != '\n' && c != '\r') {
            Fail();
        }
    }
}

// After "&": a numeric or one of the five named references, and its ";".
char Parser::ReadReference()
{
    uint32_t code = 0;
    const char* saved = Pos;
    if (Read() == '#') {
        saved = Pos;
        const bool hex = Read() == 'x';
        if (!hex) {
            Pos = saved;
        }
        int digits = 0;
        for (;;) {
            saved = Pos;
            const int c = Read();
            const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
            if (digit < 0) {
                Pos = saved;
                break;
            }
            code = code * (hex ? 16u : 10u) + static_cast<uint32_t>(digit);
            ++digits;
        }
        if (digits == 0) {
            Fail();
        }
    } else {
        Pos = saved;
        const char *start, *stop;
        if (!ReadName(start, stop)) {
            Fail();
        }
        const std::string_view name(start, stop - start);
        if (name == "lt") {
            code = '<';
        } else if (name == "gt") {
            code = '>';
        } else if (name == "amp") {
            code = '&';
        } else if (name == "apos") {
            code = '\'';
        } else if (name == "quot") {
            code = '"';
        } else {
            Fail();
        }
    }
    Expect(';');
    return static_cast<char>(code & 0xFF);
}

}  // namespace orvane::SimpleXMLParser

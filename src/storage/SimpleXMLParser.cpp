#include "storage/SimpleXMLParser.h"

#include <array>

#include "storage/SimpleXMLTreeBuilder.h"

namespace orvane::SimpleXMLParser {

namespace {

constexpr bool IsWhitespace(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr bool IsNameStart(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}

constexpr bool IsNameChar(int c)
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

constexpr std::array<bool, 256> NameCharTable()
{
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<size_t>(c)] = IsNameChar(c);
    }
    return table;
}

constexpr auto kNameChars = NameCharTable();

bool NameCharAt(const char* p)
{
    return kNameChars[static_cast<unsigned char>(*p)];
}

}  // namespace

std::unique_ptr<Element> Parser::Parse(const char* text, size_t length)
{
    TreeBuilder builder;
    Parse(text, length, builder);
    return builder.TakeRoot();
}

void Parser::Parse(const char* text, size_t length, ParseHandler& handler)
{
    Begin = Pos = m_furthest = text;
    End = text + length;
    Line = Column = 1;
    Version = "1.0";
    m_handler = &handler;
    ReadDeclaration();
    ReadMisc();
    ReadElement(1);
    ReadMisc();
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

void Parser::Peek()
{
    const char* const saved = Pos;
    Read();
    Pos = saved;
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

// Whitespace read character by character (a carriage return counts only together with
// the character it stands before), without a call per byte.
bool Parser::SkipWhitespace()
{
    const char* p = Pos;
    for (;;) {
        if (p < End && (*p == ' ' || *p == '\t' || *p == '\n')) {
            ++p;
        } else if (p + 1 < End && *p == '\r' && IsWhitespace(static_cast<unsigned char>(p[1]))) {
            p += 2;
        } else {
            break;
        }
    }
    const bool any = p != Pos;
    Pos = p;
    Touch();
    Peek();  // the character that ended the run was read, then given back
    return any;
}

bool Parser::ReadName(std::string_view& name)
{
    const char* const start = Pos;
    const char* first = Pos;
    if (first < End && *first == '\r') {
        ++first;
    }
    if (first >= End || !IsNameStart(static_cast<unsigned char>(*first))) {
        Peek();
        return false;
    }
    const char* p = first + 1;
    for (;;) {
        if (p < End && NameCharAt(p)) {
            ++p;
        } else if (p + 1 < End && *p == '\r' && NameCharAt(p + 1)) {
            p += 2;
        } else {
            break;
        }
    }
    Pos = p;
    Touch();
    Peek();
    name = std::string_view(start, static_cast<size_t>(p - start));
    return true;
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

// Whitespace and comments around the root; the comments are dropped.
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

void Parser::ReadElement(int depth)
{
    if (depth > kMaxDepth) {
        Fail();
    }
    Expect('<');
    std::string_view name;
    if (!ReadName(name)) {
        Fail();
    }
    ReadAttributes();
    m_attributes.clear();
    for (const PendingAttribute& pending : m_pending) {
        const char* value = pending.decoded ? m_decoded.data() + pending.offset : pending.value;
        m_attributes.push_back({pending.name, std::string_view(value, pending.valueLength)});
    }
    m_handler->StartElement(name, m_attributes);
    const int c = Read();
    if (c == '/') {
        Expect('>');
    } else if (c == '>') {
        ReadContent(name, depth);
    } else {
        Fail();
    }
    m_handler->EndElement();
}

void Parser::ReadAttributes()
{
    m_pending.clear();
    m_decoded.clear();
    for (;;) {
        if (ReadPlainAttribute()) {
            continue;
        }
        if (!SkipWhitespace()) {
            return;
        }
        std::string_view name;
        if (!ReadName(name)) {
            return;
        }
        SkipWhitespace();
        Expect('=');
        SkipWhitespace();
        PendingAttribute attribute{name, nullptr, 0, 0, false};
        if (!ReadAttributeValue(attribute)) {
            Fail();
        }
        m_pending.push_back(attribute);
    }
}

// The usual form of an attribute, taken in one sweep: whitespace without carriage returns,
// a name, "=" and a quoted value without references or the other quote. The
// position and the furthest byte read end up where the general reading leaves them; on
// anything else nothing moves and the general reading takes over.
bool Parser::ReadPlainAttribute()
{
    const char* p = Pos;
    while (p < End && (*p == ' ' || *p == '\t' || *p == '\n')) {
        ++p;
    }
    if (p == Pos || p >= End || !IsNameStart(static_cast<unsigned char>(*p))) {
        return false;
    }
    const char* const name = p;
    while (++p < End && NameCharAt(p)) {
    }
    const char* const nameEnd = p;
    if (End - p < 2 || p[0] != '=' || (p[1] != '"' && p[1] != '\'')) {
        return false;
    }
    const char quote = p[1];
    p += 2;
    const char* const value = p;
    while (p < End && !kValueStops[static_cast<unsigned char>(*p)]) {
        ++p;
    }
    if (p >= End || *p != quote) {
        return false;
    }
    m_pending.push_back({std::string_view(name, static_cast<size_t>(nameEnd - name)), value, 0,
                         static_cast<size_t>(p - value), false});
    Pos = p + 1;
    Touch();
    return true;
}

// A value without references stays a range of the input; one with references is decoded
// into m_decoded, and its offset there is kept until the tag is complete.
bool Parser::ReadAttributeValue(PendingAttribute& attribute)
{
    const char* const saved = Pos;
    const int quote = Read();
    if (quote != '"' && quote != '\'') {
        Pos = saved;
        return false;
    }
    const char* const start = Pos;
    const char* run = Pos;
    size_t offset = 0;
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
            if (!attribute.decoded) {
                attribute.value = start;
                attribute.valueLength = static_cast<size_t>(p - start);
            } else {
                m_decoded.append(run, p);
                attribute.offset = offset;
                attribute.valueLength = m_decoded.size() - offset;
            }
            return true;
        }
        if (c != '&') {  // the end, a zero byte or "<"
            Fail();
        }
        if (!attribute.decoded) {
            attribute.decoded = true;
            offset = m_decoded.size();
        }
        m_decoded.append(run, p);
        m_decoded += ReadReference();
        run = Pos;
    }
}

void Parser::ReadContent(std::string_view name, int depth)
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
        if (p != run) {
            m_handler->Characters(std::string_view(run, static_cast<size_t>(p - run)));
        }
        if (c == '&') {
            const char reference = ReadReference();
            m_handler->Characters(std::string_view(&reference, 1));
            continue;
        }
        Pos = p;
        // A start tag cannot be an end tag, a comment or a CDATA section: none of their
        // look-aheads would move anything.
        if (End - Pos >= 2 && Pos[0] == '<' && IsNameStart(static_cast<unsigned char>(Pos[1]))) {
            ReadElement(depth + 1);
            continue;
        }
        if (ReadEndTag(name)) {
            return;
        }
        if (LookAhead("<!--")) {
            m_handler->Comment(ReadComment());
        } else if (LookAhead("<![CDATA[")) {
            const std::string_view text = ReadCData();
            if (!text.empty()) {
                m_handler->Characters(text);
            }
        } else {
            ReadElement(depth + 1);
        }
    }
}

bool Parser::ReadEndTag(std::string_view name)
{
    if (!LookAhead("</")) {
        return false;
    }
    std::string_view endName;
    if (!ReadName(endName) || endName != name) {
        Fail();
    }
    SkipWhitespace();
    Expect('>');
    return true;
}

// After "<!--": the text up to the first "--", which must close with ">".
std::string_view Parser::ReadComment()
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
            return std::string_view(start, static_cast<size_t>(before - start));
        }
    }
}

// After "<![CDATA[": printable bytes, tabs and line ends up to "]]>".
std::string_view Parser::ReadCData()
{
    const char* const start = Pos;
    for (;;) {
        const char* const before = Pos;
        const int c = Read();
        if (c == ']' && LookAhead("]>")) {
            return std::string_view(start, static_cast<size_t>(before - start));
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
        std::string_view name;
        if (!ReadName(name)) {
            Fail();
        }
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

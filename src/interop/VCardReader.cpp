#include "interop/VCardReader.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "interop/Ascii.h"
#include "interop/VCardText.h"

namespace orvane::interop {

namespace {

enum class LineKind { Property, TooLong, NoColon };

bool IsFoldSpace(char c)
{
    return c == ' ' || c == '\t';
}

// The continuation of a version 2.1 base64 value that its writer did not indent.
bool IsBase64Line(std::string_view line)
{
    return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '+' || c == '/' || c == '=' || IsFoldSpace(c);
    });
}

size_t FindUnquoted(std::string_view text, char wanted, size_t from)
{
    bool quoted = false;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == wanted && !quoted) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Surrounding quotes removed; ^n ^^ ^' of version 4.0 parameter values decoded.
std::string Unquote(std::string_view value)
{
    value = Ascii::Trim(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '^' && i + 1 < value.size()) {
            const char next = value[i + 1];
            if (next == 'n' || next == '^' || next == '\'') {
                out += next == 'n' ? '\n' : next == '^' ? '^' : '"';
                ++i;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

void AddParameter(std::string_view piece, std::vector<VCardParameter>& parameters)
{
    piece = Ascii::Trim(piece);
    if (piece.empty()) {
        return;
    }
    const size_t equals = piece.find('=');
    if (equals == std::string_view::npos) {
        std::string bare = Ascii::Upper(piece);
        static const char* const kEncodings[] = {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"};
        const bool encoding = std::any_of(std::begin(kEncodings), std::end(kEncodings),
                                          [&](const char* name) { return bare == name; });
        parameters.push_back({encoding ? "ENCODING" : "TYPE", std::string(piece)});
        return;
    }
    std::string name = Ascii::Upper(Ascii::Trim(piece.substr(0, equals)));
    const std::string_view values = piece.substr(equals + 1);
    size_t start = 0;
    for (;;) {
        const size_t comma = FindUnquoted(values, ',', start);
        std::string value = Unquote(values.substr(start, comma - start));
        if (name == "TYPE" && value.find(',') != std::string::npos) {
            for (std::string_view part : VCardText::Split(value, ',')) {
                parameters.push_back({name, std::string(Ascii::Trim(part))});
            }
        } else {
            parameters.push_back({name, std::move(value)});
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
}

// "_$!<Work>!$_" and "Work" both give "work".
std::string NormalisedLabel(std::string_view label)
{
    if (label.starts_with("_$!<") && label.ends_with(">!$_") && label.size() >= 8) {
        label = label.substr(4, label.size() - 8);
    }
    return Ascii::Lower(Ascii::Trim(label));
}

void ResolveLabels(VCard& card)
{
    std::unordered_map<std::string, std::string> labels;
    for (const VCardProperty& property : card.properties) {
        if (!property.group.empty() && property.name == "X-ABLABEL") {
            labels.emplace(property.group, NormalisedLabel(property.Text()));
        }
    }
    if (labels.empty()) {
        return;
    }
    for (VCardProperty& property : card.properties) {
        if (const auto it = labels.find(property.group); it != labels.end()) {
            property.label = it->second;
        }
    }
}

bool IsCardMarker(const VCardProperty& line, const char* name)
{
    return line.name == name && Ascii::SameLetters(Ascii::Trim(line.value), "VCARD");
}

}  // namespace

VCardReader::VCardReader(std::string_view text) : m_text(text)
{
    if (m_text.starts_with("\xEF\xBB\xBF")) {
        m_pos = 3;
    }
}

bool VCardReader::LooksLikeVCard(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    return Ascii::StartsWithLetters(Ascii::Trim(text), "BEGIN:VCARD");
}

std::string_view VCardReader::PhysicalLine(size_t from, size_t& next) const
{
    size_t end = m_text.find('\n', from);
    if (end == std::string_view::npos) {
        end = next = m_text.size();
    } else {
        next = end + 1;
    }
    std::string_view line = m_text.substr(from, end - from);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool VCardReader::ParseHeader(std::string_view header, VCardProperty& line) const
{
    size_t semicolon = FindUnquoted(header, ';', 0);
    std::string_view name = header.substr(0, semicolon);
    if (const size_t dot = name.rfind('.'); dot != std::string_view::npos) {
        line.group = Ascii::Trim(name.substr(0, dot));
        name = name.substr(dot + 1);
    }
    line.name = Ascii::Upper(Ascii::Trim(name));
    while (semicolon != std::string_view::npos) {
        const size_t next = FindUnquoted(header, ';', semicolon + 1);
        AddParameter(header.substr(semicolon + 1, next - semicolon - 1), line.parameters);
        semicolon = next;
    }
    return !line.name.empty();
}

void VCardReader::TakeBinaryContinuation()
{
    size_t next = 0;
    while (m_pos < m_text.size()) {
        const std::string_view line = PhysicalLine(m_pos, next);
        if (IsBase64Line(line)) {
            m_pos = next;
            continue;
        }
        if (line.empty()) {
            m_pos = next;  // the blank line that ends a version 2.1 base64 value
        }
        return;
    }
}

bool VCardReader::ReadLine(VCardProperty& line, bool& usable)
{
    if (m_pos >= m_text.size()) {
        return false;
    }
    line = VCardProperty{};
    line.begin = m_pos;
    m_buffer.clear();
    bool headerDone = false, tooLong = false, quotedPrintable = false, quoted = false;
    usable = false;
    const auto take = [&](std::string_view piece) {
        if (!headerDone) {
            size_t colon = 0;
            for (; colon < piece.size(); ++colon) {
                if (piece[colon] == '"') {
                    quoted = !quoted;
                } else if (piece[colon] == ':' && !quoted) {
                    break;
                }
            }
            if (m_buffer.size() + colon > kMaxHeaderBytes) {
                headerDone = tooLong = true;
                return;
            }
            m_buffer.append(piece.substr(0, colon));
            if (colon == piece.size()) {
                return;
            }
            headerDone = true;
            usable = ParseHeader(m_buffer, line);
            m_buffer.clear();
            piece.remove_prefix(colon + 1);
            const std::string_view encoding = line.Parameter("ENCODING");
            quotedPrintable = Ascii::SameLetters(encoding, "QUOTED-PRINTABLE");
            line.binary = Ascii::SameLetters(encoding, "B") ||
                          Ascii::SameLetters(encoding, "BASE64") ||
                          Ascii::StartsWithLetters(piece, "data:");
        }
        if (line.binary || tooLong) {
            return;
        }
        if (m_buffer.size() + piece.size() > kMaxValueBytes) {
            tooLong = true;
            std::string().swap(m_buffer);
            return;
        }
        m_buffer.append(piece);
    };
    size_t next = 0;
    take(PhysicalLine(m_pos, next));
    m_pos = next;
    while (m_pos < m_text.size()) {
        const std::string_view following = PhysicalLine(m_pos, next);
        if (quotedPrintable && !tooLong && m_buffer.ends_with('=')) {
            m_buffer += '\n';  // a soft line break, decoded with the value
            take(following);
        } else if (!following.empty() && IsFoldSpace(following.front())) {
            take(following.substr(1));
        } else {
            break;
        }
        m_pos = next;
    }
    if (line.binary) {
        TakeBinaryContinuation();
        m_buffer.clear();
    }
    line.end = m_pos;
    if (tooLong) {
        line.name = "\n";  // marks the line as dropped for Next()
        usable = true;
        return true;
    }
    if (usable && !line.binary) {
        const std::string_view charset = line.Parameter("CHARSET");
        line.value = quotedPrintable
                         ? VCardText::ToUtf8(VCardText::DecodeQuotedPrintable(m_buffer), charset)
                         : VCardText::ToUtf8(m_buffer, charset);
        m_buffer.clear();
    }
    return true;
}

bool VCardReader::Next(VCard& card)
{
    card.properties.clear();
    card.version.clear();
    card.text = {};
    card.complete = false;
    card.dropped = 0;
    VCardProperty line;
    bool usable = false;
    size_t start = 0;
    do {
        start = m_pos;
        if (!ReadLine(line, usable)) {
            return false;
        }
    } while (!usable || !IsCardMarker(line, "BEGIN"));

    int depth = 1;
    bool afterAgent = false;
    size_t kept = 0;  // bytes of the values held
    for (size_t lineStart = m_pos; ReadLine(line, usable); lineStart = m_pos) {
        if (!usable) {
            continue;
        }
        if (IsCardMarker(line, "BEGIN")) {
            // Only version 2.1's AGENT holds a card inside a card; any other BEGIN means the
            // card before it was cut short.
            if (depth == 1 && !afterAgent) {
                m_pos = lineStart;
                break;
            }
            ++depth;
            continue;
        }
        if (IsCardMarker(line, "END") && --depth == 0) {
            card.complete = true;
            break;
        }
        if (depth > 1 || line.name == "END") {
            continue;
        }
        afterAgent = line.name == "AGENT" && Ascii::Trim(line.value).empty();
        if (line.name == "\n" || card.properties.size() >= kMaxProperties ||
            kept + line.value.size() > kMaxCardBytes) {
            ++card.dropped;
            continue;
        }
        kept += line.value.size();
        if (line.name == "VERSION") {
            card.version = Ascii::Trim(line.value);
        }
        line.begin -= start;
        line.end -= start;
        card.properties.push_back(std::move(line));
    }
    card.text = m_text.substr(start, m_pos - start);
    ResolveLabels(card);
    return true;
}

}  // namespace orvane::interop

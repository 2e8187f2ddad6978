#include "interop/VCardText.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <map>
#include <memory>

#include "interop/Ascii.h"
#include "platform/TextDecoding.h"

namespace orvane::interop {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char upper = Ascii::Upper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// A record's text ends at its first zero byte, as wherever else text enters a record.
std::string UpToZeroByte(std::string text)
{
    text.resize(std::min(text.find('\0'), text.size()));
    return text;
}

bool IsWesternCharset(const std::string& name)
{
    // As web browsers do, a Latin-1 label is read as its superset Windows-1252.
    static const char* const kNames[] = {"ISO-8859-1", "ISO8859-1", "LATIN1", "WINDOWS-1252",
                                         "CP1252",     "US-ASCII",  "ASCII",  "ISO_8859-1",
                                         "L1",         "IBM819",    "CP819",  "X-CP1252"};
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](const char* known) { return name == known; });
}

// An iconv descriptor, closed with its owner.
class Converter {
public:
    explicit Converter(const std::string& charset) : m_handle(iconv_open("UTF-8", charset.c_str()))
    {}
    ~Converter()
    {
        if (IsOpen()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return m_handle; }

private:
    iconv_t m_handle;
};

// One converter per character set for the whole run: opening one costs far more than a
// short value's conversion.
const Converter* ConverterFor(const std::string& charset)
{
    thread_local std::map<std::string, std::unique_ptr<Converter>> converters;
    auto it = converters.find(charset);
    if (it == converters.end()) {
        if (converters.size() > 32) {
            return nullptr;  // a hostile file naming a new set on every line
        }
        it = converters.emplace(charset, std::make_unique<Converter>(charset)).first;
    }
    return it->second->IsOpen() ? it->second.get() : nullptr;
}

bool ConvertWithIconv(std::string_view bytes, const std::string& charset, std::string& out)
{
    const Converter* found = ConverterFor(charset);
    if (!found) {
        return false;
    }
    iconv_t converter = found->Handle();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string input(bytes);
    out.assign(bytes.size() * 4 + 16, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* target = out.data();
    size_t outLeft = out.size();
    if (iconv(converter, &in, &inLeft, &target, &outLeft) == static_cast<size_t>(-1) ||
        iconv(converter, nullptr, nullptr, &target, &outLeft) == static_cast<size_t>(-1)) {
        return false;
    }
    out.resize(out.size() - outLeft);
    return true;
}

}  // namespace

std::string VCardText::Unescape(std::string_view value)
{
    if (value.find('\\') == std::string_view::npos) {
        return std::string(value);
    }
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        if (next == 'n' || next == 'N') {
            out += '\n';
        } else if (next == '\\' || next == ',' || next == ';' || next == ':') {
            out += next;
        } else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

std::vector<std::string_view> VCardText::Split(std::string_view value, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == separator) {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(value.substr(std::min(start, value.size())));
    return parts;
}

void VCardText::AppendEscaped(std::string& out, std::string_view text, bool component)
{
    size_t run = 0;  // start of the characters not yet appended
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n' && c != '\\' && c != ',' && (c != ';' || !component)) {
            continue;
        }
        out.append(text, run, i - run);
        if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += '\\';
            out += c;
        }
        run = i + 1;
    }
    out.append(text, run, text.size() - run);
}

std::string_view VCardText::Utf8(const std::string& field, std::string& scratch)
{
    const bool ascii = std::all_of(field.begin(), field.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || TextDecoding::IsValidUtf8(field)) {
        return field;
    }
    scratch = TextDecoding::ToUtf8(field);
    return scratch;
}

std::string VCardText::DecodeQuotedPrintable(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '=') {
            out += value[i];
            continue;
        }
        // A soft line break: "=" before CR LF or LF.
        size_t next = i + 1;
        if (next < value.size() && value[next] == '\r') {
            ++next;
        }
        if (next < value.size() && value[next] == '\n') {
            i = next;
            continue;
        }
        const int high = i + 1 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = i + 2 < value.size() ? HexDigit(value[i + 2]) : -1;
        if (high < 0 || low < 0) {
            out += '=';
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string VCardText::EncodeQuotedPrintable(std::string_view value)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (char c : value) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '=') {
            out += c;
        } else {
            out += '=';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::string VCardText::ToUtf8(std::string_view bytes, std::string_view charset)
{
    // Most values are plain ASCII whatever set they name.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b != 0 && b < 0x80;
        })) {
        return std::string(bytes);
    }
    const std::string name = Ascii::Upper(charset);
    if (!name.empty() && name != "UTF-8" && name != "UTF8") {
        std::string out;
        if (IsWesternCharset(name)) {
            for (char32_t code : TextDecoding::DecodeWindows1252(bytes)) {
                TextDecoding::AppendUtf8(out, code);
            }
            return UpToZeroByte(std::move(out));
        }
        if (ConvertWithIconv(bytes, name, out)) {
            return UpToZeroByte(std::move(out));
        }
    }
    return UpToZeroByte(TextDecoding::ToUtf8(bytes));
}

}  // namespace orvane::interop

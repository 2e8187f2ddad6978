#include "interop/VCardWriter.h"

#include <algorithm>

#include "interop/VCardText.h"

namespace orvane::interop {

namespace {

constexpr size_t kLineOctets = 75;

bool NeedsQuotedPrintable(std::string_view value)
{
    return std::any_of(value.begin(), value.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 || b == '\n' || b == '\r';
    });
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

const char* VCardWriter::VersionText(VCardVersion version)
{
    switch (version) {
        case VCardVersion::V21:
            return "2.1";
        case VCardVersion::V30:
            return "3.0";
        case VCardVersion::V40:
            return "4.0";
    }
    return "3.0";
}

void VCardWriter::Begin()
{
    m_out += "BEGIN:VCARD\r\nVERSION:";
    m_out += VersionText(m_version);
    m_out += "\r\n";
}

void VCardWriter::End()
{
    m_out += "END:VCARD\r\n";
}

void VCardWriter::AppendEscaped(std::string& out, std::string_view text, bool component) const
{
    if (m_version != VCardVersion::V21) {
        VCardText::AppendEscaped(out, text, component);
        return;
    }
    // Version 2.1 knows only the escaped semicolon; line breaks travel as quoted-printable.
    for (char c : text) {
        if (component && c == ';') {
            out += '\\';
        }
        out += c;
    }
}

void VCardWriter::Text(std::string_view group, std::string_view name, std::string_view parameters,
                       std::string_view text)
{
    if (m_version == VCardVersion::V21) {
        std::string value;
        AppendEscaped(value, text, false);
        Raw(group, name, parameters, value);
        return;
    }
    StartLine(group, name, parameters);
    m_line += ':';
    AppendEscaped(m_line, text, false);
    Fold(m_line);
}

void VCardWriter::Structured(std::string_view name, std::string_view parameters,
                             std::initializer_list<std::string_view> components)
{
    std::string value;
    bool first = true;
    for (std::string_view component : components) {
        if (!first) {
            value += ';';
        }
        first = false;
        AppendEscaped(value, component, true);
    }
    Raw({}, name, parameters, value);
}

void VCardWriter::StartLine(std::string_view group, std::string_view name,
                            std::string_view parameters)
{
    m_line.clear();
    if (!group.empty()) {
        m_line.append(group).append(".");
    }
    m_line.append(name).append(parameters);
}

void VCardWriter::Raw(std::string_view group, std::string_view name, std::string_view parameters,
                      std::string_view escapedValue)
{
    StartLine(group, name, parameters);
    if (m_version == VCardVersion::V21 && NeedsQuotedPrintable(escapedValue)) {
        m_line.append(";ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:");
        m_line += VCardText::EncodeQuotedPrintable(escapedValue);
        FoldQuotedPrintable(m_line);
        return;
    }
    m_line.append(":").append(escapedValue);
    Fold(m_line);
}

void VCardWriter::Fold(std::string_view line)
{
    size_t limit = kLineOctets;
    while (line.size() > limit) {
        size_t cut = limit;
        while (cut > 1 && IsContinuationByte(line[cut])) {
            --cut;
        }
        m_out.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        limit = kLineOctets - 1;  // the leading space counts
    }
    m_out.append(line).append("\r\n");
}

void VCardWriter::FoldQuotedPrintable(std::string_view line)
{
    // Soft line breaks keep each line within 76 octets, "=" included, never inside "=XX".
    constexpr size_t kWidth = 75;
    while (line.size() > kWidth) {
        size_t cut = kWidth;
        if (line[cut - 1] == '=') {
            cut -= 1;
        } else if (line[cut - 2] == '=') {
            cut -= 2;
        }
        m_out.append(line.substr(0, cut)).append("=\r\n");
        line.remove_prefix(cut);
    }
    m_out.append(line).append("\r\n");
}

}  // namespace orvane::interop

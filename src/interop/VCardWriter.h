#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvane::interop {

enum class VCardVersion { V21, V30, V40 };

// Appends vCard content lines to a text: CR LF line ends, lines folded at 75 octets (never
// inside a UTF-8 sequence), values escaped for their version. Version 2.1 lines carry a
// value with line breaks or non-ASCII text as quoted-printable UTF-8 instead.
class VCardWriter {
public:
    VCardWriter(std::string& out, VCardVersion version) : m_out(out), m_version(version) {}

    static const char* VersionText(VCardVersion version);

    void Begin();  // BEGIN and VERSION
    void End();
    // parameters as written, each with its leading ";"; the text is escaped here.
    void Text(std::string_view name, std::string_view parameters, std::string_view text)
    {
        Text({}, name, parameters, text);
    }
    void Text(std::string_view group, std::string_view name, std::string_view parameters,
              std::string_view text);
    void Structured(std::string_view name, std::string_view parameters,
                    std::initializer_list<std::string_view> components);
    // A structured value from parts that keep the escapes they were read with (components
    // this program does not map are passed on untouched).
    void Raw(std::string_view group, std::string_view name, std::string_view parameters,
             std::string_view escapedValue);

    // Escapes one text or component for the version.
    void AppendEscaped(std::string& out, std::string_view text, bool component) const;

private:
    void StartLine(std::string_view group, std::string_view name, std::string_view parameters);
    void Fold(std::string_view line);
    void FoldQuotedPrintable(std::string_view line);

    std::string& m_out;
    VCardVersion m_version;
    std::string m_line;
};

}  // namespace orvane::interop

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::interop {

// The value encodings of vCard content lines.
class VCardText {
public:
    // \n and \N become a line break; \\ \, \; \: their character; other escapes stay.
    static std::string Unescape(std::string_view value);
    // Splits at separators that no backslash escapes; the parts keep their escapes.
    static std::vector<std::string_view> Split(std::string_view value, char separator);
    // Backslashes, commas and line breaks (CR LF, LF or CR) escaped; semicolons too when the
    // text is one component of a structured value.
    static void AppendEscaped(std::string& out, std::string_view text, bool component);

    // The field as UTF-8: itself when it is (the usual case, no copy), else read as
    // Windows-1252 into scratch.
    static std::string_view Utf8(const std::string& field, std::string& scratch);

    // "=XX" octets and soft line breaks ("=" at the end of a line) of quoted-printable.
    static std::string DecodeQuotedPrintable(std::string_view value);
    // Quoted-printable for a version 2.1 line: everything but printable ASCII as "=XX",
    // escaping neither semicolons nor backslashes.
    static std::string EncodeQuotedPrintable(std::string_view value);
    // The bytes in a named character set as UTF-8; bytes that are not valid in it (or an
    // unknown set) are read as Windows-1252 when they are not UTF-8 already. No zero bytes.
    static std::string ToUtf8(std::string_view bytes, std::string_view charset);
};

}  // namespace orvane::interop

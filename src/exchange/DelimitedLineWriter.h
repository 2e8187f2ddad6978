#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Appends header and record lines of delimited text to one in-memory string. Lines end
// with a bare line feed; an empty value is written as nothing at all, so it still takes
// its column but carries no enclosers.
class DelimitedLineWriter {
public:
    DelimitedLineWriter(std::string separator, std::string encloser)
        : m_separator(std::move(separator)), m_encloser(std::move(encloser))
    {}

    // Every name enclosed, separated, then a line feed.
    void WriteHeader(const std::vector<std::string>& names);
    // Starts a record line.
    void BeginRecord() { m_fieldsInLine = 0; }
    // One value of the current line. With doubleEncloser every encloser in the text is
    // written twice; otherwise the text goes out unchanged even when it holds one.
    void WriteField(std::string_view text, bool doubleEncloser);
    void EndRecord() { m_text.push_back('\n'); }

    const std::string& Text() const { return m_text; }
    std::string TakeText() { return std::move(m_text); }
    void Reserve(size_t bytes) { m_text.reserve(bytes); }

private:
    void AppendDoubled(std::string_view text);

    std::string m_separator;
    std::string m_encloser;
    std::string m_text;
    int m_fieldsInLine = 0;
};

}  // namespace orvane

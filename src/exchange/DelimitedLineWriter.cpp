#include "exchange/DelimitedLineWriter.h"

namespace orvane {

void DelimitedLineWriter::WriteHeader(const std::vector<std::string>& names)
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            m_text += m_separator;
        }
        m_text += m_encloser;
        m_text += names[i];
        m_text += m_encloser;
    }
    m_text.push_back('\n');
}

void DelimitedLineWriter::WriteField(std::string_view text, bool doubleEncloser)
{
    if (m_fieldsInLine++ > 0) {
        m_text += m_separator;
    }
    if (text.empty()) {
        return;
    }
    m_text += m_encloser;
    if (doubleEncloser && !m_encloser.empty()) {
        AppendDoubled(text);
    } else {
        m_text += text;
    }
    m_text += m_encloser;
}

void DelimitedLineWriter::AppendDoubled(std::string_view text)
{
    const char encloser = m_encloser.front();
    for (char c : text) {
        m_text.push_back(c);
        if (c == encloser) {
            m_text.push_back(c);
        }
    }
}

}  // namespace orvane

#include "exchange/LineReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvane {

namespace {

constexpr size_t kBufferSize = 1 << 16;

}  // namespace

LineReader::~LineReader()
{
    if (m_file) {
        std::fclose(m_file);
    }
}

bool LineReader::Open(const std::string& path)
{
    if (m_file) {
        std::fclose(m_file);
    }
    m_text.clear();
    m_begin = 0;
    m_failed = m_ended = m_started = false;
    m_utf16.reset();
    m_file = std::fopen(path.c_str(), "rb");
    return m_file != nullptr;
}

// The next piece of the file's bytes; false at the end or after an error.
bool LineReader::ReadChunk(std::string& into)
{
    into.resize(kBufferSize);
    const size_t n = std::fread(into.data(), 1, into.size(), m_file);
    into.resize(n);
    if (n == 0) {
        m_failed = std::ferror(m_file) != 0;
        m_ended = true;
    }
    return n > 0;
}

void LineReader::TakeByteOrderMark()
{
    const std::string_view start(m_text);
    if (start.starts_with("\xEF\xBB\xBF")) {
        m_begin = 3;
    } else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        m_utf16.emplace(start[0] == '\xFF' ? Utf16Decoder::ByteOrder::LittleEndian
                                           : Utf16Decoder::ByteOrder::BigEndian);
        m_raw = m_text.substr(2);
        m_text.clear();
        m_utf16->Append(m_raw, m_text);
    }
}

// Reads on when all of the text has been taken; false when nothing more comes.
bool LineReader::Fill()
{
    while (m_file && !m_ended && m_begin == m_text.size()) {
        m_begin = 0;
        if (!m_started) {
            m_started = true;
            ReadChunk(m_text);
            TakeByteOrderMark();
        } else if (!m_utf16) {
            ReadChunk(m_text);
        } else {
            m_text.clear();
            if (ReadChunk(m_raw)) {
                m_utf16->Append(m_raw, m_text);
            } else {
                m_utf16->Finish(m_text);
            }
        }
    }
    return m_begin < m_text.size();
}

LineReader::Status LineReader::Next(std::string& line, size_t limit)
{
    line.clear();
    // One character more than the limit may be a carriage return that the line feed drops.
    const size_t keep = limit + 1;
    for (;;) {
        if (m_begin == m_text.size() && !Fill()) {
            if (m_failed) {
                return Status::Error;
            }
            return line.empty() ? Status::End : Status::Unterminated;
        }
        const char* start = m_text.data() + m_begin;
        const size_t available = m_text.size() - m_begin;
        const void* feed = std::memchr(start, '\n', available);
        const size_t take =
            feed ? static_cast<size_t>(static_cast<const char*>(feed) - start) : available;
        if (line.size() + take > keep) {
            return Status::TooLong;
        }
        line.append(start, take);
        if (!feed) {
            m_begin = m_text.size();
            continue;
        }
        m_begin += take + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.size() > limit ? Status::TooLong : Status::Line;
    }
}

std::string LineReader::Take(size_t count)
{
    std::string text;
    while (text.size() < count && (m_begin < m_text.size() || Fill())) {
        const size_t take = std::min(count - text.size(), m_text.size() - m_begin);
        text.append(m_text, m_begin, take);
        m_begin += take;
    }
    return text;
}

}  // namespace orvane

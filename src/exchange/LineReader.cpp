#include "exchange/LineReader.h"

#include <cstring>

namespace orvane {

namespace {
constexpr size_t kBufferSize = 1 << 16;
}

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
    m_begin = m_end = 0;
    m_failed = false;
    m_file = std::fopen(path.c_str(), "rb");
    m_buffer.resize(kBufferSize);
    return m_file != nullptr;
}

bool LineReader::Fill()
{
    if (!m_file || m_failed) {
        return false;
    }
    const size_t n = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (n == 0 && std::ferror(m_file)) {
        m_failed = true;
    }
    m_begin = 0;
    m_end = n;
    return n > 0;
}

LineReader::Status LineReader::Next(std::string& line, size_t limit)
{
    line.clear();
    // One character more than the limit may be a carriage return that the line feed drops.
    const size_t keep = limit + 1;
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            if (m_failed) {
                return Status::Error;
            }
            return line.empty() ? Status::End : Status::Unterminated;
        }
        const char* start = m_buffer.data() + m_begin;
        const size_t available = m_end - m_begin;
        const void* feed = std::memchr(start, '\n', available);
        const size_t take =
            feed ? static_cast<size_t>(static_cast<const char*>(feed) - start) : available;
        if (line.size() + take > keep) {
            return Status::TooLong;
        }
        line.append(start, take);
        if (!feed) {
            m_begin = m_end;
            continue;
        }
        m_begin += take + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.size() > limit ? Status::TooLong : Status::Line;
    }
}

}  // namespace orvane

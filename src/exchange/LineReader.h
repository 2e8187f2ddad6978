#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace orvane {

// Reads a text file line by line with a length limit. A carriage return directly before
// a line feed is dropped, so files with CR LF pairs read like files with bare line feeds.
class LineReader {
public:
    enum class Status {
        Line,          // a complete line, without its line feed
        End,           // nothing left
        TooLong,       // more characters than the limit before the line feed
        Unterminated,  // the file ends inside a line
        Error,         // the file could not be read
    };

    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }
    // Only a Line result fills line; every other result means reading cannot go on.
    Status Next(std::string& line, size_t limit);

private:
    bool Fill();

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    size_t m_begin = 0;
    size_t m_end = 0;
    bool m_failed = false;
};

}  // namespace orvane

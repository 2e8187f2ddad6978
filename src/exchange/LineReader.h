#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "exchange/Utf16Decoder.h"

namespace orvane {

// Reads a text file line by line with a length limit. A carriage return directly before
// a line feed is dropped, so files with CR LF pairs read like files with bare line feeds.
// A byte-order mark at the start decides how the bytes are read: a UTF-8 one is skipped,
// UTF-16 (either byte order) is read as UTF-8; a file without one is read as its bytes.
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
    // Up to count characters from where reading stands, line feeds included (fewer at the
    // end of the file); reading goes on after them.
    std::string Take(size_t count);
    // Reading met an error (a folder opens like a file but cannot be read).
    bool Failed() const { return m_failed; }

private:
    bool Fill();
    bool ReadChunk(std::string& into);
    void TakeByteOrderMark();

    std::FILE* m_file = nullptr;
    std::string m_text;  // what is read, as text
    std::string m_raw;   // UTF-16 bytes before they become text
    size_t m_begin = 0;
    bool m_failed = false;
    bool m_ended = false;
    bool m_started = false;
    std::optional<Utf16Decoder> m_utf16;
};

}  // namespace orvane

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data/PimDateTime.h"

namespace orvane::test {

inline PimDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    PimDateTime value;
    EXPECT_TRUE(value.SetDateTime(y, mo, d, h, mi, s)) << y << "-" << mo << "-" << d;
    return value;
}

inline std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::filesystem::path DataPath(const std::string& relative)
{
    return std::filesystem::path(ORVANE_TEST_DATA) / relative;
}

// A fresh folder for one test, removed afterwards; the temporary folder points into it so
// that the "ORV…" files of saves do not pile up in /tmp.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char pattern[] = "/tmp/orvane-test-XXXXXX";
        m_path = ::mkdtemp(pattern);
        if (const char* old = std::getenv("TMPDIR")) {
            m_previousTmp = old;
        }
        std::filesystem::create_directory(m_path / "tmp");
        ::setenv("TMPDIR", (m_path / "tmp").c_str(), 1);
    }
    ~ScratchFolder()
    {
        if (m_previousTmp.empty()) {
            ::unsetenv("TMPDIR");
        } else {
            ::setenv("TMPDIR", m_previousTmp.c_str(), 1);
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    std::filesystem::path TempFolder() const { return m_path / "tmp"; }

private:
    std::filesystem::path m_path;
    std::string m_previousTmp;
};

}  // namespace orvane::test

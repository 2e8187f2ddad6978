#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::test {

inline std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The rows of a table under tests/data: one a line, cells split at '|'; empty lines and
// lines starting with # are left out.
inline std::vector<std::vector<std::string>> RowsOf(const std::string& relativePath)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(std::string(ORVANE_TEST_DATA) + "/" + relativePath);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            std::vector<std::string>& row = rows.emplace_back();
            std::istringstream cells(line + "|");
            for (std::string cell; std::getline(cells, cell, '|');) {
                row.push_back(cell);
            }
        }
    }
    EXPECT_FALSE(rows.empty()) << relativePath;
    return rows;
}

// Compares a text with the file of that name under tests/data and names the first line
// that differs. With ORVANE_UPDATE_GOLDEN=1 in the environment the file is written
// instead, to be reviewed with `git diff`.
inline void ExpectGolden(const std::string& actual, const std::string& relativePath)
{
    const std::string path = std::string(ORVANE_TEST_DATA) + "/" + relativePath;
    if (const char* update = std::getenv("ORVANE_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ostringstream golden;
    golden << std::ifstream(path, std::ios::binary).rdbuf();
    const auto want = LinesOf(golden.str()), got = LinesOf(actual);
    for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        ASSERT_EQ(i < got.size() ? got[i] : "(end)", i < want.size() ? want[i] : "(end)")
            << path << ":" << i + 1;
    }
    EXPECT_EQ(actual, golden.str());
}

}  // namespace orvane::test

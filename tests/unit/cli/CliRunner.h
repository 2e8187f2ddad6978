#pragma once

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApplication.h"
#include "data/PimDatabase.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"
#include "support/ScriptedPrompter.h"

namespace orvane::cli {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs orvane-cli in-process with the standard commands and captures both streams.
inline CliResult RunCli(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    CliContext context{out, err};
    CliApplication application(StandardCommands());
    const int status = application.Run(arguments, context);
    return {status, out.str(), err.str()};
}

// A test with a scratch folder of its own.
class CliTestBase : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder / name; }

    test::ScratchFolder m_folder;
};

// The database in the file at `path`.
inline PimDatabase LoadDatabase(const std::string& path)
{
    PimDatabase db;
    ScriptedPrompter prompter;
    EXPECT_TRUE(db.Load(test::ReadFileBytes(path).c_str(), prompter));
    return db;
}

struct OutcomeCase {
    int status;
    std::string err;  // the start of the error text
    std::vector<std::string> arguments;
};

// Runs each command line; a usage error must also print the usage.
inline void ExpectOutcomes(const std::vector<OutcomeCase>& cases)
{
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        if (c.status == kUsage) {
            EXPECT_NE(result.err.find("Usage: orvane-cli"), std::string::npos);
        }
    }
}

inline void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
}

// The cases of a file under tests/data/cli, one a line: "STATUS|ERROR START|ARGUMENTS",
// the arguments split at spaces, then each "$NAME" of `values` replaced and \s read as a
// space; \n in the error is a line feed.
inline std::vector<OutcomeCase> OutcomesOf(const std::string& name,
                                           const std::map<std::string, std::string>& values)
{
    std::vector<OutcomeCase> cases;
    for (const auto& row : test::RowsOf("cli/" + name)) {
        OutcomeCase c{std::stoi(row[0]), row.size() > 1 ? row[1] : "", {}};
        ReplaceAll(c.err, "\\n", "\n");
        std::istringstream words(row.size() > 2 ? row[2] : "");
        for (std::string word; words >> word;) {
            for (const auto& [key, value] : values) {
                ReplaceAll(word, key, value);
            }
            ReplaceAll(word, "\\s", " ");
            c.arguments.push_back(word);
        }
        for (const auto& [key, value] : values) {
            ReplaceAll(c.err, key, value);
        }
        cases.push_back(c);
    }
    return cases;
}

}  // namespace orvane::cli

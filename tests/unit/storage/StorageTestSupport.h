#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/DocumentView.h"
#include "data/PimDatabase.h"
#include "data/PimDateTime.h"
#include "support/SampleData.h"

namespace orvane::test {

inline std::string TimeText(const PimDateTime& time)
{
    return time.IsValid() ? time.Format("%F %T") : "-";
}

// Every field of every record, the user and the counters, one record a line.
inline std::string RecordsText(const PimDatabase& db)
{
    std::string out = "  last ids " + std::to_string(db.Persons().LastID()) + " " +
                      std::to_string(db.Tasks().LastID()) + " " +
                      std::to_string(db.Appointments().LastID()) + "\n";
    const auto fields = [&out](std::initializer_list<const std::string*> values) {
        for (const std::string* value : values) {
            out += " [" + *value + "]";
        }
        out += "\n";
    };
    const User& u = db.GetUser();
    out += "  user";
    fields({&u.FName, &u.LName, &u.Addr1, &u.Addr2, &u.City, &u.State, &u.Zip, &u.Position,
            &u.Company});
    for (const auto& [id, t] : db.Tasks()) {
        out += "  task " + std::to_string(id) + " priority " + std::to_string(t.Priority) +
               " due " + TimeText(t.DueDate) + " done " + TimeText(t.DoneDate);
        fields({&t.Description, &t.UID});
    }
    for (const auto& [id, p] : db.Persons()) {
        out += "  person " + std::to_string(id) + " pages " + std::to_string(p.WhitePages) +
               std::to_string(p.YellowPages);
        fields({&p.FName, &p.LName,    &p.RName, &p.Company, &p.Position, &p.Addr1, &p.Addr2,
                &p.City,  &p.State,    &p.Zip,   &p.HmPhone, &p.WkPhone,  &p.WkExt, &p.Fax,
                &p.Pager, &p.CelPhone, &p.EMail, &p.WebPage, &p.Notes,    &p.UID});
    }
    for (const auto& [id, a] : db.Appointments()) {
        out += "  appointment " + std::to_string(id) + " day " + TimeText(a.DueDate) + " from " +
               TimeText(a.StartTime) + " to " + TimeText(a.EndTime) + " alarm " +
               std::to_string(a.Alarm) + " at " + TimeText(a.AlarmTime) + " done " +
               std::to_string(a.Done);
        fields({&a.Description, &a.UID});
    }
    return out;
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

// The cases of a data file: a line "== title" starts each, its lines follow and end with
// a line feed unless they end with a backslash; \r stands for a carriage return. Empty
// lines and lines starting with # are left out.
struct TextCase {
    std::string title;
    std::string body;
};

inline std::vector<TextCase> ReadCases(const std::filesystem::path& path)
{
    std::vector<TextCase> cases;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("== ")) {
            cases.push_back({line.substr(3), ""});
        } else if (!cases.empty() && !line.empty() && !line.starts_with('#')) {
            for (size_t at; (at = line.find("\\r")) != std::string::npos;) {
                line.replace(at, 2, "\r");
            }
            cases.back().body +=
                line.ends_with('\\') ? line.substr(0, line.size() - 1) : line + "\n";
        }
    }
    return cases;
}

inline std::filesystem::path DataPath(const std::string& relative)
{
    return std::filesystem::path(ORVANE_TEST_DATA) / relative;
}

// Counts the refills and path changes a document tells its views.
class CountingView : public DocumentView {
public:
    void OnUpdate() override { ++updates; }
    void OnPathChanged() override { ++pathChanges; }
    int updates = 0;
    int pathChanges = 0;
};

// A fresh folder for one test, removed afterwards; the backups of its saves go into its
// "data" folder (XDG_DATA_HOME) so that they go with it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char pattern[] = "/tmp/orvane-test-XXXXXX";
        m_path = ::mkdtemp(pattern);
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            m_previousData = old;
        }
        ::setenv("XDG_DATA_HOME", DataHome().c_str(), 1);
    }
    ~ScratchFolder()
    {
        if (m_previousData.empty()) {
            ::unsetenv("XDG_DATA_HOME");
        } else {
            ::setenv("XDG_DATA_HOME", m_previousData.c_str(), 1);
        }
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    std::filesystem::path DataHome() const { return m_path / "data"; }

private:
    std::filesystem::path m_path;
    std::string m_previousData;
};

}  // namespace orvane::test

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data/PimDatabase.h"
#include "data/PimDateTime.h"

namespace orvane::test {

inline PimDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    PimDateTime value;
    EXPECT_TRUE(value.SetDateTime(y, mo, d, h, mi, s)) << y << "-" << mo << "-" << d;
    return value;
}

// Records with the fields most tests care about; the rest keep their defaults.
inline Task MakeTask(const std::string& text, const PimDateTime& due = PimDateTime::Now(),
                     int32_t priority = kPriorityHigh)
{
    Task task;
    task.Description = text;
    task.DueDate = due;
    task.Priority = priority;
    return task;
}

// Listed in the White Pages, with the display name the editor gives.
inline Person MakePerson(const std::string& first, const std::string& last)
{
    Person person;
    person.FName = first;
    person.LName = last;
    person.RName = person.GetDisplayName();
    person.WhitePages = 1;
    return person;
}

inline Appointment MakeAppointment(const std::string& text, const PimDateTime& start,
                                   const PimDateTime& end)
{
    Appointment appointment;
    appointment.Description = text;
    appointment.DueDate = start.DateOnly();
    appointment.StartTime = start;
    appointment.EndTime = end;
    return appointment;
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

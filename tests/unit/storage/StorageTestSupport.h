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
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    std::filesystem::path TempFolder() const { return m_path / "tmp"; }

private:
    std::filesystem::path m_path;
    std::string m_previousTmp;
};

}  // namespace orvane::test

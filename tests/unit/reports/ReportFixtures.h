#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"
#include "platform/RecordingCanvas.h"
#include "reports/PrintSettings.h"

namespace orvane::test {

// On the 600-dpi letter canvas with one-inch margins and 10-point Times New Roman:
// font height -83, so line height 103 + 10 = 113, average width 41 (bold 45);
// page rectangle 600, 600, 4500, 6000; left text x 641, centre x 641 + 1950 = 2591.
constexpr int kLh = 113;
constexpr int kCw = 41;
constexpr int kBoldCw = 45;
constexpr int kLeft = 600;
constexpr int kTop = 600;
constexpr int kRight = 4500;
constexpr int kBottom = 6000;
constexpr int kLx = 641;
constexpr int kCentre = 2591;
constexpr int kFirstRowY = kTop + 2 * kLh;  // 826
constexpr int kRowsPerPage = 45;            // 826 + 45 * 113 = 5911 < 6000; the 46th row is at 6024

inline PrintSettings OneInch()
{
    return PrintSettings{};
}

inline PimDateTime At(int year, int month, int day, int hour = 0, int minute = 0)
{
    PimDateTime value;
    value.SetDateTime(year, month, day, hour, minute, 0);
    return value;
}

inline Appointment MakeAppointment(int id, std::string description, int startHour, int startMinute,
                                   int endHour, int endMinute)
{
    Appointment a;
    a.ID = id;
    a.Description = std::move(description);
    a.DueDate = At(2026, 3, 10);
    a.StartTime = At(2026, 3, 10, startHour, startMinute);
    a.EndTime = At(2026, 3, 10, endHour, endMinute);
    return a;
}

inline Task MakeTask(int id, std::string description, int priority, int day = 10)
{
    Task t;
    t.ID = id;
    t.Description = std::move(description);
    t.Priority = priority;
    t.DueDate = At(2026, 3, day);
    return t;
}

inline Person MakePerson(int id, std::string first, std::string last)
{
    Person p;
    p.ID = id;
    p.FName = std::move(first);
    p.LName = std::move(last);
    p.RName = p.GetDisplayName();
    return p;
}

inline std::vector<Appointment> ManyAppointments(int count)
{
    std::vector<Appointment> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(MakeAppointment(i, "Appointment " + std::to_string(i), 9, 0, 10, 0));
    }
    return rows;
}

inline std::vector<Task> ManyTasks(int count)
{
    std::vector<Task> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(MakeTask(i, "Task " + std::to_string(i), i % 4));
    }
    return rows;
}

// A text as a test expects it: where, what, in which weight, and for clipped texts the
// right edge of the box.
struct Placed {
    int x;
    int y;
    std::string text;
    int weight;
    int clipRight = -1;  // -1: drawn without clipping

    bool operator==(const Placed&) const = default;
};

inline std::vector<Placed> Placements(const RecordingCanvas& canvas)
{
    std::vector<Placed> placed;
    for (const RecordingCanvas::Item& item : canvas.Texts()) {
        const bool clipped = item.kind == RecordingCanvas::Kind::ClippedText;
        placed.push_back(
            Placed{item.x, item.y, item.text, item.font.weight, clipped ? item.clip.right : -1});
    }
    return placed;
}

inline std::vector<std::string> TextsOf(const RecordingCanvas& canvas)
{
    std::vector<std::string> texts;
    for (const RecordingCanvas::Item& item : canvas.Texts()) {
        texts.push_back(item.text);
    }
    return texts;
}

inline bool HasText(const RecordingCanvas& canvas, const std::string& text)
{
    const auto texts = TextsOf(canvas);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

inline void PrintTo(const Placed& p, std::ostream* os)
{
    *os << "{" << p.x << ", " << p.y << ", \"" << p.text << "\", " << p.weight << ", "
        << p.clipRight << "}";
}

}  // namespace orvane::test

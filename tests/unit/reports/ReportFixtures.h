#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"
#include "platform/RecordingCanvas.h"
#include "reports/PrintSettings.h"
#include "support/SampleData.h"

namespace orvane::test {

// On the 600-dpi letter canvas with one-inch margins and 10-point Times New Roman a line
// is 113 dots and 45 rows fit a page.
constexpr int kLh = 113;
constexpr int kRowsPerPage = 45;

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

inline std::vector<Task> ManyTasks(int count)
{
    std::vector<Task> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(MakeTask(i, "Task " + std::to_string(i), i % 4));
    }
    return rows;
}

inline bool HasText(const RecordingCanvas& canvas, const std::string& text)
{
    const auto items = canvas.Texts();
    return std::any_of(items.begin(), items.end(),
                       [&text](const RecordingCanvas::Item& item) { return item.text == text; });
}

// One line per drawn item: "T x y weight height «text»" (with the clip box for clipped
// texts) or "L x y x2 y2".
inline std::string Dump(const RecordingCanvas& canvas)
{
    std::string out;
    const auto number = [&out](int value) { out += " " + std::to_string(value); };
    for (const RecordingCanvas::Item& item : canvas.Items()) {
        out += item.kind == RecordingCanvas::Kind::Line ? "L" : "T";
        number(item.x);
        number(item.y);
        if (item.kind == RecordingCanvas::Kind::Line) {
            number(item.x2);
            number(item.y2);
        } else {
            number(item.font.weight);
            number(item.font.height);
            out += " \"" + item.text + "\"";
        }
        if (item.kind == RecordingCanvas::Kind::ClippedText) {
            out += " clip";
            for (int side : {item.clip.left, item.clip.top, item.clip.right, item.clip.bottom}) {
                number(side);
            }
        }
        out += "\n";
    }
    return out;
}

}  // namespace orvane::test

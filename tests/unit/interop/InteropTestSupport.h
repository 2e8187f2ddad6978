#pragma once

#include <gtest/gtest.h>

#include <string>

#include "data/PimDatabase.h"
#include "storage/StorageTestSupport.h"
#include "support/Golden.h"

namespace orvane::test {

inline std::string Stamp(const PimDateTime& time)
{
    return time.IsValid() ? time.Format("%Y-%m-%d %H:%M") : "-";
}

// Every record with a UID as text: the fields that are set, one record a line.
inline std::string Describe(const PimDatabase& db)
{
    std::string text;
    const auto field = [&](const char* name, const std::string& value) {
        if (!value.empty()) {
            text += std::string(" ") + name + "=" + value;
        }
    };
    for (const auto& [id, p] : db.Persons()) {
        text += "person";
        field("FName", p.FName), field("LName", p.LName), field("RName", p.RName);
        field("Company", p.Company), field("Position", p.Position), field("Addr1", p.Addr1);
        field("Addr2", p.Addr2), field("City", p.City), field("State", p.State);
        field("Zip", p.Zip), field("HmPhone", p.HmPhone), field("WkPhone", p.WkPhone);
        field("WkExt", p.WkExt), field("Fax", p.Fax), field("Pager", p.Pager);
        field("CelPhone", p.CelPhone), field("EMail", p.EMail), field("WebPage", p.WebPage);
        field("Notes", p.Notes), field("UID", p.UID);
        text += " Pages=" + std::to_string(p.WhitePages) + std::to_string(p.YellowPages) + "\n";
    }
    for (const auto& [id, t] : db.Tasks()) {
        text += "task " + t.Description + " due=" + Stamp(t.DueDate) +
                " priority=" + Task::PriorityName(t.Priority);
        field("done", t.IsCompleted() ? Stamp(t.DoneDate) : "");
        text += " UID=" + t.UID + "\n";
    }
    for (const auto& [id, a] : db.Appointments()) {
        text += "appointment " + a.Description + " day=" + Stamp(a.DueDate).substr(0, 10) + " " +
                Stamp(a.StartTime) + " to " + Stamp(a.EndTime);
        field("alarm", a.Alarm ? Stamp(a.AlarmTime) : "");
        text += " UID=" + a.UID + "\n";
    }
    return text;
}

}  // namespace orvane::test

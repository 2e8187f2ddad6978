#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "exchange/ImportValueRules.h"

namespace orvane {
namespace {

using test::At;

const std::vector<std::string> kLimits = {"Appointment", "Date", "StartTime", "EndTime"};

class AppointmentImportTest : public test::ImportFixture {
protected:
    std::vector<Appointment> Appointments()
    {
        return Records(m_document.Database().Appointments());
    }
    void Store(PimDateTime start, PimDateTime end)
    {
        Appointment a;
        a.Description = "stored";
        a.DueDate = start.DateOnly();
        a.StartTime = start;
        a.EndTime = end;
        m_document.Database().Appointments().Add(a);
    }
};

TEST_F(AppointmentImportTest, LimitsSnapToQuarterHours)
{
    struct Case {
        const char* start;
        const char* end;
        PimDateTime expectedStart;
        PimDateTime expectedEnd;
    } cases[] = {
        {"10:07", "11:00", At(2026, 3, 9, 10, 0), At(2026, 3, 9, 11, 0)},
        {"10:08", "11:00", At(2026, 3, 9, 10, 15), At(2026, 3, 9, 11, 0)},
        {"9:00", "10:07", At(2026, 3, 9, 9, 0), At(2026, 3, 9, 10, 15)},
        {"9:00", "10:06", At(2026, 3, 9, 9, 0), At(2026, 3, 9, 10, 0)},
        {"10:08", "10:06", At(2026, 3, 9, 10, 15), At(2026, 3, 9, 10, 15)},  // end moves up
        {"2:52 PM", "3:01 PM", At(2026, 3, 9, 14, 45), At(2026, 3, 9, 15, 0)},
        {"10:07:59", "10:44:59", At(2026, 3, 9, 10, 0), At(2026, 3, 9, 10, 45)},
        {"23:53", "23:59", At(2026, 3, 10), At(2026, 3, 10)},  // into the next day
        {"14:00", "9:00", At(2026, 3, 9, 14, 0), At(2026, 3, 9, 14, 0)},
    };
    for (const Case& c : cases) {
        PimDocument document;
        test::WriteBytes(m_dir.File("a.csv"),
                         std::string("x,3/9/2026,") + c.start + "," + c.end + "\n");
        ASSERT_EQ(test::RunImport(document, test::ImportSettings(RecordKind::Appointments,
                                                                 m_dir.File("a.csv"), kLimits)),
                  1)
            << c.start;
        const Appointment& a = document.Database().Appointments().begin()->second;
        EXPECT_EQ(a.DueDate, At(2026, 3, 9)) << c.start;
        EXPECT_EQ(a.StartTime, c.expectedStart) << c.start;
        EXPECT_EQ(a.EndTime, c.expectedEnd) << c.end;
    }
}

TEST_F(AppointmentImportTest, AlarmLeadSnapsToFiveMinutesWithinAnHour)
{
    const std::pair<const char*, int> cases[] = {
        {"13", 15}, {"90", 0}, {"58", 60}, {"62", 60}, {"-3", 0},  {"0", 0},
        {"abc", 0}, {"2", 0},  {"17", 15}, {"3", 5},   {"61", 60}, {"63", 0},
    };
    std::string file;
    for (size_t i = 0; i < std::size(cases); ++i) {
        file += "x,3/" + std::to_string(i + 1) + "/2026,10:00,11:00,yes," + cases[i].first + "\n";
    }
    ASSERT_EQ(Import(RecordKind::Appointments, file,
                     {"Appointment", "Date", "StartTime", "EndTime", "Alarmed", "AlarmTime"}),
              std::size(cases));
    const auto appointments = Appointments();
    for (size_t i = 0; i < appointments.size(); ++i) {
        const int day = static_cast<int>(i) + 1;
        const PimDateTime start = At(2026, 3, day, 10, 0);
        EXPECT_EQ(appointments[i].StartTime, start);
        EXPECT_EQ(appointments[i].AlarmTime,
                  *ImportValueRules::AtMinute(At(2026, 3, day), 600 - cases[i].second))
            << cases[i].first;
        EXPECT_TRUE(appointments[i].Alarm);
    }
}

TEST_F(AppointmentImportTest, AnAlarmBeforeMidnightFallsOnThePreviousDay)
{
    ASSERT_EQ(Import(RecordKind::Appointments, "x,3/1/2026,0:05,1:00,15\n",
                     {"Appointment", "Date", "StartTime", "EndTime", "AlarmTime"}),
              1);
    EXPECT_EQ(Appointments()[0].AlarmTime, At(2026, 2, 28, 23, 45));
    EXPECT_FALSE(Appointments()[0].Alarm);  // only the Alarmed column sets the flag
    // Nothing added leaves the views alone.
    m_document.SetModified(false, false);
    EXPECT_EQ(Import(RecordKind::Appointments, "x,3/1/2026,0:30,0:45\n", kLimits), 0);
    EXPECT_EQ(m_view.updates, 1);
    EXPECT_FALSE(m_document.Modified());
}

TEST_F(AppointmentImportTest, TheAlarmFlagComesFromTheAlarmedColumn)
{
    const std::pair<const char*, bool> cases[] = {
        {"T", true},  {"yes", true}, {"1", true},  {"TRUE", true}, {"no", false},
        {"f", false}, {"", false},   {"y", false}, {"0", false},   {"EOF", false},
    };
    std::string file;
    for (size_t i = 0; i < std::size(cases); ++i) {
        file += "x,3/" + std::to_string(i + 1) + "/2026,10:00,11:00," + cases[i].first + "\n";
    }
    ASSERT_EQ(Import(RecordKind::Appointments, file,
                     {"Appointment", "Date", "StartTime", "EndTime", "Alarmed"}),
              std::size(cases));
    const auto appointments = Appointments();
    for (size_t i = 0; i < appointments.size(); ++i) {
        EXPECT_EQ(appointments[i].Alarm, cases[i].second) << cases[i].first;
        // Without an AlarmTime column the reminder is due at the start.
        EXPECT_EQ(appointments[i].AlarmTime, appointments[i].StartTime);
    }
}

TEST_F(AppointmentImportTest, ALineNeedsADescriptionADateAStartAndAnEnd)
{
    const std::string file =
        ",3/9/2026,10:00,11:00\n"
        "a,,10:00,11:00\n"
        "b,3/9/2026,,11:00\n"
        "c,3/9/2026,10:00,\n"
        "d,2/30/2026,10:00,11:00\n"
        "e,3/9/2026,25:00,26:00\n"
        "f,3/9/2026,soon,later\n"
        "EOF,3/9/2026,10:00,11:00\n"
        "'  g  ',3/9/2026,12:00,13:00\n";
    EXPECT_EQ(Import(RecordKind::Appointments, file, kLimits), 1);
    EXPECT_EQ(Appointments()[0].Description, "g");
    // The sequence of the columns in the file does not matter.
    EXPECT_EQ(Import(RecordKind::Appointments, "14:00,15:00,h,3/9/2026\n",
                     {"StartTime", "EndTime", "Appointment", "Date"}),
              1);
    EXPECT_EQ(Appointments()[1].StartTime, At(2026, 3, 9, 14));
}

TEST_F(AppointmentImportTest, LimitsThatTouchOrFallInsideCollide)
{
    Store(At(2026, 3, 9, 10), At(2026, 3, 9, 11));
    Store(At(2026, 3, 11, 12), At(2026, 3, 11, 10));  // ends before it starts: holds no time
    const std::string file =
        "shared limit,3/9/2026,11:00,12:00\n"
        "encloses,3/9/2026,9:00,13:00\n"
        "other day,3/10/2026,11:00,12:00\n"
        "same again,3/10/2026,11:00,12:00\n"
        "touches the new one,3/9/2026,8:00,9:00\n"
        "inside,3/9/2026,10:15,10:30\n"
        "free,3/9/2026,7:00,8:45\n"
        "at the reversed start,3/11/2026,12:00,12:30\n";
    EXPECT_EQ(Import(RecordKind::Appointments, file, kLimits), 4);
    std::vector<std::string> added;
    for (const Appointment& a : Appointments()) {
        added.push_back(a.Description);
    }
    EXPECT_EQ(added, (std::vector<std::string>{"stored", "stored", "encloses", "other day", "free",
                                               "at the reversed start"}));
}

}  // namespace
}  // namespace orvane

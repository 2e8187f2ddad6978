#pragma once

#include <initializer_list>

namespace orvane {

// Which report print and preview produce; chosen by the last report command.
enum class ReportKind : int {
    None = 0,
    AddressBook = 1,
    Envelopes = 2,
    DailyPlan = 3,
    DailyTasks = 4,
    DailyAppointments = 5,
};

// The report commands of the menu and the kinds they choose.
class ReportKinds {
public:
    static constexpr int kPhoneBookCommand = 32784;
    static constexpr int kEnvelopesCommand = 32782;
    static constexpr int kDailyPlanCommand = 32778;
    static constexpr int kDailyTasksCommand = 32780;
    static constexpr int kDailyAppointmentsCommand = 32779;

    // The command shown checked for a kind; 0 for none.
    static constexpr int CommandOf(ReportKind kind)
    {
        switch (kind) {
            case ReportKind::AddressBook:
                return kPhoneBookCommand;
            case ReportKind::Envelopes:
                return kEnvelopesCommand;
            case ReportKind::DailyPlan:
                return kDailyPlanCommand;
            case ReportKind::DailyTasks:
                return kDailyTasksCommand;
            case ReportKind::DailyAppointments:
                return kDailyAppointmentsCommand;
            case ReportKind::None:
                break;
        }
        return 0;
    }

    // The kind a command chooses; None for any other command.
    static constexpr ReportKind KindOf(int command)
    {
        for (ReportKind kind :
             {ReportKind::AddressBook, ReportKind::Envelopes, ReportKind::DailyPlan,
              ReportKind::DailyTasks, ReportKind::DailyAppointments}) {
            if (CommandOf(kind) == command) {
                return kind;
            }
        }
        return ReportKind::None;
    }

    // Print and preview are offered once a kind is chosen.
    static constexpr bool CanPrint(ReportKind kind) { return kind != ReportKind::None; }
};

}  // namespace orvane

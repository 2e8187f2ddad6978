#include "cli/CliApplication.h"

#include <cstdio>
#include <optional>

#include "platform/Clock.h"
#include "platform/SettableClock.h"

namespace orvane::cli {

namespace {

// "YYYY-MM-DD HH:MM:SS", each part in its range.
std::optional<SystemTime> ParseNow(const std::string& text)
{
    int y, mo, d, h, mi, s;
    char tail;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
            6 ||
        text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    static const int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (y < 100 || mo < 1 || mo > 12 || d < 1 ||
        d > kDaysInMonth[mo - 1] - (mo == 2 && !leap ? 1 : 0) || h > 23 || mi > 59 || s > 59) {
        return std::nullopt;
    }
    SystemTime now;
    now.year = static_cast<uint16_t>(y);
    now.month = static_cast<uint16_t>(mo);
    now.day = static_cast<uint16_t>(d);
    now.hour = static_cast<uint16_t>(h);
    now.minute = static_cast<uint16_t>(mi);
    now.second = static_cast<uint16_t>(s);
    return now;
}

// Puts the given clock in place for one command and the system clock back afterwards.
class ClockOverride {
public:
    explicit ClockOverride(const std::optional<SystemTime>& now)
    {
        if (now) {
            m_clock.Set(*now);
            Clock::SetCurrent(&m_clock);
            m_active = true;
        }
    }
    ~ClockOverride()
    {
        if (m_active) {
            Clock::SetCurrent(nullptr);
        }
    }
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    SettableClock m_clock;
    bool m_active = false;
};

}  // namespace

CliApplication::CliApplication(std::vector<std::unique_ptr<CliCommand>> commands)
    : m_commands(std::move(commands))
{}

std::string CliApplication::HelpText() const
{
    std::string text =
        "Usage: orvane-cli [--now \"YYYY-MM-DD HH:MM:SS\"] COMMAND ARGUMENTS...\n"
        "\n"
        "Works on Orvane! database files (.pgr) without the window.\n"
        "\n"
        "Commands:\n";
    for (const auto& command : m_commands) {
        std::string left = "  " + command->Name() + " " + command->Arguments();
        left.resize(std::max<size_t>(left.size() + 2, 24), ' ');
        text += left + command->Summary() + "\n";
    }
    text +=
        "\n"
        "Options:\n"
        "  --now \"YYYY-MM-DD HH:MM:SS\"\n"
        "                        Take this local time as the current time for the whole\n"
        "                        command (today's date in saves, compaction and the demo).\n"
        "  -h, --help            Show this text.\n"
        "\n"
        "Exit status: 0 success; 1 the file cannot be read; 2 the file does not parse, or\n"
        "is no Orvane! database to save over; 3 the file cannot be written; 4 an import\n"
        "lacks required fields; 5 another program changed the file while the command ran;\n"
        "6 a sync stopped for safety; 7 the command before a sync failed; 64 bad arguments.\n"
        "\n"
        "Every save keeps the version it replaces in $XDG_DATA_HOME/Kestrow/Orvane!/backups\n"
        "(~/.local/share/... when unset): see the backups and restore commands.\n";
    return text;
}

CliCommand* CliApplication::Find(const std::string& name) const
{
    for (const auto& command : m_commands) {
        if (command->Name() == name) {
            return command.get();
        }
    }
    return nullptr;
}

int CliApplication::UsageError(const std::string& problem, CliContext& context) const
{
    context.err << "orvane-cli: " << problem << "\n\n" << HelpText();
    return kUsage;
}

int CliApplication::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    std::optional<SystemTime> now;
    size_t next = 0;
    for (; next < arguments.size() && arguments[next].starts_with("-"); ++next) {
        const std::string& option = arguments[next];
        if (option == "-h" || option == "--help") {
            context.out << HelpText();
            return kSuccess;
        }
        if (option == "--now" && next + 1 < arguments.size()) {
            now = ParseNow(arguments[++next]);
            if (!now) {
                return UsageError("--now needs a time like \"2024-03-10 15:30:00\", not \"" +
                                      arguments[next] + "\"",
                                  context);
            }
            continue;
        }
        return UsageError("unknown option " + option, context);
    }
    if (next == arguments.size()) {
        return UsageError("no command given", context);
    }
    CliCommand* command = Find(arguments[next]);
    if (!command) {
        return UsageError("unknown command " + arguments[next], context);
    }
    const std::vector<std::string> rest(arguments.begin() + static_cast<std::ptrdiff_t>(next) + 1,
                                        arguments.end());
    if (!command->AcceptsArguments(rest.size())) {
        return UsageError(command->Name() + " takes " + command->Arguments(), context);
    }
    ClockOverride clock(now);
    return command->Run(rest, context);
}

}  // namespace orvane::cli
